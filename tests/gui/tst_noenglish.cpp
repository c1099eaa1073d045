// No English shows by mistake in German, French or Spanish. One fixed walk goes through every
// window, panel and menu (in each state of the teacher's access) and drives every message it can
// reach through the dialog recorder, once in English and once in the language. Every text a user
// sees or hears is noted with its place, and what the printouts say is read back from them. A
// text that reads as its English counterpart at the same place is reported, unless it is one of
// the few that are the same in every language; so is a run of English words left inside one.

#include "core/reports/fluency.h"
#include "gui/controls/imagecontrol.h"
#include "gui/platform/classfolder.h"
#include "gui/platform/printsupport.h"
#include "gui/platform/translations.h"
#include "gui/windows/certificatefrm.h"
#include "gui/windows/classoverviewfrm.h"
#include "gui/windows/fluencypage.h"
#include "gui/windows/folderwait.h"
#include "guitest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Names the Add a Student panel refuses, each for a reason of its own.
const QStringList refusedNames { QStringLiteral("a/b"), QStringLiteral("a?b"), QStringLiteral("a\tb"),
    QStringLiteral("."), QStringLiteral("CON"), QStringLiteral(".~Ann"), QStringLiteral("Ann2"), QStringLiteral("ann"),
    QStringLiteral("\u03a9"), QString(240, QLatin1Char('L')) };

// Names of pupils, passwords and files the walk types or writes: they stay as typed.
const QStringList typedByTheWalk
    = QString::fromLatin1("Ann Ann1 Bob Cy Dee Eve Tess Owl Cat f.pdf c.pdf o.pdf class.csv").split(QLatin1Char(' '))
    + refusedNames;

QString inFolder(const TestFolder& folder, const char* name)
{
    return QDir(folder.path()).filePath(QLatin1String(name));
}

// What a user does, by the control's name.
void click(QObject* in, const char* button)
{
    auto* found = in->findChild<QAbstractButton*>(QLatin1String(button));
    QVERIFY2(found, button);
    found->click();
}

void trigger(QObject* in, const char* action)
{
    control<QAction>(in, action)->trigger();
}

void type(QObject* in, const char* edit, const QString& text)
{
    control<QLineEdit>(in, edit)->setText(text);
}

// An object's place: the object names from its window down, an unnamed object by its kind and
// its rank among unnamed siblings of that kind.
QString placeOf(const QObject* object)
{
    QStringList names;
    for (const QObject* o = object; o; o = o->parent()) {
        QString name = o->objectName();
        if (name.isEmpty()) {
            int rank = 0;
            for (const QObject* sibling : o->parent() ? o->parent()->children() : QObjectList {}) {
                if (sibling == o)
                    break;
                rank += sibling->metaObject() == o->metaObject() && sibling->objectName().isEmpty() ? 1 : 0;
            }
            name = QStringLiteral("%1[%2]").arg(QLatin1String(o->metaObject()->className())).arg(rank);
        }
        names.prepend(name);
        if (o->isWidgetType() && static_cast<const QWidget*>(o)->isWindow())
            break;
    }
    return names.join(QLatin1Char('/'));
}

// Runs open, which brings up the modal window of that name, and body while it is up; closes it
// after. False when it never came up.
bool whileModal(const char* name, const std::function<void()>& open, const std::function<void(QWidget*)>& body)
{
    bool shown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (shown || !modal || modal->objectName() != QLatin1String(name))
            return;
        shown = true;
        poll.stop();
        body(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
            dialog->reject();
    });
    poll.start(5);
    open();
    return shown;
}

// One text a user sees or hears: the step of the walk, where it shows, and its words.
struct Shown {
    QString step;
    QString where;
    QString text;
};

// What a walk noted, in its order.
class Texts {
public:
    QList<Shown> shown;
    TestFolder* folder = nullptr;

