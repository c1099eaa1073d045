#pragma once

// The style's standard icons read their pictures when first painted or measured, not when
// asked for. Every menu bar asks for the icon of its overflow button when it is made, and
// reading that picture loads all the image format plugins; the button shows only on a screen
// too narrow for the menus. Call once before the first window is made; the style otherwise
// stays the application's own.
void deferStandardIcons();
