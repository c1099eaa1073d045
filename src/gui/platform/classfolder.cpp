#include "gui/platform/classfolder.h"

#include "gui/platform/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString option = QStringLiteral("--class-folder");

} // namespace

std::optional<QString> classFolderFromArguments(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == option)
            return classFolderSetting().value_or(defaultClassFolder());
        if (argument.startsWith(option + QLatin1Char('='))) {
            const QString folder = argument.mid(option.size() + 1);
            return folder.isEmpty() ? classFolderSetting().value_or(defaultClassFolder()) : folder;
        }
    }
    return std::nullopt;
}

std::optional<QString> classFolderSetting()
{
    // The user's settings first, then the computer's: QSettings looks there in that order.
    QString folder = programSettings().value(QStringLiteral("ClassFolder")).toString().trimmed();
    if (folder.isEmpty())
        return std::nullopt;
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        folder = QDir::homePath() + folder.mid(1);
    return QDir::cleanPath(QDir::home().absoluteFilePath(folder));
}

QString defaultClassFolder()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath(QStringLiteral("Quorvex"));
}

std::optional<QString> enterClassFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return QCoreApplication::translate("ClassFolder", "The class folder \"%1\" is a file, not a folder.")
            .arg(QDir::toNativeSeparators(folder));
    if (!QDir().mkpath(folder))
        return QCoreApplication::translate("ClassFolder", "The class folder \"%1\" could not be created.")
            .arg(QDir::toNativeSeparators(folder));
    if (!QDir::setCurrent(folder))
        return QCoreApplication::translate("ClassFolder", "The class folder \"%1\" could not be opened.")
            .arg(QDir::toNativeSeparators(folder));
    return std::nullopt;
}