    void add(const QString& step, const QString& where, QString text)
    {
        if (text.isEmpty())
            return;
        // The walk's own folder and today's date differ from walk to walk.
        text.replace(folder->path(), QStringLiteral("<folder>"));
        text.replace(QDir(folder->path()).dirName(), QStringLiteral("<class>"));
        text.replace(QDate::currentDate().toString(Qt::ISODate), QStringLiteral("<date>"));
        shown.append({ step, where, text });
    }

    // Every text of every window that shows, menus included.
    void look(const char* step)
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            // The certificate's lines are labels that never show themselves: their words are
            // painted onto the sheet.
            const bool painted = window->objectName() == QStringLiteral("Certificatefrm");
            widget(QLatin1String(step), window);
            for (QWidget* child : window->findChildren<QWidget*>()) {
                if (child->window() == window && (child->isVisible() || (painted && qobject_cast<QLabel*>(child))))
                    widget(QLatin1String(step), child);
            }
        }
    }

    // Everything the recorder caught since the scene began, in order.
    void messages(const char* scene)
    {
        const QString step = QLatin1String(scene);
        const RecordingDialogs& d = folder->dialogs();
        for (const auto& [kind, list] : { std::pair { "error", &d.errors }, std::pair { "question", &d.questions },
                 std::pair { "notice", &d.notices } }) {
            for (qsizetype k = 0; k < list->size(); ++k)
                add(step, QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(k + 1), list->at(k));
        }
        add(step, QStringLiteral("save dialog caption"), d.saveCaption);
        add(step, QStringLiteral("save dialog filter"), d.saveFilter);
        add(step, QStringLiteral("save dialog proposed file"), QFileInfo(d.proposedFileName).fileName());
    }

    // A print dialog that notes the file it proposes and prints to the file given.
    void printTo(const char* file)
    {
        folder->dialogs().printDialog = [this, file = inFolder(*folder, file)](QPrinter* printer) {
            add(QStringLiteral("print"), QStringLiteral("print dialog proposed file"),
                QFileInfo(printer->outputFileName()).fileName());
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(file);
            return true;
        };
    }

    // What a printout says, read back from it a line at a time.
    void printed(const char* file)
    {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), { inFolder(*folder, file), QStringLiteral("-") });
        if (!text.waitForFinished(60000) || text.exitCode() != 0)
            QFAIL(qPrintable(QStringLiteral("pdftotext (poppler-utils) could not read %1").arg(QLatin1String(file))));
        const QString said = QString::fromUtf8(text.readAllStandardOutput());
        add(QStringLiteral("print"), QStringLiteral("printed ") + QLatin1String(file),
            said.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char('\n')));
    }

private:
    void widget(const QString& step, QWidget* w)
    {
        const QString at = placeOf(w);
        const auto put
            = [&](const QString& what, const QString& text) { add(step, at + QLatin1Char(' ') + what, text); };
        if (w->isWindow())
            put(QStringLiteral("title"), w->windowTitle());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            put(QStringLiteral("text"), label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            put(QStringLiteral("text"), button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            put(QStringLiteral("title"), group->title());
        } else if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int k = 0; k < list->count(); ++k)
                put(QStringLiteral("item %1").arg(k), list->itemText(k));
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            put(QStringLiteral("placeholder"), edit->placeholderText());
            if (!qobject_cast<QComboBox*>(w->parentWidget())) // a list's edit shows its item
                put(QStringLiteral("text"), edit->text());
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int k = 0; k < tabs->count(); ++k)
                put(QStringLiteral("tab %1").arg(k), tabs->tabText(k));
        } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
            for (int c = 0; c < table->columnCount(); ++c) {
                put(QStringLiteral("heading %1").arg(c), table->horizontalHeaderItem(c)->text());
                for (int r = 0; r < table->rowCount(); ++r) {
                    put(QStringLiteral("cell %1,%2").arg(r).arg(c), table->item(r, c)->text());
                    put(QStringLiteral("cell %1,%2 spoken").arg(r).arg(c),
                        table->item(r, c)->data(Qt::AccessibleTextRole).toString());
                }
            }
        } else if (auto* picture = qobject_cast<ImageControl*>(w)) {
            for (int k = 0; k < picture->itemCount(); ++k)
                put(QStringLiteral("item %1").arg(k), picture->item(k));
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            menu(step, at, bar->actions(), false);
        }
        put(QStringLiteral("tooltip"), w->toolTip());
        put(QStringLiteral("accessible name"), w->accessibleName());
        put(QStringLiteral("accessible description"), w->accessibleDescription());
    }

    // A menu's titles and items, those hidden left out; tooltips where the menu shows them.
    void menu(const QString& step, const QString& at, const QList<QAction*>& actions, bool tips)
    {
        for (QAction* action : actions) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            const QString where = at + QLatin1Char('/') + action->objectName();
            add(step, where + QStringLiteral(" text"), action->text());
            if (tips && action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
                add(step, where + QStringLiteral(" tooltip"), action->toolTip());
            if (QMenu* sub = action->menu())
                menu(step, where, sub->actions(), sub->toolTipsVisible());
        }
    }
};

