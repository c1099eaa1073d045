// The drill's words in English, as they always read: the screen reader's sentences, the refusals
// of a new pupil's name and the certificate's lines, each worded from what the core says.

#include "gui/platform/translations.h"
#include "gui/wording/phrases.h"
#include "guitest.h"

#include <functional>

using quorvex::CertificateInputs;
using quorvex::NameProblem;
using quorvex::Operation;

class TestWording : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void english_data();
    void english();
};

namespace {

std::vector<std::function<QString()>>& wordings()
{
    static std::vector<std::function<QString()>> all;
    return all;
}

void row(const char* name, std::function<QString()> word, const char* english)
{
    QTest::newRow(name) << static_cast<int>(wordings().size()) << QString::fromLatin1(english);
    wordings().push_back(std::move(word));
}

CertificateInputs practice(int correct, int asked)
{
    CertificateInputs in;
    in.correctCount = correct;
    in.askedCount = asked;
    in.studentName = "Guest";
    return in;
}

CertificateInputs speedRound(int right, int seconds)
{
    CertificateInputs in = practice(7, 10);
    in.questionTypeIndex = 1;
    in.roundRightCount = right;
    in.roundSeconds = seconds;
    return in;
}

CertificateInputs mixed(std::array<bool, 4> ticked)
{
    CertificateInputs in = practice(7, 10);
    in.mixAndMatch = true;
    in.ticked = ticked;
    return in;
}

} // namespace

