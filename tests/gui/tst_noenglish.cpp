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
#include <QDir>
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
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Names the Add a Student panel refuses, each for a reason of its own.
const QStringList refusedNames { u"a/b"_s, u"a?b"_s, u"a\tb"_s, u"."_s, u"CON"_s, u".~Ann"_s, u"Ann2"_s, u"ann"_s,
    u"\u03a9"_s, QString(240, u'L') };

// Texts the same in every language: the names of pupils, passwords and files the walk types or
// writes; the product's name, the built-in pupil (filed as "Guest" in every language, so that the
// roster reads the same on every computer) and the certificate's web address.
const QStringList alwaysSame
    = u"Ann Ann1 Bob Cy Dee Eve Tess Owl Cat f.pdf c.pdf o.pdf class.csv Quorvex Guest quorvex.test"_s.split(u' ')
    + refusedNames;

QString inFolder(const TestFolder& folder, const QString& name)
{
    return QDir(folder.path()).filePath(name);
}

// An object's place: the object names from its window down, an unnamed object by its kind and
// its rank among unnamed siblings of that kind.
QString placeOf(const QObject* o)
{
    QString name = o->objectName();
    if (name.isEmpty()) {
        const QObjectList siblings = o->parent() ? o->parent()->children() : QObjectList {};
        const auto alike
            = [o](const QObject* s) { return s->metaObject() == o->metaObject() && s->objectName().isEmpty(); };
        const auto rank = std::count_if(siblings.begin(), std::find(siblings.begin(), siblings.end(), o), alike);
        name = u"%1[%2]"_s.arg(QLatin1String(o->metaObject()->className())).arg(rank);
    }
    const bool top = !o->parent() || (o->isWidgetType() && static_cast<const QWidget*>(o)->isWindow());
    return top ? name : placeOf(o->parent()) + u'/' + name;
}

// A lock as another computer holds it; aged, as one left behind long ago.
void writeLock(TestFolder& folder, const QString& name, bool aged = false)
{
    folder.write(name, "computer pc-7\nprocess 4242\nstarted 1\ntime 2026-12-08 09:15:00\n");
    QFile file(inFolder(folder, name));
    if (aged)
        QVERIFY(file.open(QIODevice::ReadWrite)
            && file.setFileTime(QDateTime::currentDateTime().addSecs(-600), QFileDevice::FileModificationTime));
}

// A text a user sees or hears, keyed by the step of the walk and where it shows; a place noted
// twice in a step counts its second noting apart.
struct Shown {
    QString key, step, where, text;
};

// The texts of a walk in their order, and by key.
struct Walk {
    QList<Shown> texts;
    QHash<QString, QString> byKey;
};

// A user who acts as scripts say and notes every text that shows or is said.
class Walker {
public:
    Walk noted;
    TestFolder* folder = nullptr;

    Walker()
        : m_tenSeconds(folderwait::notAnsweringAfter())
    {
        QObject::connect(&m_watch, &QTimer::timeout, &m_watch, [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QProgressDialog*>(window);
                if (!dialog || !dialog->isVisible() || !dialog->labelText().contains(u"\n\n"_s))
                    continue;
                if (!std::exchange(m_looked, true))
                    look(m_waitStep);
                if (auto* button = dialog->findChild<QPushButton*>(); m_stopWaiting && button)
                    button->click();
            }
        });
    }

    void add(const QString& step, const QString& where, QString text)
    {
        if (text.isEmpty())
            return;
        // The walk's own folder and today's date differ from walk to walk.
        text.replace(folder->path(), u"<folder>"_s);
        text.replace(QDir(folder->path()).dirName(), u"<class>"_s);
        text.replace(QDate::currentDate().toString(Qt::ISODate), u"<date>"_s);
        QString key = step + u" | "_s + where;
        for (int k = 2; noted.byKey.contains(key); ++k)
            key = step + u" | "_s + where + u" #%1"_s.arg(k);
        noted.byKey.insert(key, text);
        noted.texts.append({ key, step, where, text });
    }

    // A script's clauses, separated by semicolons, act in the main window unless a modal one is
    // up. The window is gone at the end of the script, and any wait over.
    void act(const QString& script)
    {
        static const QRegularExpression semicolon(u";\\s*"_s);
        run(nullptr, script.split(semicolon, Qt::SkipEmptyParts));
        wait(QString(), false);
        m_window.reset();
    }

    // Everything the recorder caught since the scene began, in order.
    void messages(const QString& step)
    {
        const RecordingDialogs& d = folder->dialogs();
        for (const auto& [kind, list] : { std::pair { "error", &d.errors }, std::pair { "question", &d.questions },
                 std::pair { "notice", &d.notices } }) {
            for (qsizetype k = 0; k < list->size(); ++k)
                add(step, u"%1 %2"_s.arg(QLatin1String(kind)).arg(k + 1), list->at(k));
        }
        add(step, u"save dialog caption"_s, d.saveCaption);
        add(step, u"save dialog filter"_s, d.saveFilter);
        add(step, u"save dialog proposed file"_s, QFileInfo(d.proposedFileName).fileName());
    }

