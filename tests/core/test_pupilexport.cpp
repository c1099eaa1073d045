#include "core/classfolder/fileio.h"
#include "core/reports/csv.h"
#include "core/reports/pupilexport.h"
#include "dayline.h"
#include "scratchfolder.h"
#include "skiponwindows.h"

#include <gtest/gtest.h>

using namespace quorvex;

struct FieldRow {
    const char* name;
    Bytes field;
    Bytes written;
};

class CsvFields : public testing::TestWithParam<FieldRow> { };

// A name a spreadsheet would run as a formula or a command is written as text.
TEST_P(CsvFields, NoSpreadsheetTakesATextForAFormula)
{
    EXPECT_EQ(csvField(GetParam().field), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Rows, CsvFields,
    testing::Values(FieldRow { "formula", "=1+1", "'=1+1" }, FieldRow { "plus", "+49 30", "'+49 30" },
        FieldRow { "minus", "-2", "'-2" }, FieldRow { "at", "@SUM(A1)", "'@SUM(A1)" },
        FieldRow { "tab", "\tx", "'\tx" }, FieldRow { "carriage_return", "\rx", "\"'\rx\"" },
        FieldRow {
            "formula_with_comma", "=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"" },
        FieldRow { "comma", "Smith, Jo", "\"Smith, Jo\"" },
        FieldRow { "quote", "Ren\xC3\xA9 \"RJ\"", "\"Ren\xC3\xA9 \"\"RJ\"\"\"" },
        FieldRow { "inner_sign", "Ann-Marie=1", "Ann-Marie=1" }, FieldRow { "empty", "", "" }),
    [](const testing::TestParamInfo<FieldRow>& info) { return std::string(info.param.name); });

// Every answer of every day that can be read, in day order, and every day file byte for byte;
// a day that cannot be read is copied and its answers left out; a day beyond a gap is no day.
TEST(PupilExport, EveryAnswerOfEveryDay)
{
    ScratchFolder folder;
    const Bytes student = "@Ann";
    const Bytes days[] = {
        dayFileLine("Multiplication", true, "3 x 4 = 12", 21) + dayFileLine("Division", false, "12 \xf7 3 = 4", 57)
            + dayFileLine("Subtraction", true, "7 - 2 = 5", 0),
        "", // an empty save
        dayFileLine("Addition", true, "2 + 3 = 5", 12) + "Addition ,1 ,2 + 2 = 4 ,4 ,soon\r\n",
        dayFileLine("Addition", true, "1 + 1 = 2", 9),
    };
    for (int32_t day = 1; day <= 4; ++day)
        ASSERT_TRUE(createNewFile(dayFileName(student, day), days[day - 1]).ok());
    ASSERT_TRUE(removeFile(dayFileName(student, 4)).ok());
    ASSERT_TRUE(createNewFile(dayFileName(student, 5), days[3]).ok());
    ASSERT_TRUE(createNewFile(dayFileName("Bob", 1), days[3]).ok());

    const Result<std::vector<ExportedDay>> exported = readPupilDays(student);
    ASSERT_TRUE(exported.ok());
    ASSERT_EQ(exported->size(), 3u);
    for (size_t day = 0; day < 3; ++day) {
        EXPECT_EQ((*exported)[day].fileName, dayFileName(student, static_cast<int32_t>(day + 1)));
        EXPECT_EQ((*exported)[day].contents, days[day]);
    }
    EXPECT_FALSE((*exported)[2].answers.ok());
    const AnswersCsvWords words { { "Tag", "Art", "Rechenart", "Aufgabe", "Antwort", "Richtig", "Zehntel" },
        "\xC3\xbc"
        "ben",
        "Blitzrunde", "ja", "nein" };
    EXPECT_EQ(answersCsv(*exported, words),
        "Tag,Art,Rechenart,Aufgabe,Antwort,Richtig,Zehntel\r\n"
        "1,\xC3\xbc"
        "ben,Multiplication,3 x 4 = 12,0,ja,21\r\n"
        "1,\xC3\xbc"
        "ben,Division,12 \xC3\xB7 3 = 4,0,nein,57\r\n"
        "1,Blitzrunde,Subtraction,7 - 2 = 5,0,ja,0\r\n");
}

// A day planted as a link to a file outside the class folder is never carried out with the
// export; a link to a file inside the folder is a day like any other.
TEST(PupilExport, NoLinkCarriesAFileOutOfTheFolder)
{
    SKIP_ON_WINDOWS("symbolic links need an administrator");
#ifndef _WIN32
    ScratchFolder outside;
    ASSERT_TRUE(replaceFile("secret.txt", "the teacher's own\r\n").ok());
    const std::string secret = (std::filesystem::current_path() / "secret.txt").string();
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("kept.txt", dayFileLine("Addition", true, "1 + 1 = 2", 9)).ok());
    ASSERT_EQ(::symlink("kept.txt", "Ann1.txt"), 0);
    EXPECT_EQ(readPupilDays("Ann")->size(), 1u);
    ASSERT_EQ(::symlink(secret.c_str(), "Ann2.txt"), 0);
    const Result<std::vector<ExportedDay>> exported = readPupilDays("Ann");
    ASSERT_FALSE(exported.ok());
    EXPECT_EQ(exported.error().file, "Ann2.txt");
    EXPECT_EQ(exported.error().why, Failure::LinkOutsideFolder);
#endif
}
