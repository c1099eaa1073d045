#include "pdffile.h"

#include "userdialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

QString pdfFileName(const QString& document, const QString& pupil, QDate date)
{
    QStringList parts { document };
    if (!pupil.isEmpty())
        parts << pupil;
    parts << date.toString(Qt::ISODate);
    QString name = parts.join(QStringLiteral(" - "));
    for (QChar& c : name)
        if (c < QLatin1Char(' ') || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    return name + QStringLiteral(".pdf");
}

QString pdfFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void proposePdfFile(QPrinter& printer, const QString& document, const QString& pupil)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        return;
    const QString previous = printer.outputFileName();
    const QDir lastFolder = QFileInfo(previous).absoluteDir();
    const QString folder = !previous.isEmpty() && lastFolder.exists() ? lastFolder.path() : pdfFolder();
    printer.setOutputFileName(QDir(folder).filePath(pdfFileName(document, pupil, QDate::currentDate())));
}

void tellWherePdfWent(QWidget* parent, const QPrinter& printer, const QString& document)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return;
    userDialogs().showNotice(parent,
        QStringLiteral("%1 was saved as \"%2\".").arg(document, QDir::toNativeSeparators(printer.outputFileName())));
}
