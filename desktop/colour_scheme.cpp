#include "desktop/colour_scheme.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace quintel {

namespace {

// The palette Qt had from the platform at the start, before the program changed any.
const QPalette& desktopPalette() {
    static const QPalette palette = QApplication::palette();
    return palette;
}

} // namespace

bool isDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

QPalette darkPalette() {
    const QColor window(45, 45, 48);
    const QColor base(30, 30, 32);
    const QColor text(230, 230, 230);
    const QColor disabled(130, 130, 130);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabled);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(58, 58, 62));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(255, 90, 90));
    palette.setColor(QPalette::Light, QColor(75, 75, 80));
    palette.setColor(QPalette::Midlight, QColor(62, 62, 66));
    palette.setColor(QPalette::Mid, QColor(40, 40, 42));
    palette.setColor(QPalette::Dark, QColor(25, 25, 27));
    palette.setColor(QPalette::Shadow, QColor(10, 10, 10));
    palette.setColor(QPalette::Highlight, QColor(61, 126, 208));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(110, 170, 255));
    palette.setColor(QPalette::LinkVisited, QColor(170, 140, 255));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    palette.setColor(QPalette::Disabled, QPalette::Button, window);
    return palette;
}

void applyColours(ColourChoice choice, bool desktopDark) {
    const QPalette& desktop = desktopPalette();
    const bool dark =
        choice == ColourChoice::Dark || (choice == ColourChoice::Desktop && desktopDark);
    if (isDark(desktop) == dark) {
        QApplication::setPalette(desktop);
        return;
    }
    // The desktop's style may draw with colours of its own; Fusion draws with the palette.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
}

QChart::ChartTheme chartTheme() {
    return isDark(QApplication::palette()) ? QChart::ChartThemeDark : QChart::ChartThemeLight;
}

QColor logHighlight(const QPalette& palette) {
    return isDark(palette) ? QColor(0x6b, 0x55, 0x00) : QColor(0xff, 0xf0, 0xaa);
}

} // namespace quintel
