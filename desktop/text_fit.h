#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace quintel {

// How a control's caption keeps within its widget when the font at the window's factor is too
// big for it.
enum class TextFit {
    None,   // no caption drawn as text (dice, pictures), or a text box that scrolls
    Shrink, // a smaller font, down to what fits
    Elide,  // the same font with the end cut to "…", the whole text as the hover hint (names)
    Wrap,   // wrapped over the lines of its widget, in a smaller font when they are too few
};

// The rectangle a widget draws its caption in, as its style lays it out: the contents of a label,
// the label part of a button, check box or option button beside its indicator.
QRect captionRoom(const QWidget& widget);

// The largest pixel size, up to `font`'s own, at which `text` fits into `room` on one line; at
// least 1.
int fittingPixelSize(const QFont& font, const QString& text, QSize room);

// Gives the widget (a label, button, check box or option button) the caption `text` in `font`
// made to fit as `fit` says. Returns the caption now shown: `text`, or its elided form.
QString fitCaption(QWidget& widget, const QString& text, const QFont& font, TextFit fit);

} // namespace quintel