// A pupil's answer to the next question, right or wrong, after 1.2 s.
void answer(Tflashcardfrm* w, bool right)
{
    click(w, "Questionbt");
    invoke(w, "ctrTimer", 12);
    auto* anseb = control<QLineEdit>(w, "anseb");
    QTest::keyClicks(anseb, QString::number(rightAnswer(control<QLabel>(w, "qlb")->text()) + (right ? 0 : 1)));
    QTest::keyClick(anseb, Qt::Key_Return);
}

// A lock as another computer holds it; aged, as one left behind long ago.
void writeLock(TestFolder& folder, const char* name, bool aged = false)
{
    folder.write(QLatin1String(name), "computer pc-7\nprocess 4242\nstarted 1\ntime 2026-12-08 09:15:00\n");
    QFile file(inFolder(folder, name));
    if (aged)
        QVERIFY(file.open(QIODevice::ReadWrite)
            && file.setFileTime(QDateTime::currentDateTime().addSecs(-600), QFileDevice::FileModificationTime));
}

// A user facing a class folder that keeps a lock: looks at the waiting dialog once it says the
// folder does not answer, and stops waiting or waits on.
class UserAtTheWait {
public:
    UserAtTheWait(Texts& texts, const char* step, bool stop)
        : m_tenSeconds(std::exchange(folderwait::notAnsweringAfter(), std::chrono::milliseconds(300)))
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this, &texts, step, stop] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QProgressDialog*>(window);
                if (!dialog || !dialog->isVisible() || !dialog->labelText().contains(QStringLiteral("\n\n")))
                    continue;
                if (!std::exchange(m_looked, true))
                    texts.look(step);
                if (auto* button = dialog->findChild<QPushButton*>(); stop && button)
                    button->click();
            }
        });
        m_timer.start(20);
    }
    ~UserAtTheWait() { folderwait::notAnsweringAfter() = m_tenSeconds; }
    UserAtTheWait(const UserAtTheWait&) = delete;
    UserAtTheWait& operator=(const UserAtTheWait&) = delete;

private:
    std::chrono::milliseconds m_tenSeconds;
    QTimer m_timer;
    bool m_looked = false;
};

const QByteArray bobsDay = "Addition ,1 ,2 + 3 = 5 ,5 ,12\r\nDivision ,0 ,12 \xf7 3 = 4 ,5 ,31\r\n";

