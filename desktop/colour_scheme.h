#pragma once

#include <QChart>
#include <QPalette>
#include <QString>

namespace quintel {

// The colours the program is drawn in: the desktop's, or light or dark whatever the desktop says.
enum class ColourChoice { Desktop, Light, Dark };

// Whether a palette draws dark windows with light text.
bool isDark(const QPalette& palette);

// The program's dark palette, for a desktop that asks for dark colours without giving Qt a dark
// palette of its own.
QPalette darkPalette();

// Gives the application the colours of `choice`, `desktopDark` being what the desktop prefers: the
// desktop's palette as Qt got it when that is what is asked for, else the Fusion style with the
// program's light or dark palette.
void applyColours(ColourChoice choice, bool desktopDark);

// The theme of the charts under the application's palette: dark under a dark one.
QChart::ChartTheme chartTheme();

// The background of highlighted log lines on `palette`: a pale yellow on light colours, a deep
// amber under light text.
QColor logHighlight(const QPalette& palette);

} // namespace quintel
