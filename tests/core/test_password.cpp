#include "core/classfolder/fileio.h"
#include "core/classfolder/password.h"
#include "filesizelimit.h"
#include "scratchfolder.h"
#include "skiponwindows.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace quorvex;

struct PasswordCase {
    const char* name;
    Bytes file;
    Bytes password;
};

class ParsePassword : public testing::TestWithParam<PasswordCase> { };

TEST_P(ParsePassword, TakesTheFirstLine)
{
    EXPECT_EQ(parsePassword(GetParam().file), GetParam().password);
}

INSTANTIATE_TEST_SUITE_P(Files, ParsePassword,
    testing::Values(PasswordCase { "asWritten", "Owl\r\n", "Owl" }, //
        PasswordCase { "severalLines", "Owl\r\nHawk\r\nKite\r\n", "Owl" },
        PasswordCase { "loneCrEndsIt", "Owl\rHawk", "Owl" }, //
        PasswordCase { "loneLfEndsIt", "Owl\nHawk\n", "Owl" },
        PasswordCase { "byte26EndsIt",
            Bytes("Ow\x1a"
                  "l\r\n"),
            "Ow" },
        PasswordCase { "noLineEnd", "Owl", "Owl" }, //
        PasswordCase { "emptyFile", "", "" }, //
        PasswordCase { "emptyFirstLine", "\r\nOwl\r\n", "" }, PasswordCase { "trailingBlankKept", "Owl \r\n", "Owl " },
        PasswordCase { "innerBlanksKept", " O w l\r\n", " O w l" },
        PasswordCase { "eightBitKept", "\xc9t\xe9\r\n", "\xc9t\xe9" }),
    [](const auto& info) { return info.param.name; });

TEST(ReadPasswordFile, NoFileMeansNoPassword)
{
    ScratchFolder folder;
    auto password = readPasswordFile();
    ASSERT_TRUE(password.ok());
    EXPECT_FALSE(password->has_value());
}

TEST(ReadPasswordFile, ReadsTheFirstLineOfTheFile)
{
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("password.txt", "Owl \r\nHawk\r\n").ok());
    auto password = readPasswordFile();
    ASSERT_TRUE(password.ok());
    EXPECT_EQ(password->value_or("none"), "Owl ");
}

TEST(ReadPasswordFile, AnEmptyFileIsTheEmptyPassword)
{
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("password.txt", "").ok());
    auto password = readPasswordFile();
    ASSERT_TRUE(password.ok());
    EXPECT_EQ(password->value_or("none"), "");
}

TEST(ReadPasswordFile, SomethingUnreadableUnderTheNameIsAnError)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkdir("password.txt", 0755), 0);
    auto password = readPasswordFile();
    ASSERT_FALSE(password.ok());
    EXPECT_EQ(password.error(), FileError::system("password.txt", EISDIR));
}

TEST(WritePasswordFile, WritesOneLineEndingInCrLf)
{
    ScratchFolder folder;
    ASSERT_TRUE(writePasswordFile("Owl ").ok());
    EXPECT_EQ(readFile("password.txt").value(), "Owl \r\n");
    ASSERT_TRUE(writePasswordFile("").ok());
    EXPECT_EQ(readFile("password.txt").value(), "\r\n");
    EXPECT_EQ(readPasswordFile().value(), std::optional<Bytes> { "" });
}

TEST(WritePasswordFile, AFailedWriteLeavesTheOldPasswordWhole)
{
    SKIP_ON_WINDOWS("no limit of a file's size to make a write fail");
    ScratchFolder folder;
    ASSERT_TRUE(writePasswordFile("Owl").ok());
    Status written = [] {
        FileSizeLimit limit(4);
        return writePasswordFile("A much longer password");
    }();
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error(), FileError::system("password.txt", EFBIG));
    EXPECT_EQ(readFile("password.txt").value(), "Owl\r\n");
}

TEST(PasswordFitsOneLine, RefusesWhatWouldNotReadBack)
{
    EXPECT_TRUE(passwordFitsOneLine(""));
    EXPECT_TRUE(passwordFitsOneLine("Owl "));
    EXPECT_FALSE(passwordFitsOneLine("Owl\r"));
    EXPECT_FALSE(passwordFitsOneLine("O\nwl"));
    EXPECT_FALSE(passwordFitsOneLine("Owl\x1a"));
}

TEST(PasswordMatches, ComparesByteForByte)
{
    EXPECT_TRUE(passwordMatches("Owl ", "Owl "));
    EXPECT_FALSE(passwordMatches("Owl", "Owl "));
    EXPECT_FALSE(passwordMatches("owl ", "Owl "));
    EXPECT_TRUE(passwordMatches("", ""));
    EXPECT_FALSE(passwordMatches(" ", ""));
}