// The drill, the notebook, the reports and their printouts, the certificate, the about box, and
// the teacher's panels and menus in every access state, with the refusals and faults they meet.
void tour(Texts& texts)
{
    TestFolder folder;
    texts.folder = &folder;
    // Ann and Ann1 share Ann11.txt; Bob's day 2 is garbled, his day 3 too large to read, his day 4
    // longer than a day can be.
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\nAnn1\r\nBob\r\n");
    folder.write(QStringLiteral("Ann11.txt"), bobsDay);
    folder.write(QStringLiteral("Bob1.txt"), bobsDay);
    folder.write(QStringLiteral("Bob2.txt"), "Addition ,1 ,2 + 3 = 5 ,5 ,soon\r\n");
    folder.write(QStringLiteral("Bob3.txt"), {});
    QVERIFY(QFile::resize(inFolder(folder, "Bob3.txt"), 65 << 20));
    folder.write(QStringLiteral("Bob4.txt"), QByteArray(1000001, '\n'));
    auto window = startProgram();
    Tflashcardfrm* w = window.get();
    texts.look("start, no password");

    MainWindowTestAccess::seed(*w, 7);
    click(w, "Questionbt");
    QTest::mouseClick(control<ImageControl>(w, "ttim"), Qt::LeftButton, {}, QPoint(40, 40));
    texts.look("question open");
    answer(w, true);
    answer(w, false);
    invoke(w, "Showtimer1Click");
    click(w, "mixcb");
    control<QTabWidget>(w, "TabbedNotebook1")->setCurrentIndex(1);
    click(w, "showwrongrb");
    texts.look("answered, timer, mixed, results");
    click(w, "mixcb");

    const quorvex::Treslts first = MainWindowTestAccess::answerLog(*w).records().front();
    texts.printTo("f.pdf");
    QVERIFY(whileModal(
        "FluencyReportfrm", [&] { trigger(w, "FluencyReport1"); },
        [&](QWidget* report) {
            texts.look("fluency report");
            // The tooltip of the fact answered first, today.
            auto* view = control<QWidget>(report, "reportim");
            const std::optional<quorvex::Fact> fact = quorvex::factOf(first.operation, first.question);
            QVERIFY(fact);
            const QPoint at = fluencyPageTransform(QRectF(view->rect()))
                                  .map(fluencyCellRect(fact->op, fact->a, fact->b).center())
                                  .toPoint();
            QHelpEvent help(QEvent::ToolTip, at, view->mapToGlobal(at));
            QApplication::sendEvent(view, &help);
            texts.add(QStringLiteral("fluency report"), QStringLiteral("fact tooltip"), QToolTip::text());
            QToolTip::hideText();
            trigger(report, "Printreport1");
        }));
    texts.printed("f.pdf");

    QVERIFY(whileModal(
        "Certificatefrm", [&] { trigger(w, "Printcertificate1"); },
        [&](QWidget* certificate) {
            texts.look("certificate");
            QVERIFY(whileModal(
                "Whoami", [&] { trigger(certificate, "Printedby1"); },
                [&](QWidget* whoami) {
                    type(whoami, "Iam", QStringLiteral("Tess"));
                    texts.look("who am I");
                }));
            texts.printTo("c.pdf");
            trigger(certificate, "Print1");
            texts.printTo(""); // the folder, where no file can be written
            trigger(certificate, "Print1");
        }));
    texts.printed("c.pdf");
    QVERIFY(whileModal(
        "aboutboxp", [&] { trigger(w, "About1"); }, [&](QWidget*) { texts.look("about"); }));

    choose(control<QComboBox>(w, "qtcb"), 1);
    control<QScrollBar>(w, "srsb")->setValue(90);
    texts.look("speed round");
    click(w, "Questionbt");
    invoke(w, "srtrTimer", 900);
    texts.look("speed round ended");
    choose(control<QComboBox>(w, "qtcb"), 0);

    choose(control<QComboBox>(w, "namecb"), 3); // Bob
    click(w, "showhistorycb");
    texts.look("history");
    choose(control<QComboBox>(w, "hiscb"), 1);
    choose(control<QComboBox>(w, "hiscb"), 2);
    choose(control<QComboBox>(w, "hiscb"), 3);
    click(w, "showhistorycb");
    control<QTabWidget>(w, "TabbedNotebook1")->setCurrentIndex(0);

    // The teacher's panels, while no password is set.
    trigger(w, "AddaStudent1");
    texts.look("add a student");
    for (const QString& name : refusedNames + QStringList { QStringLiteral("Cy") }) {
        type(w, "nstudeb", name);
        click(w, "asbt");
        texts.look("add a student: a name typed");
    }
    click(w, "addonebt");

    trigger(w, "Filecleanup1");
    texts.look("file clean up");
    click(w, "delrb");
    control<QComboBox>(w, "delfirstcb")->setCurrentIndex(1);
    click(w, "cleanupbt");
    texts.look("file clean up: deleted");
    click(w, "Button2");

    trigger(w, "Deleteastudent1");
    texts.look("delete a student");
    control<QComboBox>(w, "deletecb")->setCurrentIndex(2); // Ann1, whose day is Ann's day 11 too
    click(w, "deletebt");
    click(w, "ddbt");

    QVERIFY(whileModal(
        "ClassOverviewfrm", [&] { trigger(w, "ClassOverview1"); },
        [&](QWidget* overview) {
            texts.look("class overview");
            folder.dialogs().saveFileName = inFolder(folder, "class.csv");
            trigger(overview, "Exportoverview1");
            folder.dialogs().saveFileName = inFolder(folder, "no such folder/class.csv");
            trigger(overview, "Exportoverview1");
            setPrintSupportPath(inFolder(folder, "no module.so"));
            trigger(overview, "Printoverview1");
            setPrintSupportPath(QString());
            texts.printTo("o.pdf");
            trigger(overview, "Printoverview1");
            QVERIFY(whileModal(
                "FluencyReportfrm", [&] { qobject_cast<TClassOverviewfrm*>(overview)->openReport("Guest"); },
                [&](QWidget*) { texts.look("class overview: a pupil's report"); }));
        }));
    texts.printed("o.pdf");
    const QList<QByteArray> headings
        = folder.read(QStringLiteral("class.csv")).split('\n').value(0).trimmed().split(',');
    for (qsizetype k = 0; k < headings.size(); ++k)
        texts.add(QStringLiteral("export"), QStringLiteral("CSV heading %1").arg(k), QString::fromUtf8(headings[k]));

    // The password: created, which locks the teacher's commands; a wrong one, the right one;
    // logged out again; and locked at the next start.
    trigger(w, "logintoaccess1");
    texts.look("create a password");
    type(w, "newpasseb", QStringLiteral("\u03a9"));
    click(w, "Button3");
    type(w, "newpasseb", QStringLiteral("Owl"));
    click(w, "Button3");
    texts.look("password created, logged out");
    trigger(w, "logintoaccess1");
    type(w, "passeb", QStringLiteral("Cat"));
    click(w, "Button5");
    texts.look("log in failed");
    type(w, "passeb", QStringLiteral("Owl"));
    click(w, "Button5");
    texts.look("logged in");
    trigger(w, "logintoaccess1");
    texts.look("log out");
    click(w, "Button4");
    texts.look("logged out again");
    window->close();
    window.reset();
    window = startProgram();
    texts.look("start, logged out");
    window->close();
    texts.messages("tour");
}

