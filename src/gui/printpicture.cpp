#include "printpicture.h"

#include "imagecontrol.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace {

// The picture's place on the page in device pixels, for a printable width and a picture size.
QRect printedPictureRect(int printableWidth, int controlWidth, QSize pictureSize)
{
    const double scale = static_cast<double>(printableWidth - 300) / controlWidth;
    return QRect(150, 300, static_cast<int>(std::trunc(pictureSize.width() * scale)),
        static_cast<int>(std::trunc(pictureSize.height() * scale)));
}

QString destination(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
}

} // namespace

std::optional<QString> printPicture(const ImageControl& image, QPrinter& printer, const QString& printedBy)
{
    if (image.width() <= 0 || image.picture().isNull())
        return QCoreApplication::translate("PdfFile", "There is no picture to print.");
    const QRect target = printedPictureRect(printer.width(), image.width(), image.picture().size());
    // A page narrower than its own margins would print the picture mirrored or not at all.
    if (target.width() <= 0 || target.height() <= 0)
        return QCoreApplication::translate("PdfFile", "The page of \"%1\" is too narrow to print on.")
            .arg(destination(printer));

    QPainter painter;
    if (!painter.begin(&printer))
        return QCoreApplication::translate("PdfFile", "Printing to \"%1\" could not begin.").arg(destination(printer));
    if (!printedBy.isEmpty())
        painter.drawText(0, 150 + painter.fontMetrics().ascent(),
            QCoreApplication::translate("PdfFile", "Printed by: %1").arg(printedBy));
    painter.drawImage(target, image.picture());
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return QCoreApplication::translate("PdfFile", "Printing to \"%1\" did not complete.").arg(destination(printer));
    return std::nullopt;
}
