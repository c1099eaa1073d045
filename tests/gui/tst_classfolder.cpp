// The class folder: started from the desktop menu ("--class-folder") the program keeps its
// files in a per-user folder it creates; started plainly it works in its current folder.

#include "gui/platform/classfolder.h"
#include "guitest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// A home of its own, so that the documents folder is known: no user-dirs.dirs, so it is
// HOME/Documents.
class ScratchHome {
public:
    ScratchHome()
        : m_home(qEnvironmentVariable("HOME"))
        , m_config(qEnvironmentVariable("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", m_dir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (m_dir.path() + QStringLiteral("/.config")).toLocal8Bit());
    }
    ~ScratchHome()
    {
        qputenv("HOME", m_home.toLocal8Bit());
        if (m_config.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_config.toLocal8Bit());
    }
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QString m_home;
    QString m_config;
};

// Starts the program as the desktop would, in a working folder, and waits for its roster.
bool startsAndWritesRoster(
    QProcess& program, const QString& workingFolder, const QStringList& arguments, const QString& rosterFolder)
{
    program.setWorkingDirectory(workingFolder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUORVEX_EXECUTABLE), arguments);
    if (!program.waitForStarted())
        return false;
    const QString roster = QDir(rosterFolder).filePath(QStringLiteral("studnames.txt"));
    for (int i = 0; i < 1200 && !QFile::exists(roster); ++i)
        QTest::qWait(50);
    const bool written = QFile::exists(roster);
    program.kill();
    program.waitForFinished();
    return written;
}

} // namespace

class TestClassFolder : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void folderFromArguments_data();
    void folderFromArguments();
    void folderSetForTheComputerOrTheUser_data();
    void folderSetForTheComputerOrTheUser();
    void defaultIsQuorvexInDocuments();
    void entersAndCreatesTheFolder();
    void aFileInTheWayIsReported();
    void desktopStartKeepsFilesInTheClassFolder();
    void plainStartWorksInTheCurrentFolder();
};

void TestClassFolder::folderFromArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("folder"); // "default" for the documents folder's Quorvex
    QTest::newRow("none") << QStringList { QStringLiteral("quorvex") } << QString();
    QTest::newRow("option") << QStringList { QStringLiteral("quorvex"), QStringLiteral("--class-folder") }
                            << QStringLiteral("default");
    QTest::newRow("with a folder") << QStringList { QStringLiteral("quorvex"),
        QStringLiteral("--class-folder=/srv/class/3b") }
                                   << QStringLiteral("/srv/class/3b");
    QTest::newRow("with an empty folder")
        << QStringList { QStringLiteral("quorvex"), QStringLiteral("--class-folder=") } << QStringLiteral("default");
    QTest::newRow("the program's own name is no option")
        << QStringList { QStringLiteral("--class-folder") } << QString();
    QTest::newRow("other words are ignored as before")
        << QStringList { QStringLiteral("quorvex"), QStringLiteral("--class") } << QString();
}

void TestClassFolder::folderFromArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, folder);
    const std::optional<QString> chosen = classFolderFromArguments(arguments);
    if (folder.isEmpty())
        QVERIFY(!chosen);
    else
        QCOMPARE(chosen, folder == QStringLiteral("default") ? defaultClassFolder() : folder);
}

void TestClassFolder::folderSetForTheComputerOrTheUser_data()
{
    QTest::addColumn<QByteArray>("computer"); // the administrator's settings file
    QTest::addColumn<QByteArray>("user"); // the user's
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("folder"); // "default" for the documents folder's Quorvex; "~" the home
    const QByteArray school = "[General]\nClassFolder=/srv/classes/3b\n";
    QTest::newRow("the computer's") << school << QByteArray() << QStringLiteral("--class-folder")
                                    << QStringLiteral("/srv/classes/3b");
    QTest::newRow("written without a section")
        << QByteArray("ClassFolder=/srv/classes/3b\n") << QByteArray() << QStringLiteral("--class-folder=")
        << QStringLiteral("/srv/classes/3b");
    QTest::newRow("the user's wins") << school << QByteArray("[General]\nClassFolder=/srv/classes/4a\n")
                                     << QStringLiteral("--class-folder") << QStringLiteral("/srv/classes/4a");
    QTest::newRow("the command line wins") << school << QByteArray("[General]\nClassFolder=/srv/classes/4a\n")
                                           << QStringLiteral("--class-folder=/mnt/3c") << QStringLiteral("/mnt/3c");
    QTest::newRow("from the home folder") << QByteArray("[General]\nClassFolder=~/Class 3b\n") << QByteArray()
                                          << QStringLiteral("--class-folder") << QStringLiteral("~/Class 3b");
    QTest::newRow("relative is from the home folder")
        << QByteArray("[General]\nClassFolder=school/../3b\n") << QByteArray() << QStringLiteral("--class-folder")
        << QStringLiteral("~/3b");
    QTest::newRow("blank is none") << QByteArray("[General]\nClassFolder=  \n") << QByteArray()
                                   << QStringLiteral("--class-folder") << QStringLiteral("default");
    QTest::newRow("garbage is none") << QByteArray("\xff\x00[[[\n=\n") << QByteArray()
                                     << QStringLiteral("--class-folder") << QStringLiteral("default");
}

