// quorvex-screenshots FOLDER: writes main-window.png, fluency-report.png and a certificate in
// each language (certificate-en.png, certificate-de.png ...) into FOLDER.
//
// A pupil "Ann" with three weeks of multiplication practice (the tables of 2 to 6 first, the
// later tables coming in, answers getting quicker) is made in a scratch class folder; the main
// window is shown after a few answers of the day, the report from Ann's saved days.

#include "core/classfolder/history.h"
#include "core/drill/operations.h"
#include "core/reports/fluency.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/settings.h"
#include "gui/platform/textcodec.h"
#include "gui/platform/translations.h"
#include "gui/windows/certificatefrm.h"
#include "gui/windows/fluencyreport.h"
#include "gui/windows/programwindows.h"
#include "gui/wording/phrases.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>
#include <random>

namespace {

// Ann's days: on day d the tables up to 4 + d / 3, practice times shrinking from about 6 s
// to about 2 s, fewer wrong answers as the days go on, and a speed round every fifth day.
void writeAnnsDays()
{
    std::mt19937 random(2026);
    constexpr int days = 21;
    for (int day = 1; day <= days; ++day) {
        const int top = std::min(12, 4 + day / 3);
        std::uniform_int_distribution<int> base(1, top);
        std::uniform_int_distribution<int> second(2, std::min(10, top));
        std::normal_distribution<double> seconds(6.5 - 4.5 * day / days, 1.2);
        std::bernoulli_distribution wrong(0.25 - 0.18 * day / days);
        std::vector<quorvex::Treslts> answers;
        for (int k = 0; k < 40; ++k) {
            quorvex::Treslts record;
            const quorvex::Question question { quorvex::Operation::Multiplication, base(random), second(random) };
            record.question = quorvex::completedFact(question);
            record.operation = "Multiplication";
            record.correct = !wrong(random);
            record.answer = quorvex::decimal(quorvex::expectedAnswer(question) + (record.correct ? 0 : 1));
            record.ticks = day % 5 == 0 ? 0 : std::max(8, static_cast<int>(seconds(random) * 10));
            answers.push_back(record);
        }
        if (!quorvex::saveNextDay("Ann", answers).ok())
            std::fprintf(stderr, "could not write Ann's day %d\n", day);
    }
}

// Answers the question on screen, right unless told otherwise, as the pupil would type it.
void answer(Tflashcardfrm& window, bool right)
{
    QMetaObject::invokeMethod(&window, "QuestionbtClick");
    const QString question = window.findChild<QLabel*>(QStringLiteral("qlb"))->text();
    const QRegularExpressionMatch numbers
        = QRegularExpression(QStringLiteral("^(\\d+) x (\\d+) = \\?$")).match(question);
    const int product = numbers.captured(1).toInt() * numbers.captured(2).toInt();
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("anseb"));
    box->setFocus();
    QTest::keyClicks(box, QString::number(right ? product : product + 1));
    QTest::qWait(right ? 1200 : 2500);
    QTest::keyClick(box, Qt::Key_Return);
}

bool save(QWidget& widget, const QString& file)
{
    const bool saved = widget.grab().save(file);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvex-screenshots FOLDER\n");
        return 2;
    }
    const QString target = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(target);
    QTemporaryDir classFolder;
    QDir::setCurrent(classFolder.path());
    QFile roster(QStringLiteral("studnames.txt"));
    if (!roster.open(QIODevice::WriteOnly))
        return 1;
    roster.write("Guest\r\nAnn\r\nBen\r\nChloe\r\n");
    roster.close();
    writeAnnsDays();

    // The pictures show the program as first started, whatever this computer remembers.
    setRememberingChoices(false);
    const std::unique_ptr<Tflashcardfrm> window(createWindows());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return 1;
    auto* names = window->findChild<QComboBox*>(QStringLiteral("namecb"));
    names->setCurrentIndex(names->findText(QStringLiteral("Ann")));
    for (const bool right : { true, true, false, true, true })
        answer(*window, right);
    QMetaObject::invokeMethod(window.get(), "QuestionbtClick");
    window->findChild<QTabWidget*>(QStringLiteral("TabbedNotebook1"))->setCurrentIndex(1);
    QTest::qWait(200);
    bool ok = save(*window, target + QStringLiteral("/main-window.png"));

    quorvex::Result<quorvex::FluencyReport> report = quorvex::readFluencyReport("Ann");
    if (!report.ok())
        return 1;
    TFluencyReportfrm reportWindow(window.get());
    reportWindow.setReport(std::move(report).value(), QStringLiteral("Ann"));
    reportWindow.resize(fluencyPageSize.width(), fluencyPageSize.height() + 24);
    reportWindow.show();
    if (!QTest::qWaitForWindowExposed(&reportWindow))
        return 1;
    ok = save(reportWindow, target + QStringLiteral("/fluency-report.png")) && ok;
    reportWindow.hide();

    // A speed round of Ann's with two operations, in every language.
    quorvex::CertificateInputs in;
    in.questionTypeIndex = 1;
    in.roundRightCount = 17;
    in.roundSeconds = 60;
    in.mixAndMatch = true;
    in.ticked = { true, false, true, false };
    in.studentName = "Ann";
    for (const QString& language : QStringList { QString() } + translatedLanguages()) {
        useLanguage(language);
        TCertificatefrm certificate;
        certificate.setComposedWords(certificateWords(in));
        certificate.show();
        if (!QTest::qWaitForWindowExposed(&certificate))
            return 1;
        const QString name = language.isEmpty() ? QStringLiteral("en") : language;
        ok = save(certificate, target + QStringLiteral("/certificate-%1.png").arg(name)) && ok;
    }
    return ok ? 0 : 1;
}
