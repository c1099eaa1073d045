#include "guitest.h"

#include "gui/controls/imagecontrol.h"
#include "gui/mainwindow/flashcardfrm.h"
#include "gui/platform/settings.h"
#include "gui/platform/translations.h"
#include "gui/windows/programwindows.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// The program's language as start-up chooses it in the tests' C locale: English, with its plural
// forms ("1 dot", "3 dots").
void startInEnglish()
{
    useLanguage(QString());
    // What the program remembers between runs (the zoom) is kept apart from the user's and
    // from other test programs running at the same time: each starts as a program never run
    // before, in a folder of its own.
    static const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    // The computer's own settings (an administrator's class folder, say) are not the tests'.
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settings.path() + QStringLiteral("/system"));
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, settings.path() + QStringLiteral("/system"));
    setRememberingChoices(false);
}
Q_COREAPP_STARTUP_FUNCTION(startInEnglish)

} // namespace

TestFolder::TestFolder()
    : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
    auto dialogs = std::make_unique<RecordingDialogs>();
    m_dialogs = dialogs.get();
    m_replaced = setUserDialogs(std::move(dialogs));
}

TestFolder::~TestFolder()
{
    setUserDialogs(std::move(m_replaced));
    QDir::setCurrent(m_previous);
}

void TestFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(m_dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestFolder::read(const QString& name) const
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool TestFolder::exists(const QString& name) const
{
    return QFileInfo(m_dir.filePath(name)).isFile();
}

QWidget* standInParent()
{
    // Kept to the end of the program: a test may still hold a stand-in when it finishes.
    static QWidget* const parent = new QWidget;
    return parent;
}

std::unique_ptr<Tflashcardfrm> startProgram()
{
    std::unique_ptr<Tflashcardfrm> window(createWindows());
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the main window did not become active");
    return window;
}

RememberingChoices::RememberingChoices()
{
    programSettings().clear();
    setRememberingChoices(true);
}

RememberingChoices::~RememberingChoices()
{
    setRememberingChoices(false);
    programSettings().clear();
}

QStringList items(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

void choose(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

void invoke(QObject* window, const char* slot, int times)
{
    for (int i = 0; i < times; ++i)
        QVERIFY(QMetaObject::invokeMethod(window, slot));
}

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

QColor pixelAt(QObject* window, const char* image, int x, int y)
{
    auto* control = window->findChild<ImageControl*>(QString::fromLatin1(image));
    return control ? control->picture().pixelColor(x, y) : QColor();
}

bool askUntil(Tflashcardfrm& window, const QString& line)
{
    MainWindowTestAccess::seed(window, 20261208);
    auto* qlb = window.findChild<QLabel*>(QStringLiteral("qlb"));
    for (int i = 0; i < 5000; ++i) {
        QMetaObject::invokeMethod(&window, "QuestionbtClick");
        if (qlb->text() == line)
            return true;
    }
    return false;
}

int rightAnswer(const QString& questionLine)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+) (.) (\\d+) = \\?$"));
    const auto match = pattern.match(questionLine);
    if (!match.hasMatch())
        return -1;
    const int a = match.captured(1).toInt();
    const int b = match.captured(3).toInt();
    const QChar op = match.captured(2).front();
    if (op == QLatin1Char('+'))
        return a + b;
    if (op == QLatin1Char('-'))
        return a - b;
    if (op == QLatin1Char('x'))
        return a * b;
    return a / b;
}

QList<QImage> renderPdf(const QString& pdf, int dpi)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty()) {
        qWarning("pdftoppm (poppler-utils) is not installed");
        return {};
    }
    const QString prefix = pdf + QStringLiteral("-page");
    QProcess render;
    render.start(pdftoppm, { QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), pdf, prefix });
    if (!render.waitForFinished(120000) || render.exitCode() != 0)
        return {};
    QList<QImage> pages;
    const QFileInfo info(prefix);
    for (const QString& file :
        QDir(info.path()).entryList({ info.fileName() + QStringLiteral("-*.png") }, QDir::Files, QDir::Name))
        pages << QImage(info.path() + QLatin1Char('/') + file).convertToFormat(QImage::Format_RGB32);
    return pages;
}
