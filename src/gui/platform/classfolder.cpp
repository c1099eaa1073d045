#include "gui/platform/classfolder.h"

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
            return defaultClassFolder();
        if (argument.startsWith(option + QLatin1Char('='))) {
            const QString folder = argument.mid(option.size() + 1);
            return folder.isEmpty() ? defaultClassFolder() : folder;
        }
    }
    return std::nullopt;
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
