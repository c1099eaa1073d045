#pragma once

#include <QString>
#include <optional>

class ImageControl;
class Printer;
class QPrinter;

// Prints an image control's picture on one page, in the printer's device pixels: scaled to the
// printable width less 150 pixels on each side, its top 300 pixels below the top of the
// printable area, keeping its aspect ratio (the printable height is not consulted, so a short
// page cuts the picture off at the bottom). When printedBy is not empty, "Printed by: " and
// that name stand above the picture at (0, 150) in the printer's default font.
//
// Returns why nothing was printed: for instance a file name that cannot be written, such as a
// folder given in the print dialog.
[[nodiscard]] std::optional<QString> printPicture(
    const ImageControl& image, const Printer& printer, const QString& printedBy);
// The same on a printer made elsewhere (tests).
[[nodiscard]] std::optional<QString> printPicture(
    const ImageControl& image, QPrinter& printer, const QString& printedBy);
