#include "core/classfolder/fileio.h"
#include "core/classfolder/roster.h"
#include "fileerrors.h"
#include "scratchfolder.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace quorvex;

TEST(LoadOrCreateRoster, CreatesGuestInAnEmptyFolder)
{
    ScratchFolder folder;
    auto roster = loadOrCreateRoster();
    ASSERT_TRUE(roster.ok());
    EXPECT_EQ(*roster, std::vector<Bytes> { "Guest" });
    EXPECT_EQ(*readFile("studnames.txt"), "Guest\r\n");
}

TEST(LoadOrCreateRoster, ReadsAZeroByteRosterAsOneEmptyEntry)
{
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("studnames.txt", "").ok());
    EXPECT_EQ(*loadOrCreateRoster(), std::vector<Bytes> { "" });
    EXPECT_EQ(*readFile("studnames.txt"), "");
}

TEST(LoadOrCreateRoster, ReportsAFolderInTheWayAndLeavesItAlone)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkdir("studnames.txt", 0755), 0);
    auto roster = loadOrCreateRoster();
    ASSERT_FALSE(roster.ok());
    EXPECT_EQ(roster.error().file, "studnames.txt");
    EXPECT_EQ(roster.error(), FileError::system(rosterFileName, EISDIR));
    struct stat info { };
    ASSERT_EQ(::stat("studnames.txt", &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
}