// A class folder whose files are not what they should be: each is reported at start, and the
// roster that could not be read refuses new names.
void hostileFiles(Texts& texts)
{
    {
        TestFolder folder;
        texts.folder = &folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("studnames.txt")));
        folder.write(QStringLiteral(".~Zed.cleanup"), QByteArray("\0\xff\n\n", 4));
        auto window = startProgram();
        trigger(window.get(), "AddaStudent1");
        type(window.get(), "nstudeb", QStringLiteral("Dee"));
        click(window.get(), "asbt");
        texts.look("roster unreadable");
        window->close();
        texts.messages("roster unreadable");
    }
    TestFolder folder;
    texts.folder = &folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nAnn\r\nBob\r\n");
    // Ann's lock was left behind long ago and is taken over at start; Bob's clean-up note is not
    // one the program wrote, nor is his day 1 a file.
    folder.write(QStringLiteral(".~Ann.cleanup"), QByteArray("\0\xff\n\n", 4));
    writeLock(folder, ".~Ann.days.lock", true);
    folder.write(QStringLiteral(".~Bob.cleanup"), QByteArray("\0\xff\n\n", 4));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Bob1.txt")));
    QVERIFY(::symlink("nowhere.txt", QFile::encodeName(inFolder(folder, "password.txt")).constData()) == 0);
    auto window = startProgram();
    choose(control<QComboBox>(window.get(), "namecb"), 2);
    click(window.get(), "showhistorycb");
    texts.look("hostile files");
    window->close();
    texts.messages("hostile files");
}