private:
    std::unique_ptr<Tflashcardfrm> m_window;
    QTimer m_watch;
    QString m_waitStep;
    bool m_stopWaiting = false;
    bool m_looked = false;
    const std::chrono::milliseconds m_tenSeconds;

    QString file(const QString& name) const { return inFolder(*folder, name); }

    // The clauses, each a verb and what it acts on: a control's NAME, a FILE of the class folder.
    void run(QObject* in, QStringList clauses)
    {
        while (!clauses.isEmpty()) {
            const QString clause = clauses.takeFirst();
            const QString verb = clause.section(u' ', 0, 0);
            const QString rest = clause.section(u' ', 1);
            const QByteArray id = rest.section(u' ', 0, 0).toLatin1();
            const char* name = id.constData();
            const QString value = rest.section(u' ', 1);
            QObject* const at = in ? in : m_window.get();
            if (verb == u"modal") { // NAME CLAUSE; ...; end: the clause brings it up, the others act in it
                qsizetype end = 0;
                for (int depth = 1; end < clauses.size(); ++end) {
                    depth += clauses[end].startsWith(u"modal "_s) ? 1 : clauses[end] == u"end" ? -1 : 0;
                    if (depth == 0)
                        break;
                }
                const QStringList body = clauses.first(end);
                clauses.remove(0, qMin(end + 1, clauses.size()));
                const bool shown = whileModal(
                    name, [&] { run(at, { value }); }, [&](QWidget* m) { run(m, body); });
                QVERIFY2(shown, name);
            } else if (verb == u"start") {
                m_window.reset();
                m_window = startProgram();
            } else if (verb == u"close") { // refused: the program must stay open
                QVERIFY(!m_window->close() || rest != u"refused");
            } else if (verb == u"seed") { // for the questions
                MainWindowTestAccess::seed(*m_window, rest.toUInt());
            } else if (verb == u"look") { // every text that shows, noted at the step given
                look(rest);
            } else if (verb == u"click") {
                auto* button = at->findChild<QAbstractButton*>(QLatin1String(name));
                QVERIFY2(button, name);
                button->click();
            } else if (verb == u"press") {
                QTest::mouseClick(control<QWidget>(at, name), Qt::LeftButton, {}, QPoint(40, 40));
            } else if (verb == u"trigger") {
                control<QAction>(at, name)->trigger();
            } else if (verb == u"type") {
                control<QLineEdit>(at, name)->setText(value);
            } else if (verb == u"choose") { // a list's item, which runs its change handler
                choose(control<QComboBox>(at, name), value.toInt());
            } else if (verb == u"set") { // a list, tabs or slider moved from code, which runs none
                auto* target = control<QWidget>(at, name);
                target->setProperty(qobject_cast<QAbstractSlider*>(target) ? "value" : "currentIndex", value.toInt());
            } else if (verb == u"invoke") { // a slot, as a timer's tick or a hidden button runs it
                invoke(at, name, value.isEmpty() ? 1 : value.toInt());
            } else if (verb == u"answer") { // right or wrong, after 1.2 s
                run(at, { u"click Questionbt"_s, u"invoke ctrTimer 12"_s });
                const int right = rightAnswer(control<QLabel>(at, "qlb")->text());
                QTest::keyClicks(control<QLineEdit>(at, "anseb"), QString::number(right + (rest == u"right" ? 0 : 1)));
                QTest::keyClick(control<QLineEdit>(at, "anseb"), Qt::Key_Return);
            } else if (verb == u"tooltip") { // on a fluency report, that of the fact answered first
                const quorvex::Treslts first = MainWindowTestAccess::answerLog(*m_window).records().front();
                const std::optional<quorvex::Fact> fact = quorvex::factOf(first.operation, first.question);
                QVERIFY(fact);
                auto* view = control<QWidget>(at, "reportim");
                const QPoint point = fluencyPageTransform(QRectF(view->rect()))
                                         .map(fluencyCellRect(fact->op, fact->a, fact->b).center())
                                         .toPoint();
                QHelpEvent help(QEvent::ToolTip, point, view->mapToGlobal(point));
                QApplication::sendEvent(view, &help);
                add(rest, u"fact tooltip"_s, QToolTip::text());
                QToolTip::hideText();
            } else if (verb == u"report") { // a pupil's, from the class overview
                qobject_cast<TClassOverviewfrm*>(at)->openReport(name);
            } else if (verb == u"print") { // print dialogs print to FILE (none: the folder itself)
                folder->dialogs().printDialog = [this, file = file(rest)](QPrinter* printer) {
                    add(u"print"_s, u"print dialog proposed file"_s, QFileInfo(printer->outputFileName()).fileName());
                    printer->setOutputFormat(QPrinter::PdfFormat);
                    printer->setOutputFileName(file);
                    return true;
                };
            } else if (verb == u"printed") { // what FILE says, read back
                QProcess text;
                text.start(u"pdftotext"_s, { file(rest), u"-"_s });
                if (!text.waitForFinished(60000) || text.exitCode() != 0)
                    QFAIL(qPrintable(u"pdftotext (poppler-utils) could not read "_s + rest));
                const QString said = QString::fromUtf8(text.readAllStandardOutput());
                add(u"print"_s, u"printed "_s + rest, said.split(u'\n', Qt::SkipEmptyParts).join(u'\n'));
            } else if (verb == u"save") { // what the save dialog answers
                folder->dialogs().saveFileName = file(rest);
            } else if (verb == u"module") { // the print module looked for (none: the program's own)
                setPrintSupportPath(rest.isEmpty() ? QString() : file(rest));
            } else if (verb == u"headings") { // of a CSV file
                const QList<QByteArray> headings = folder->read(rest).split('\n').value(0).trimmed().split(',');
                for (qsizetype k = 0; k < headings.size(); ++k)
                    add(u"export"_s, u"CSV heading %1"_s.arg(k), QString::fromUtf8(headings[k]));
            } else if (verb == u"write") { // the FILE and its text, as another computer writes them
                folder->write(QLatin1String(name), value.toLatin1());
            } else if (verb == u"lock") {
                writeLock(*folder, rest);
            } else if (verb == u"unlock") {
                QVERIFY2(QFile::remove(file(rest)), name);
            } else if (verb == u"landed") {
                // A save the user stopped waiting for. It is waited for even after a failed check
                // (QTRY_VERIFY would not wait then): the folder must outlive it.
                for (int k = 0; k < 500 && !folder->exists(rest); ++k)
                    QTest::qWait(10);
                QTest::qWait(50); // the landing handed to the window
                QVERIFY2(folder->exists(rest), name);
            } else if (verb == u"wait" || verb == u"stop-waiting" || verb == u"waited") {
                wait(verb == u"waited" ? QString() : rest, verb == u"stop-waiting");
            } else {
                QFAIL(qPrintable(u"no such action: "_s + clause));
            }
        }
    }

    // From "wait STEP" or "stop-waiting STEP" to "waited", a user facing a class folder that keeps
    // a lock: looks at the waiting dialog once it says the folder does not answer, and waits on or
    // stops waiting.
    void wait(const QString& step, bool stop)
    {
        m_waitStep = step;
        m_stopWaiting = stop;
        m_looked = false;
        folderwait::notAnsweringAfter() = step.isEmpty() ? m_tenSeconds : std::chrono::milliseconds(300);
        if (step.isEmpty())
            m_watch.stop();
        else
            m_watch.start(20);
    }

    // Every text of every window that shows, menus included.
    void look(const QString& step)
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            // The certificate's lines are labels that never show themselves: their words are
            // painted onto the sheet.
            const bool painted = window->objectName() == u"Certificatefrm";
            widget(step, window);
            for (QWidget* child : window->findChildren<QWidget*>()) {
                if (child->window() == window && (child->isVisible() || (painted && qobject_cast<QLabel*>(child))))
                    widget(step, child);
            }
        }
    }

    void widget(const QString& step, QWidget* w)
    {
        const QString at = placeOf(w);
        const auto put = [&](const QString& what, const QString& text) { add(step, at + u' ' + what, text); };
        if (w->isWindow())
            put(u"window title"_s, w->windowTitle());
        // A list's edit shows the list's item, noted with the list.
        const bool listEdit = qobject_cast<QComboBox*>(w->parentWidget());
        for (const char* property :
            { "text", "title", "placeholderText", "toolTip", "accessibleName", "accessibleDescription" }) {
            if (!listEdit || qstrcmp(property, "text") != 0)
                put(QLatin1String(property), w->property(property).toString());
        }
        if (auto* list = qobject_cast<QComboBox*>(w)) {
            for (int k = 0; k < list->count(); ++k)
                put(u"item %1"_s.arg(k), list->itemText(k));
        } else if (auto* picture = qobject_cast<ImageControl*>(w)) {
            for (int k = 0; k < picture->itemCount(); ++k)
                put(u"item %1"_s.arg(k), picture->item(k));
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int k = 0; k < tabs->count(); ++k) {
                put(u"tab %1"_s.arg(k), tabs->tabText(k));
                put(u"tab %1 toolTip"_s.arg(k), tabs->tabToolTip(k));
            }
        } else if (auto* page = qobject_cast<QTextBrowser*>(w)) {
            put(u"text"_s, page->toPlainText());
        } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
            for (int c = 0; c < table->columnCount(); ++c) {
                put(u"heading %1"_s.arg(c), table->horizontalHeaderItem(c)->text());
                for (int r = 0; r < table->rowCount(); ++r) {
                    put(u"cell %1,%2"_s.arg(r).arg(c), table->item(r, c)->text());
                    put(u"cell %1,%2 spoken"_s.arg(r).arg(c),
                        table->item(r, c)->data(Qt::AccessibleTextRole).toString());
                }
            }
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            menu(step, at, bar->actions(), false);
        }
    }

    // A menu's titles and items, those hidden left out; tooltips where the menu shows them.
    void menu(const QString& step, const QString& at, const QList<QAction*>& actions, bool tips)
    {
        for (QAction* action : actions) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            const QString where = at + u'/' + action->objectName();
            add(step, where + u" text"_s, action->text());
            if (tips && action->toolTip() != QString(action->text()).remove(u'&'))
                add(step, where + u" tooltip"_s, action->toolTip());
            if (QMenu* sub = action->menu())
                menu(step, where, sub->actions(), sub->toolTipsVisible());
        }
    }
};

