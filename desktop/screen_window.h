#pragma once

#include "desktop/control_adapters.h"
#include "desktop/text_fit.h"
#include "forms/control.h"
#include "forms/screen.h"

#include <QColor>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QAction;

namespace quintel {

class ScaledArea;

// Twips to pixels, rounded to the nearest pixel.
constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// The window of one screen. It mirrors the screen's controls into widgets and forwards what the
// player does; the screen decides everything else, including whether the window is open. Each
// control's widget, and how it mirrors the control, comes from the adapter of its kind.
//
// A click runs the control's `click`, typing hands the new text to its `edited`: the screen's
// handlers own every change of state, the tick of a check box and the selected option button of a
// frame included. Whatever a widget changed on its own is put back by the next `sync`, so a check
// box whose screen ignores the click stays as it was. After each forwarded event the window emits
// `handled`, so that whoever manages the windows can mirror every screen again.
class ScreenWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Style {
        // Fill colour of picture boxes.
        QColor pictureFill{128, 128, 255};
        // Whether the window is a dialog beside the main window rather than a main window.
        bool dialog = false;
        // Name of the button array whose captions are die faces (the table's dice), drawn as dice;
        // empty for none.
        std::string dieButtons = {};
        // Name of the label (or label array) whose text is cut short with "…" when too long,
        // with the whole text as the hover hint, rather than shrunk: the players' names, the
        // folder of their files. Empty for none.
        std::string elidedLabel = {};
        // Whether the window's logs scroll together, line for line (the call and fix logs).
        bool logsInStep = false;
    };

    explicit ScreenWindow(Screen& screen, Style style, QWidget* parent = nullptr);
    explicit ScreenWindow(Screen& screen, QWidget* parent = nullptr)
        : ScreenWindow(screen, Style{}, parent) {}

    Screen& screen() const { return screen_; }

    // Copies the screen's state into the widgets: window caption, and each control's caption or
    // text, place, enabled, visible and value. Widgets are created the first time the screen is
    // loaded. A text box whose text did not change keeps its cursor.
    void sync();

    // The widget that shows a control; null while the screen has never been loaded, and for
    // controls that are not drawn (timers).
    QWidget* widgetFor(const Control& control) const;
    // The widget of the control with this name and array index (-1 for a single control).
    QWidget* widgetNamed(std::string_view name, int index = -1) const;

    // The menu bar entry with this caption ("Help", "Rule", "About", as the screens name them; it
    // shows in the player's language): connect to its `triggered` to give it an action.
    QAction* menuAction(const QString& caption) const;

    // The area that holds the controls, sized from the screen's client width and height at the
    // window's factor.
    QWidget* clientArea() const { return client_; }

    // The window draws its design at one factor, the largest at which the design area and the
    // rows below it fit into the window (never less than 1); places, sizes and fonts all follow
    // it, and a caption too big for its control at that factor is made to fit.
    double scaleFactor() const;
    // Sizes the window so that it draws its design at `factor`.
    void setScaleFactor(double factor);
    // The design area with every row below it at factor 1, in pixels.
    QSize designSize() const;
    // Adds `row` below the design area (and below the rows added before it), as wide as the
    // design area and `designHeight` pixels high at factor 1; it scales with the window, and its
    // font is the design font at the window's factor. The window takes the row as its child.
    void addRowBelowDesign(QWidget* row, int designHeight);
    // The font of the controls at the window's factor, before any caption is made to fit.
    QFont designFont() const;

signals:
    // A click, an edit or the window's close box has been passed on to the screen.
    void handled();
    // The window's factor changed, and every control and row has been placed and sized for it.
    void rescaled(double factor);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A window opens, each time it is shown, with the focus on its first tab stop, a text there
    // selected; when that is a log, on the window itself: the logs take typing, and the player's
    // first key should reach a button.
    void showEvent(QShowEvent* event) override;
    // A key that reaches the window itself (its own focus, or a text box that left the key alone,
    // such as Return) goes to the screen, which clicks the control it belongs to if that control
    // can be clicked.
    void keyPressEvent(QKeyEvent* event) override;
    // The game's keys reach the screen whatever widget has the focus, before that widget sees
    // them. The one exception is a text box with the focus, the name box or a log the player
    // clicked into: plain keys are typing there, and Alt and a key reaches the screen.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        Control* control;
        QWidget* widget; // null for controls that are not drawn
        std::function<void(const Control&)> mirror;
        bool takesFirstFocus;
        bool takesTyping;
        TextFit fit;
    };

    void build(const std::vector<Control*>& controls);
    void mirror(const Entry& entry);
    // Place, size, font and fitted caption at the window's factor.
    void scale(const Entry& entry);
    void rescale();
    bool takesTyping(const QObject* widget) const;
    void applyTabOrder();
    void linkLogScrolling();
    void forwardClick(const Control& control);
    void forwardEdit(const Control& control, std::string text);
    bool forwardKey(const QKeyEvent& event);

    Screen& screen_;
    Style style_;
    ControlAdapters adapters_;
    QWidget* client_;
    ScaledArea* area_;
    std::vector<QPointer<QWidget>> rows_;
    std::vector<QAction*> menu_;
    std::vector<Entry> entries_;
    // What the widgets were built from: the controls with their kinds and containers.
    std::vector<std::tuple<const Control*, ControlKind, const Control*>> builtFrom_;
    // Set while the widgets are being written, so that their change signals are not taken for
    // the player's typing.
    bool syncing_ = false;
};

} // namespace quintel