// Days and the roster locked by another computer: saves, changes and clean-ups that wait, the
// waiting dialog, and the answers kept.
void locks(Texts& texts)
{
    TestFolder folder;
    texts.folder = &folder;
    folder.write(QStringLiteral("studnames.txt"), "Guest\r\nCy\r\nDee\r\n");
    writeLock(folder, ".~Cy.days.lock");
    QVERIFY(::mkfifo(QFile::encodeName(inFolder(folder, ".~Dee.days.lock")).constData(), 0644) == 0);
    auto window = startProgram();
    Tflashcardfrm* w = window.get();
    auto* namecb = control<QComboBox>(w, "namecb");
    choose(namecb, 2);
    answer(w, true);
    choose(namecb, 0);
    QVERIFY(QFile::remove(inFolder(folder, ".~Dee.days.lock")));
    choose(namecb, 0);
    choose(namecb, 1);
    answer(w, true);
    choose(namecb, 0);
    folder.dialogs().answerYes = false;
    QVERIFY(!window->close());
    {
        UserAtTheWait user(texts, "saving, the folder does not answer", true);
        trigger(w, "SaveData1");
        trigger(w, "SaveData1");
    }
    QVERIFY(QFile::remove(inFolder(folder, ".~Cy.days.lock")));
    // The save the user stopped waiting for lands now. It is waited for even after a failed check
    // (QTRY_VERIFY would not wait then): the folder must outlive it.
    for (int k = 0; k < 500 && !folder.exists(QStringLiteral("Cy1.txt")); ++k)
        QTest::qWait(10);
    QTest::qWait(50); // the landing handed to the window
    QVERIFY(folder.exists(QStringLiteral("Cy1.txt")));

    writeLock(folder, ".~studnames.txt.lock");
    trigger(w, "AddaStudent1");
    type(w, "nstudeb", QStringLiteral("Eve"));
    {
        UserAtTheWait user(texts, "adding, the folder does not answer", false);
        click(w, "asbt");
    }
    trigger(w, "Deleteastudent1");
    {
        UserAtTheWait user(texts, "deleting, the folder does not answer", false);
        click(w, "deletebt");
        click(w, "ddbt");
    }
    click(w, "Button1");
    QVERIFY(QFile::remove(inFolder(folder, ".~studnames.txt.lock")));
    click(w, "addonebt");
    writeLock(folder, ".~Cy.days.lock");
    trigger(w, "Filecleanup1");
    {
        UserAtTheWait user(texts, "cleaning up, the folder does not answer", false);
        click(w, "cleanupbt");
    }
    QVERIFY(QFile::remove(inFolder(folder, ".~Cy.days.lock")));
    click(w, "Button2");
    folder.write(QStringLiteral("password.txt"), "Owl\r\n");
    trigger(w, "AddaStudent1");
    texts.look("password set elsewhere");
    window->close();
    texts.messages("locks");
}

// What is reported before or beside the main window: a class folder that cannot be entered, a
// certificate whose artwork is damaged.
void beside(Texts& texts)
{
    TestFolder folder;
    texts.folder = &folder;
    folder.write(QStringLiteral("a file"), "x");
    for (const char* path : { "a file", "a file/class" })
        texts.add(QStringLiteral("class folder"), QLatin1String(path),
            enterClassFolder(inFolder(folder, path)).value_or(QString()));
    TCertificatefrm certificate(nullptr, quorvex::BytesView("no picture"));
    QVERIFY(whileModal(
        "Certificatefrm", [&] { certificate.exec(); }, [](QWidget*) {}));
    texts.messages("damaged certificate artwork");
}

