#pragma once

#include <QPixmap>
#include <QString>

// The style's standard icons read their pictures when first painted or measured, not when
// asked for. Every menu bar asks for the icon of its overflow button when it is made, and
// reading that picture loads all the image format plugins; the button shows only on a screen
// too narrow for the menus. The style's group box frame, drawn from a picture on every screen,
// is read at once with the built-in reader of its format (primeStylePicture), so that no image
// format plugin is loaded for it either. Call once before the first window is made; the style
// otherwise stays the application's own.
void deferStandardIcons();

// Reads a picture the style itself loads by file name (QPixmap(file)) with the built-in reader
// of the format its name ends in, without probing the image format plugins, and puts it in the
// pixmap cache where QPixmap(file) looks first. Returns the picture, or a null pixmap when the
// file cannot be read that way (the style then reads it as it always did).
QPixmap primeStylePicture(const QString& file);