QString forEach(const QStringList& values, const QString& clauses)
{
    QString script;
    for (const QString& value : values)
        script += clauses.arg(value);
    return script;
}

// A clean-up note the program did not write.
const QByteArray notOurs("\0\xff\n\n", 4);

// The scenes of the walk, each in a class folder of its own that is set up first, with the
// messages it provokes.
struct Scene {
    const char* name;
    void (*setUp)(Walker&, TestFolder&);
    QString script;
};
const Scene scenes[] = {
    // The drill, the notebook, the reports and their printouts, the certificate, the about box,
    // and the teacher's panels and menus in every access state, with the refusals they meet. Ann
    // and Ann1 share Ann11.txt; Bob's day 2 is garbled, his day 3 too large to read, his day 4
    // longer than a day can be.
    { "tour",
        [](Walker&, TestFolder& folder) {
            const QByteArray day = "Addition ,1 ,2 + 3 = 5 ,5 ,12\r\nDivision ,0 ,12 \xf7 3 = 4 ,5 ,31\r\n";
            folder.write(u"studnames.txt"_s, "Guest\r\nAnn\r\nAnn1\r\nBob\r\n");
            folder.write(u"Ann11.txt"_s, day);
            folder.write(u"Bob1.txt"_s, day);
            folder.write(u"Bob2.txt"_s, "Addition ,1 ,2 + 3 = 5 ,5 ,soon\r\n");
            folder.write(u"Bob3.txt"_s, {});
            QVERIFY(QFile::resize(inFolder(folder, u"Bob3.txt"_s), 65 << 20));
            folder.write(u"Bob4.txt"_s, QByteArray(1000001, '\n'));
        },
        u"start; look start, no password; trigger QuorvexHelp1; look help; click helpclosebt; seed 7; click "
        u"Questionbt; press ttim; look question open; answer right;"
        "answer wrong; invoke Showtimer1Click; click mixcb; set TabbedNotebook1 1; click showwrongrb;"
        "look answered, timer, mixed, results; click mixcb; print f.pdf;"
        "modal FluencyReportfrm trigger FluencyReport1; look fluency report; tooltip fluency report;"
        "trigger Printreport1; end; printed f.pdf;"
        "modal Certificatefrm trigger Printcertificate1; look certificate;"
        "modal Whoami trigger Printedby1; type Iam Tess; look who am I; end;"
        "print c.pdf; trigger Print1; print; trigger Print1; end; printed c.pdf;"
        "modal aboutboxp trigger About1; look about; end;"
        "choose qtcb 1; set srsb 90; look speed round; click Questionbt; invoke srtrTimer 900; look speed round ended;"
        "choose qtcb 0; choose namecb 3; click showhistorycb; look history; choose hiscb 1; choose hiscb 2;"
        "choose hiscb 3; click showhistorycb; set TabbedNotebook1 0;"
        // The teacher's panels while no password is set; Ann1 deleted, whose day is Ann's day 11 too.
        "trigger AddaStudent1; look add a student;"_s
            + forEach(refusedNames + QStringList { u"Cy"_s },
                u"type nstudeb %1; click asbt; look add a student: a name typed;"_s)
            + u"click addonebt; trigger Filecleanup1; look file clean up; click delrb; set delfirstcb 1;"
              "click cleanupbt; look file clean up: deleted; click Button2; trigger Deleteastudent1;"
              "look delete a student; set deletecb 2; click deletebt; click ddbt;"
              "modal ClassOverviewfrm trigger ClassOverview1; look class overview; save class.csv;"
              "trigger Exportoverview1; save no such folder/class.csv; trigger Exportoverview1;"
              "module no module.so; trigger Printoverview1; module; print o.pdf; trigger Printoverview1;"
              "modal FluencyReportfrm report Guest; look class overview: a pupil's report; end; end;"
              "printed o.pdf; headings class.csv;"
              // The password: created, which locks the teacher's commands; a wrong one, the right
              // one; logged out again; and locked at the next start.
              "trigger logintoaccess1; look create a password; type newpasseb \u03a9; type repeatpasseb \u03a9;"
              "click Button3; look password refused; type newpasseb Owl; type repeatpasseb Owk; click Button3;"
              "look passwords differ; type newpasseb Owl; type repeatpasseb Owl; click Button3;"
              "look password created, logged out; trigger logintoaccess1;"
              "type passeb Cat; click Button5; look log in failed; type passeb Owl; click Button5; look logged in;"
              "trigger logintoaccess1; look log out; click Button4; look logged out again; close; start;"
              "look start, logged out; close"_s },
    // A roster that cannot be read, reported at start; it refuses new names.
    { "roster unreadable",
        [](Walker&, TestFolder& folder) {
            QVERIFY(QDir(folder.path()).mkdir(u"studnames.txt"_s));
            folder.write(u".~Zed.cleanup"_s, notOurs);
        },
        u"start; trigger AddaStudent1; type nstudeb Dee; click asbt; look roster unreadable; close"_s },
    // Files of pupils that are not what they should be, each reported at start: Ann's lock was
    // left behind long ago and is taken over; neither clean-up note is one the program wrote; Bob's
    // day 1 is not a file, nor is the password.
    { "hostile files",
        [](Walker&, TestFolder& folder) {
            folder.write(u"studnames.txt"_s, "Guest\r\nAnn\r\nBob\r\n");
            folder.write(u".~Ann.cleanup"_s, notOurs);
            writeLock(folder, u".~Ann.days.lock"_s, true);
            folder.write(u".~Bob.cleanup"_s, notOurs);
            QVERIFY(QDir(folder.path()).mkdir(u"Bob1.txt"_s));
            QVERIFY(::symlink("nowhere.txt", QFile::encodeName(inFolder(folder, u"password.txt"_s)).constData()) == 0);
        },
        u"start; choose namecb 2; click showhistorycb; look hostile files; close"_s },
    // Days and the roster locked by another computer: saves, changes and clean-ups that wait, the
    // waiting dialog, and the answers kept. Closing with answers unsaved asks, and the recorder
    // answers no.
    { "locks",
        [](Walker&, TestFolder& folder) {
            folder.write(u"studnames.txt"_s, "Guest\r\nCy\r\nDee\r\n");
            writeLock(folder, u".~Cy.days.lock"_s);
            QVERIFY(::mkfifo(QFile::encodeName(inFolder(folder, u".~Dee.days.lock"_s)).constData(), 0644) == 0);
        },
        u"start; choose namecb 2; answer right; choose namecb 0; unlock .~Dee.days.lock; choose namecb 0;"
        "choose namecb 1; answer right; choose namecb 0; close refused;"
        "stop-waiting saving, the folder does not answer; trigger SaveData1; trigger SaveData1; waited;"
        "unlock .~Cy.days.lock; landed Cy1.txt; lock .~studnames.txt.lock; trigger AddaStudent1; type nstudeb Eve;"
        "wait adding, the folder does not answer; click asbt; waited; trigger Deleteastudent1;"
        "wait deleting, the folder does not answer; click deletebt; click ddbt; waited; click Button1;"
        "unlock .~studnames.txt.lock; click addonebt; lock .~Cy.days.lock; trigger Filecleanup1;"
        "wait cleaning up, the folder does not answer; click cleanupbt; waited; unlock .~Cy.days.lock;"
        "click Button2; write password.txt Owl\r\n; trigger AddaStudent1; look password set elsewhere; close"_s },
    // What is reported before or beside the main window: a class folder that cannot be entered, a
    // certificate whose artwork is damaged.
    { "damaged certificate artwork",
        [](Walker& walker, TestFolder& folder) {
            folder.write(u"a file"_s, "x");
            for (const QString& path : { u"a file"_s, u"a file/class"_s })
                walker.add(u"class folder"_s, path, enterClassFolder(inFolder(folder, path)).value_or(QString()));
            TCertificatefrm certificate(nullptr, quorvex::BytesView("no picture"));
            QVERIFY(whileModal(
                "Certificatefrm", [&] { certificate.exec(); }, [](QWidget*) {}));
        },
        {} },
};