QList<Shown> walk(const QString& language)
{
    useLanguage(language);
    Texts texts;
    tour(texts);
    hostileFiles(texts);
    locks(texts);
    beside(texts);
    useLanguage(QString());
    return texts.shown;
}

// Texts that read the same in the language as in English, rightly.
bool sameInTheLanguage(const QString& text, const QString& language)
{
    // No word at all: numbers, signs and punctuation ("67%", "? x ? = ?"), with the times sign x
    // and the symbols of seconds, minutes and megabytes ("12.5 s", "1 min 30 s").
    static const QRegularExpression symbols(QStringLiteral("(?<!\\p{L})(x|s|min|MB)(?!\\p{L})"));
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    if (!QString(text).remove(symbols).contains(letter) || typedByTheWalk.contains(text))
        return true;
    // The product's name, the built-in pupil (filed as "Guest" in every language, so that the
    // roster reads the same on every computer) and the certificate's web address.
    if (QStringList { QStringLiteral("Quorvex"), QStringLiteral("Guest"), QStringLiteral("quorvex.test") }.contains(
            text))
        return true;
    // Words the language writes as English does, as its translator wrote them.
    static const QHash<QString, QStringList> sameWords {
        { QStringLiteral("de"),
            QString::fromLatin1("Addition|Division|plus|minus|Name|Trend|&Start|Version:%1").split(QLatin1Char('|')) },
        { QStringLiteral("fr"),
            QString::fromLatin1("Addition|Multiplication|Division|plus|Question|&Options|5 questions|Version:%1")
                .split(QLatin1Char('|')) },
    };
    for (const QString& words : sameWords.value(language)) {
        QStringList parts = words.split(QStringLiteral("%1"));
        for (QString& part : parts)
            part = QRegularExpression::escape(part);
        if (QRegularExpression(QRegularExpression::anchoredPattern(parts.join(QStringLiteral(".*"))))
                .match(text)
                .hasMatch())
            return true;
    }
    return false;
}

// The words of a library the program loads, which it has in English only: the JPEG library's
// on a damaged picture, the system loader's on a module that cannot be loaded. They stand in a
// sentence of the program's, which is compared without them.
QString withoutLibraryWords(QString text)
{
    static const QRegularExpression libraryWords(
        QStringLiteral("Not a JPEG file: starts with 0x[0-9a-f]+ 0x[0-9a-f]+|\\(<folder>/[^:()]*: cannot open shared "
                       "object file: No such file or directory\\)"));
    return text.remove(libraryWords);
}

// English left inside a translated line: the longest run of three words or more that it shares
// with the English line, two of them at least words that are not the same in the language.
QString englishInside(const QString& english, const QString& line, const QString& language)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    static const QRegularExpression notLetterOrDigit(QStringLiteral("[^\\p{L}\\p{N}]"));
    const QStringList a = english.split(blanks, Qt::SkipEmptyParts);
    const QStringList b = line.split(blanks, Qt::SkipEmptyParts);
    const auto counts = [&language](const QString& word) {
        return !word.contains(QLatin1Char('<')) && !sameInTheLanguage(QString(word).remove(notLetterOrDigit), language);
    };
    // Runs ending at each word of the line: their length and their words that count.
    QList<std::pair<int, int>> previous(b.size() + 1);
    std::pair<int, int> best;
    qsizetype end = 0;
    for (const QString& word : a) {
        QList<std::pair<int, int>> run(b.size() + 1);
        for (qsizetype j = 0; j < b.size(); ++j) {
            if (word != b[j])
                continue;
            run[j + 1] = { previous[j].first + 1, previous[j].second + (counts(word) ? 1 : 0) };
            if (run[j + 1].first >= 3 && run[j + 1].second >= 2 && run[j + 1].second > best.second) {
                best = run[j + 1];
                end = j + 1;
            }
        }
        previous = run;
    }
    return best.second > 0 ? b.mid(end - best.first, best.first).join(QLatin1Char(' ')) : QString();
}

