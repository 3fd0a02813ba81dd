// The window's look: one default font for every control and dialog, and the themed colour
// schemes, laid on the whole application so that dialogs opened later get them too.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "ui/controls.h"

namespace murvane {

inline QColor ToQColor(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The font every control uses unless told otherwise: a CJK face when one is installed, so the
// captions never fall back glyph by glyph.
QFont DefaultFont();
QFont StartButtonFont();

// Sets the application's style and default font; done once before the controls are made.
void UseDefaultLook();

// The style sheet of one colour scheme: control frames drawn in the scheme's frame colour.
QString ThemeStyleSheet(const ColourScheme& scheme);

// Applies the scheme with the given number to the application; false when there is none.
bool ApplyColourScheme(int number);

}  // namespace murvane