Walk walk(const QString& language)
{
    useLanguage(language);
    Walker walker;
    for (const Scene& scene : scenes) {
        TestFolder folder;
        walker.folder = &folder;
        scene.setUp(walker, folder);
        walker.act(scene.script);
        walker.messages(QLatin1String(scene.name));
    }
    useLanguage(QString());
    return std::move(walker.noted);
}

// Texts that read the same in the language as in English, rightly.
bool sameInTheLanguage(const QString& text, const QString& language)
{
    // No word at all: numbers, signs and punctuation ("67%", "? x ? = ?"), with the times sign x
    // and the symbols of seconds, minutes and megabytes ("12.5 s", "1 min 30 s").
    static const QRegularExpression symbols(u"(?<!\\p{L})(x|s|min|MB)(?!\\p{L})"_s);
    static const QRegularExpression letter(u"\\p{L}"_s);
    if (!QString(text).remove(symbols).contains(letter) || alwaysSame.contains(text))
        return true;
    // Words the language writes as English does, as its translator wrote them (.* an argument).
    static const QHash<QString, QRegularExpression> sameWords {
        { u"de"_s, QRegularExpression(u"\\A(Addition|Division|plus|minus|Name|Trend|&Start|Version:.*)\\z"_s) },
        { u"fr"_s,
            QRegularExpression(
                u"\\A(Addition|Multiplication|Division|plus|Question|&Options|5 questions|Version:.*)\\z"_s) },
    };
    const auto same = sameWords.find(language);
    return same != sameWords.end() && same->match(text).hasMatch();
}