// The texts in their order, each with its step and place as key; a place noted twice in a step
// counts its second noting apart.
QList<std::pair<QString, Shown>> keyed(const QList<Shown>& shown)
{
    QList<std::pair<QString, Shown>> texts;
    QSet<QString> keys;
    for (const Shown& s : shown) {
        QString key = s.step + QStringLiteral(" | ") + s.where;
        for (int k = 2; keys.contains(key); ++k)
            key = s.step + QStringLiteral(" | ") + s.where + QStringLiteral(" #%1").arg(k);
        keys.insert(key);
        texts.append({ key, s });
    }
    return texts;
}

QHash<QString, QString> textByKey(const QList<std::pair<QString, Shown>>& texts)
{
    QHash<QString, QString> byKey;
    for (const auto& [key, s] : texts)
        byKey.insert(key, s.text);
    return byKey;
}

} // namespace

class TestNoEnglish : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { useLanguage(QString()); }
    void nothingShowsInEnglish_data();
    void nothingShowsInEnglish();
};

void TestNoEnglish::nothingShowsInEnglish_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : { QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es") })
        QTest::newRow(qPrintable(language)) << language;
}

void TestNoEnglish::nothingShowsInEnglish()
{
    QFETCH(QString, language);
    QVERIFY(translatedLanguages().contains(language));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the printouts cannot be read back");
    static const QList<std::pair<QString, Shown>> english = keyed(walk(QString()));
    static const QHash<QString, QString> englishText = textByKey(english);
    const QList<std::pair<QString, Shown>> translated = keyed(walk(language));
    const QHash<QString, QString> translatedText = textByKey(translated);
    QVERIFY(english.size() > 1000);

    // Clocks run while the walk looks: their figures may differ from walk to walk.
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    const auto masked = [](QString text) { return text.replace(digits, QStringLiteral("#")); };
    QStringList diverged;
    QStringList found;
    QSet<QString> told;
    for (const auto& [key, s] : translated) {
        if (!englishText.contains(key)) {
            diverged << QStringLiteral("%1: shown only in %2: '%3'").arg(key, language, s.text);
            continue;
        }
        // Line by line: a message may join several, a printout is read back in lines in no
        // order that holds from one language to the next.
        const QStringList sourceLines = withoutLibraryWords(englishText[key]).split(QLatin1Char('\n'));
        for (const QString& line : withoutLibraryWords(s.text).split(QLatin1Char('\n'))) {
            QString inside;
            for (const QString& source : sourceLines) {
                if (masked(source) == masked(line)) {
                    inside = sameInTheLanguage(line, language) ? QString() : line;
                    break;
                }
                if (inside.isEmpty() && !englishInside(source, line, language).isEmpty())
                    inside = QStringLiteral("%1' in '%2").arg(englishInside(source, line, language), line);
            }
            // The same words in the same place are told once, at the step they first show.
            if (!inside.isEmpty() && !told.contains(s.where + QLatin1Char('\n') + inside)) {
                told << s.where + QLatin1Char('\n') + inside;
                found << QStringLiteral("%1: %2: %3: '%4'").arg(language, s.step, s.where, inside);
            }
        }
    }
    for (const auto& [key, s] : english) {
        if (!translatedText.contains(key))
            diverged << QStringLiteral("%1: shown only in English: '%2'").arg(key, s.text);
    }
    // One line each: the message of a failed check is cut short.
    for (const QString& line : diverged + found)
        qInfo().noquote() << line;
    QVERIFY2(diverged.isEmpty(), "the walk went otherwise in the language; the places are listed above");
    QVERIFY2(found.isEmpty(), "texts show in English; they are listed above");
}

QTEST_MAIN(TestNoEnglish)
#include "tst_noenglish.moc"
