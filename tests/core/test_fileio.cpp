#include "core/fileio.h"
#include "scratchfolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace quorvex;

static size_t entriesInFolder()
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator("."), {}));
}

TEST(FileIo, ReplaceFileWritesWholeContentsAndLeavesNoScratch)
{
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("a.txt", "old\r\n").ok());
    ASSERT_TRUE(replaceFile("a.txt", Bytes("new \xf7\r\n")).ok());
    EXPECT_EQ(*readFile("a.txt"), "new \xf7\r\n");
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST(FileIo, ReplaceFileOverAFolderFailsAndKeepsIt)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkdir("a.txt", 0755), 0);
    auto status = replaceFile("a.txt", "x");
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().file, "a.txt");
    EXPECT_FALSE(status.error().reason.empty());
    EXPECT_FALSE(fileExists("a.txt"));
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST(FileIo, CreateNewFileNeverOverwrites)
{
    ScratchFolder folder;
    ASSERT_TRUE(createNewFile("d1.txt", "first").ok());
    bool existed = false;
    auto second = createNewFile("d1.txt", "second", &existed);
    EXPECT_FALSE(second.ok());
    EXPECT_TRUE(existed);
    EXPECT_EQ(*readFile("d1.txt"), "first");
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST(FileIo, ANameTheFileSystemRefusesIsAnError)
{
    ScratchFolder folder;
    bool existed = true;
    auto status = createNewFile("no/such/folder.txt", "x", &existed);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(existed);
    EXPECT_EQ(status.error().file, "no/such/folder.txt");
}

TEST(FileIo, FileExistsIsFalseForAFolder)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkdir("Guest1.txt", 0755), 0);
    EXPECT_FALSE(fileExists("Guest1.txt"));
    EXPECT_FALSE(readFile("Guest1.txt").ok());
}