// The words of a library the program loads, which it has in English only: the JPEG library's
// on a damaged picture, the system loader's on a module that cannot be loaded. They stand in a
// sentence of the program's, which is compared without them.
QString withoutLibraryWords(QString text)
{
    static const QRegularExpression libraryWords(
        u"Not a JPEG file: starts with 0x[0-9a-f]+ 0x[0-9a-f]+|\\(<folder>/[^:()]*: cannot open shared "
        "object file: No such file or directory\\)"_s);
    return text.remove(libraryWords);
}

// English left inside a translated line: the run of three words or more that it shares with the
// English line with the most words that are not the same in the language, at least two.
QString englishInside(const QString& english, const QString& line, const QString& language)
{
    static const QRegularExpression blanks(u"\\s+"_s);
    static const QRegularExpression notLetterOrDigit(u"[^\\p{L}\\p{N}]"_s);
    const QStringList a = english.split(blanks, Qt::SkipEmptyParts);
    const QStringList b = line.split(blanks, Qt::SkipEmptyParts);
    QList<int> counts;
    for (const QString& word : b)
        counts << (!word.contains(u'<') && !sameInTheLanguage(QString(word).remove(notLetterOrDigit), language));
    QStringList best;
    qsizetype most = 1;
    for (qsizetype i = 0; i < a.size(); ++i) {
        for (qsizetype j = 0; j < b.size(); ++j) {
            for (qsizetype n = 0, counted = 0; i + n < a.size() && j + n < b.size() && a[i + n] == b[j + n]; ++n) {
                counted += counts[j + n];
                if (n >= 2 && counted > most) {
                    best = b.mid(j, n + 1);
                    most = counted;
                }
            }
        }
    }
    return best.join(u' ');
}

} // namespace