void TestWording::english_data()
{
    QTest::addColumn<int>("wording");
    QTest::addColumn<QString>("english");
    wordings().clear();
    const auto spoken = [](const char* name, std::function<QString()> word, const char* english) {
        row(name, std::move(word), english);
    };
    spoken(
        "question",
        [] {
            return spokenQuestionText({ Operation::Multiplication, 7, 5 });
        },
        "7 times 5 equals?");
    spoken(
        "division",
        [] {
            return spokenQuestionText({ Operation::Division, 12, 3 });
        },
        "12 divided by 3 equals?");
    spoken(
        "subtraction",
        [] {
            return spokenQuestionText({ Operation::Subtraction, 9, 5 });
        },
        "9 minus 5 equals?");
    spoken(
        "addition",
        [] {
            return spokenQuestionText({ Operation::Addition, 0, 3 });
        },
        "0 plus 3 equals?");
    spoken(
        "right",
        [] {
            return spokenResultText({ Operation::Multiplication, 7, 5 }, true);
        },
        "right: 7 times 5 equals 35");
    spoken(
        "wrong",
        [] {
            return spokenResultText({ Operation::Division, 12, 3 }, false);
        },
        "wrong: 12 divided by 3 equals 4");
    spoken(
        "rows of dots",
        [] {
            return spokenBoardText({ Operation::Multiplication, 3, 4 });
        },
        "3 rows of 4 dots");
    spoken(
        "one row of one dot",
        [] {
            return spokenBoardText({ Operation::Multiplication, 1, 1 });
        },
        "1 row of 1 dot");
    spoken(
        "no dots",
        [] {
            return spokenBoardText({ Operation::Multiplication, 0, 4 });
        },
        "no dots");
    spoken(
        "dots and dots",
        [] {
            return spokenBoardText({ Operation::Addition, 5, 2 });
        },
        "5 dots and 2 dots");
    spoken(
        "no dot and one",
        [] {
            return spokenBoardText({ Operation::Addition, 0, 1 });
        },
        "0 dots and 1 dot");
    spoken(
        "grid",
        [] {
            return spokenBoardText({ Operation::Subtraction, 9, 5 });
        },
        "empty grid for your dots");
    spoken(
        "marked right",
        [] {
            return spokenMarkedText({ Operation::Multiplication, 1, 3 }, true, 1, 1);
        },
        "right: 1 times 3 equals 3. 1 correct of 1.");
    spoken(
        "marked wrong",
        [] {
            return spokenMarkedText({ Operation::Subtraction, 9, 5 }, false, 0, 2);
        },
        "wrong: 9 minus 5 equals 4. 0 correct of 2.");
    spoken(
        "fact", [] { return spokenFactText("3 x 4 = 12"); }, "3 times 4 equals 12");
    spoken(
        "fact of a division", [] { return spokenFactText("15 \xf7 3 = 5"); }, "15 divided by 3 equals 5");
    spoken(
        "fact with blanks", [] { return spokenFactText(" 9 -  5 = 4 "); }, "9 minus 5 equals 4");
    spoken(
        "fact with a sign", [] { return spokenFactText("2 + -3 = -1"); }, "2 plus -3 equals -1");
    spoken(
        "no fact", [] { return spokenFactText("xylophone"); }, "xylophone");
    spoken(
        "cell with a dot", [] { return spokenCellText(2, 1, true); }, "row 2, column 3, dot");
    spoken(
        "empty cell", [] { return spokenCellText(0, 11, false); }, "row 12, column 1, empty");

    const auto refusal = [](const char* name, NameProblem problem, const char* english, quorvex::Bytes other = {}) {
        row(
            name, [=] { return nameProblemText(problem, other); }, english);
    };
    refusal("no problem", NameProblem::None, "");
    refusal("empty", NameProblem::Empty, "Type a name first");
    refusal("path", NameProblem::PathSeparator, "No / or \\ in a name");
    refusal("forbidden", NameProblem::ForbiddenCharacter, "No < > : \" | ? * in a name");
    refusal("control", NameProblem::ControlCharacter, "No control characters in a name");
    refusal("dots", NameProblem::DotName, "A name cannot be . or ..");
    refusal("own prefix", NameProblem::OwnFilePrefix, "A name cannot begin with .~");
    refusal("digit", NameProblem::EndsInDigit, "A name cannot end in a digit");
    refusal("device", NameProblem::ReservedDeviceName, "Windows keeps this name for itself");
    refusal("too long", NameProblem::TooLong, "Name too long, please abbreviate");
    refusal("character set", NameProblem::NotInCharacterSet, "A character cannot be stored");
    refusal("shares files", NameProblem::SharesDayFiles, "Would share history files with \xc9lo 1", "\xc9lo 1");
    refusal("on the list", NameProblem::OnRosterAlready, "\xc9lo is on the list already", "\xc9lo");

    const auto line = [](const char* name, CertificateInputs in, QString CertificateWords::*part, const char* english) {
        row(
            name, [=] { return certificateWords(in).*part; }, english);
    };
    line("name", practice(7, 10), &CertificateWords::name, "Guest");
    line(
        "eight-bit name",
        [] {
            auto in = practice(7, 10);
            in.studentName = "Zo\xeb";
            return in;
        }(),
        &CertificateWords::name, "Zo\xeb");
    line("practice score", practice(7, 10), &CertificateWords::score, "7 correct out of 10 asked!");
    line("nothing answered yet", practice(0, 0), &CertificateWords::score, "0 correct out of 0 asked!");
    line("practice", practice(7, 10), &CertificateWords::type, "in Practice");
    line("speed round score", speedRound(12, 60), &CertificateWords::score, "12 correct in 60 s!");
    line("longest round", speedRound(41, 300), &CertificateWords::score, "41 correct in 300 s!");
    line("one right", speedRound(1, 5), &CertificateWords::score, "1 correct in 5 s!");
    line("speed round", speedRound(3, 45), &CertificateWords::type, "in Speed Round");
    line(
        "tables of",
        [] {
            auto in = practice(7, 10);
            in.tableText = "12";
            return in;
        }(),
        &CertificateWords::table, "Using all the numbers up to 12!");
    line(
        "practice with up to",
        [] {
            auto in = practice(7, 10);
            in.tablesOf = false;
            in.upToText = "12";
            return in;
        }(),
        &CertificateWords::table, "Using only the number 5 and numbers up to 12!");
    line("the current operation", practice(7, 10), &CertificateWords::involve, "Involving Multiplication");
    line("one ticked", mixed({ false, false, false, true }), &CertificateWords::involve, "Involving Division");
    line("two ticked", mixed({ false, true, true, false }), &CertificateWords::involve,
        "Involving Subtraction and Multiplication");
    line("three ticked", mixed({ true, true, false, true }), &CertificateWords::involve,
        "Involving Addition, Subtraction and Division");
    line("four ticked", mixed({ true, true, true, true }), &CertificateWords::involve,
        "Involving Addition, Subtraction, Multiplication and Division");
}

void TestWording::english()
{
    QFETCH(int, wording);
    QFETCH(QString, english);
    QVERIFY(useLanguage(QString()));
    QCOMPARE(wordings()[static_cast<size_t>(wording)](), english);
}

QTEST_MAIN(TestWording)
#include "tst_wording.moc"
