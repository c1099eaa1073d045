#include "gui/platform/pdffile.h"

#include "gui/platform/printsupport.h"
#include "gui/windows/userdialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
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

void proposePdfFile(const Printer& printer, const QString& document, const QString& pupil)
{
    if (printer.printersInstalled())
        return;
    const QString previous = printer.outputFileName();
    const QDir lastFolder = QFileInfo(previous).absoluteDir();
    const QString folder = !previous.isEmpty() && lastFolder.exists() ? lastFolder.path() : pdfFolder();
    printer.setOutputFileName(QDir(folder).filePath(pdfFileName(document, pupil, QDate::currentDate())));
}

void tellWherePdfWent(QWidget* parent, const Printer& printer, const QString& document)
{
    if (!printer.writesPdf() || printer.outputFileName().isEmpty())
        return;
    userDialogs().showNotice(parent,
        //: %1 is the document, as "The certificate"; %2 the PDF file.
        QCoreApplication::translate("PdfFile", "%1 was saved as \"%2\".")
            .arg(document, QDir::toNativeSeparators(printer.outputFileName())));
}

void printLandscape(QWidget* parent, const QString& document, const QString& owner, const QString& spokenDocument,
    const std::function<bool(QPainter&, QPagedPaintDevice&)>& draw)
{
    const std::unique_ptr<Printer> made = Printer::create(parent);
    if (!made)
        return;
    const Printer& printer = *made;
    printer.setDocName(owner.isEmpty() ? document : document + QStringLiteral(" - ") + owner);
    proposePdfFile(printer, document, owner);
    printer.pages().setPageOrientation(QPageLayout::Landscape);
    if (!userDialogs().runPrintDialog(parent, printer.printer()))
        return;

    const QString destination = printer.destination();
    QPainter painter;
    if (!painter.begin(&printer.pages())) {
        userDialogs().reportError(
            parent, QCoreApplication::translate("PdfFile", "Printing to \"%1\" could not begin.").arg(destination));
        return;
    }
    const bool drawn = draw(painter, printer.pages());
    if (!painter.end() || !drawn || printer.failed())
        userDialogs().reportError(
            parent, QCoreApplication::translate("PdfFile", "Printing to \"%1\" did not complete.").arg(destination));
    else
        tellWherePdfWent(parent, printer, spokenDocument);
}