class TestNoEnglish : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { useLanguage(QString()); }
    void nothingShowsInEnglish_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : { u"de"_s, u"fr"_s, u"es"_s })
            QTest::newRow(qPrintable(language)) << language;
    }
    void nothingShowsInEnglish();
};

void TestNoEnglish::nothingShowsInEnglish()
{
    QFETCH(QString, language);
    QVERIFY(translatedLanguages().contains(language));
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the printouts cannot be read back");
    static const Walk english = walk(QString());
    const Walk translated = walk(language);
    QVERIFY(english.texts.size() > 1000);

    // Clocks run while the walk looks: their figures may differ from walk to walk.
    static const QRegularExpression digits(u"\\d+"_s);
    const auto masked = [](QString text) { return text.replace(digits, u"#"_s); };
    QStringList diverged;
    QStringList found;
    QSet<QString> told;
    for (const Shown& s : english.texts) {
        if (!translated.byKey.contains(s.key))
            diverged << u"%1: shown only in English: '%2'"_s.arg(s.key, s.text);
    }
    for (const Shown& s : translated.texts) {
        if (!english.byKey.contains(s.key)) {
            diverged << u"%1: shown only in %2: '%3'"_s.arg(s.key, language, s.text);
            continue;
        }
        // Line by line: a message may join several, a printout is read back in lines in no
        // order that holds from one language to the next.
        const QStringList sourceLines = withoutLibraryWords(english.byKey.value(s.key)).split(u'\n');
        for (const QString& line : withoutLibraryWords(s.text).split(u'\n')) {
            QString inside;
            for (const QString& source : sourceLines) {
                if (masked(source) == masked(line)) {
                    inside = sameInTheLanguage(line, language) ? QString() : line;
                    break;
                }
                if (const QString run = inside.isEmpty() ? englishInside(source, line, language) : QString();
                    !run.isEmpty())
                    inside = u"%1' in '%2"_s.arg(run, line);
            }
            // The same words in the same place are told once, at the step they first show.
            if (!inside.isEmpty() && !told.contains(s.where + u'\n' + inside)) {
                told << s.where + u'\n' + inside;
                found << u"%1: %2: %3: '%4'"_s.arg(language, s.step, s.where, inside);
            }
        }
    }
    // One line each: the message of a failed check is cut short.
    for (const QString& line : diverged + found)
        qInfo().noquote() << line;
    QVERIFY2(diverged.isEmpty(), "the walk went otherwise in the language; the places are listed above");
    QVERIFY2(found.isEmpty(), "texts show in English; they are listed above");
}

QTEST_MAIN(TestNoEnglish)
#include "tst_noenglish.moc"
