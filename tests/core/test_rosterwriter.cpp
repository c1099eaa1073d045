#include "core/classfolder/fileio.h"
#include "core/classfolder/roster.h"
#include "filesizelimit.h"
#include "scratchfolder.h"
#include "skiponwindows.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

using namespace quorvex;

TEST(WriteRoster, WritesOneLinePerEntryEndingInCrLf)
{
    ScratchFolder folder;
    ASSERT_TRUE(writeRoster({ "Guest", "ANT", "Red team", "\xc9mile" }).ok());
    EXPECT_EQ(readFile("studnames.txt").value(), "Guest\r\nANT\r\nRed team\r\n\xc9mile\r\n");
    EXPECT_EQ(loadOrCreateRoster().value(), (std::vector<Bytes> { "Guest", "ANT", "Red team", "\xc9mile" }));
}

TEST(WriteRoster, KeepsAnEmptyEntry)
{
    ScratchFolder folder;
    ASSERT_TRUE(writeRoster({ "", "Ann" }).ok());
    EXPECT_EQ(readFile("studnames.txt").value(), "\r\nAnn\r\n");
}

TEST(WriteRoster, TheOldRosterSurvivesAWriteThatFails)
{
    SKIP_ON_WINDOWS("no limit of a file's size to make a write fail");
    ScratchFolder folder;
    ASSERT_TRUE(writeRoster({ "Guest", "Ann", "Bob" }).ok());
    const std::vector<Bytes> longer(200, "Somebody_with_a_long_name");
    Status written = [&] {
        FileSizeLimit limit(64);
        return writeRoster(longer);
    }();
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error(), FileError::system("studnames.txt", EFBIG));
    EXPECT_EQ(readFile("studnames.txt").value(), "Guest\r\nAnn\r\nBob\r\n");
    // Nothing half-written is left lying beside it either.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}