// An administrator sets the class folder for every user of a computer; a user may set another;
// the command line wins over both.
void TestClassFolder::folderSetForTheComputerOrTheUser()
{
    QFETCH(QByteArray, computer);
    QFETCH(QByteArray, user);
    QFETCH(QString, argument);
    QFETCH(QString, folder);
    ScratchHome home;
    const auto write = [](QSettings::Scope scope, const QByteArray& text) {
        const QString file
            = QSettings(QSettings::NativeFormat, scope, QStringLiteral("Quorvex"), QStringLiteral("Quorvex"))
                  .fileName();
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text);
    };
    write(QSettings::SystemScope, computer);
    write(QSettings::UserScope, user);
    const std::optional<QString> chosen = classFolderFromArguments({ QStringLiteral("quorvex"), argument });
    write(QSettings::SystemScope, {});
    write(QSettings::UserScope, {});
    QString expected = folder == QStringLiteral("default") ? defaultClassFolder() : folder;
    expected.replace(QLatin1Char('~'), home.path());
    QCOMPARE(chosen, expected);
}

void TestClassFolder::defaultIsQuorvexInDocuments()
{
    ScratchHome home;
    QCOMPARE(defaultClassFolder(), home.path() + QStringLiteral("/Documents/Quorvex"));
}

void TestClassFolder::entersAndCreatesTheFolder()
{
    TestFolder folder;
    const QString classFolder = folder.path() + QStringLiteral("/school/class 3b");
    QCOMPARE(enterClassFolder(classFolder), std::nullopt);
    QCOMPARE(QDir::currentPath(), classFolder);
    // An existing folder is simply entered.
    QDir::setCurrent(folder.path());
    QCOMPARE(enterClassFolder(classFolder), std::nullopt);
    QCOMPARE(QDir::currentPath(), classFolder);
}

void TestClassFolder::aFileInTheWayIsReported()
{
    TestFolder folder;
    folder.write(QStringLiteral("Quorvex"), "not a folder");
    const QString classFolder = folder.path() + QStringLiteral("/Quorvex");
    QCOMPARE(enterClassFolder(classFolder),
        QStringLiteral("The class folder \"%1\" is a file, not a folder.").arg(classFolder));
    QCOMPARE(enterClassFolder(classFolder + QStringLiteral("/3b")),
        QStringLiteral("The class folder \"%1/3b\" could not be created.").arg(classFolder));
    QCOMPARE(QDir::currentPath(), folder.path());
}

void TestClassFolder::desktopStartKeepsFilesInTheClassFolder()
{
    ScratchHome home;
    QProcess program;
    const QString classFolder = home.path() + QStringLiteral("/Documents/Quorvex");
    QVERIFY(startsAndWritesRoster(program, home.path(), { QStringLiteral("--class-folder") }, classFolder));
    QVERIFY(!QFile::exists(home.path() + QStringLiteral("/studnames.txt")));
}

void TestClassFolder::plainStartWorksInTheCurrentFolder()
{
    ScratchHome home;
    QProcess program;
    QVERIFY(startsAndWritesRoster(program, home.path(), {}, home.path()));
    QVERIFY(!QFileInfo::exists(home.path() + QStringLiteral("/Documents/Quorvex")));
}

QTEST_MAIN(TestClassFolder)
#include "tst_classfolder.moc"
