#include "gui/windows/userdialogs.h"

#include "core/classfolder/fileio.h"
#include "gui/platform/printsupport.h"
#include "gui/platform/textcodec.h"
#include "gui/wording/faultwords.h"
#include "gui/wording/phrases.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

class SystemDialogs final : public UserDialogs {
public:
    void reportError(QWidget* parent, const QString& message) override
    {
        QMessageBox::critical(parent, QStringLiteral("Quorvex"), message);
    }

    bool askYesNo(QWidget* parent, const QString& question) override
    {
        return QMessageBox::question(
                   parent, QStringLiteral("Quorvex"), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
    }

    bool runPrintDialog(QWidget* parent, QPrinter* printer) override
    {
        // A printer exists only where the print support was loaded.
        QString why;
        const PrintSupport* support = loadPrintSupport(&why);
        return support && support->runDialog(parent, printer);
    }

    void showNotice(QWidget* parent, const QString& message) override
    {
        QMessageBox::information(parent, QStringLiteral("Quorvex"), message);
    }

    QString askSaveFileName(
        QWidget* parent, const QString& caption, const QString& proposed, const QString& filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
    }

    QString askFolder(QWidget* parent, const QString& caption, const QString& proposed) override
    {
        return QFileDialog::getExistingDirectory(parent, caption, proposed);
    }
};

std::unique_ptr<UserDialogs>& current()
{
    static std::unique_ptr<UserDialogs> dialogs = std::make_unique<SystemDialogs>();
    return dialogs;
}

} // namespace

UserDialogs& userDialogs()
{
    return *current();
}

std::unique_ptr<UserDialogs> setUserDialogs(std::unique_ptr<UserDialogs> dialogs)
{
    if (!dialogs)
        dialogs = std::make_unique<SystemDialogs>();
    current().swap(dialogs);
    return dialogs;
}

QString fileErrorText(const quorvex::FileError& error)
{
    return QCoreApplication::translate("UserDialogs", "The file \"%1\" could not be used: %2.")
        .arg(toQt(error.file), fileErrorReason(error));
}

void reportFileError(QWidget* parent, const quorvex::FileError& error)
{
    userDialogs().reportError(parent, fileErrorText(error));
}

void reportLockNotices(QWidget* parent)
{
    QStringList lines;
    for (const quorvex::LockNotice& notice : quorvex::takeLockNotices())
        lines << lockNoticeText(notice);
    if (!lines.isEmpty())
        userDialogs().reportError(parent, lines.join(QLatin1Char('\n')));
}
