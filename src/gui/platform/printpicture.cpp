#include "gui/platform/printpicture.h"

#include "gui/controls/imagecontrol.h"
#include "gui/platform/printsupport.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace {

// The picture's place on the page in device pixels, for a printable width and a picture size.
QRect printedPictureRect(int printableWidth, int controlWidth, QSize pictureSize)
{
    const double scale = static_cast<double>(printableWidth - 300) / controlWidth;
    return QRect(150, 300, static_cast<int>(std::trunc(pictureSize.width() * scale)),
        static_cast<int>(std::trunc(pictureSize.height() * scale)));
}

} // namespace

std::optional<QString> printPicture(const ImageControl& image, const Printer& printer, const QString& printedBy)
{
    if (image.width() <= 0 || image.picture().isNull())
        return QCoreApplication::translate("PdfFile", "There is no picture to print.");
    QPagedPaintDevice& pages = printer.pages();
    const QRect target = printedPictureRect(pages.width(), image.width(), image.picture().size());
    // A page narrower than its own margins would print the picture mirrored or not at all.
    if (target.width() <= 0 || target.height() <= 0)
        return QCoreApplication::translate("PdfFile", "The page of \"%1\" is too narrow to print on.")
            .arg(printer.destination());

    QPainter painter;
    if (!painter.begin(&pages))
        return QCoreApplication::translate("PdfFile", "Printing to \"%1\" could not begin.").arg(printer.destination());
    if (!printedBy.isEmpty())
        painter.drawText(0, 150 + painter.fontMetrics().ascent(),
            QCoreApplication::translate("PdfFile", "Printed by: %1").arg(printedBy));
    painter.drawImage(target, image.picture());
    if (!painter.end() || printer.failed())
        return QCoreApplication::translate("PdfFile", "Printing to \"%1\" did not complete.")
            .arg(printer.destination());
    return std::nullopt;
}

std::optional<QString> printPicture(const ImageControl& image, QPrinter& printer, const QString& printedBy)
{
    QString why;
    const std::unique_ptr<Printer> lent = Printer::lend(printer, &why);
    if (!lent)
        return why;
    return printPicture(image, *lent, printedBy);
}
