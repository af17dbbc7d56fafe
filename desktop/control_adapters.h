#pragma once

#include "desktop/text_fit.h"
#include "forms/control.h"

#include <QColor>

#include <functional>
#include <map>
#include <memory>
#include <string>

class QWidget;

namespace quintel {

// What the player does with a control's widget, for the window to pass on to the screen: a click,
// or the whole new text of a text box with its lines ending in CR LF, as the screens keep them.
struct ControlInput {
    std::function<void()> click;
    std::function<void(std::string)> edit;
};

// A control's widget with the way it follows the control. The adapter that creates the widget
// writes its mirror beside it, so the two always agree on what the widget is.
struct ControlWidget {
    QWidget* widget = nullptr; // null for a control that is not drawn (a timer)
    // Copies what belongs to the kind (caption, text, tick, selection) into the widget; place,
    // enabled, visible and hover hint are the window's part.
    std::function<void(const Control&)> mirror = [](const Control&) {};
    // Whether a window may open with the focus here when this is its first tab stop: not in a
    // log, which would take the player's first key as typing.
    bool takesFirstFocus = true;
    // Whether plain keys are the player's typing while the widget has the focus (the text boxes);
    // elsewhere they are the game's keys.
    bool takesTyping = false;
    // How the caption keeps within the widget when the window's font is too big for it.
    TextFit fit = TextFit::None;
};

// How a window shows the controls of one kind.
class ControlAdapter {
public:
    virtual ~ControlAdapter() = default;
    // The widget of `control` inside `parent`, passing what the player does to `input`.
    virtual ControlWidget create(const Control& control, QWidget* parent,
                                 const ControlInput& input) const = 0;
};

// The adapters of one window, one per control kind.
class ControlAdapters {
public:
    // `pictureFill` is the colour of picture boxes; `dieButtons` names the button array whose
    // captions are die faces (the table's dice), drawn as dice; `elidedLabel` the label (or label
    // array) whose text is cut short rather than shrunk when too long. Empty for none.
    ControlAdapters(QColor pictureFill, std::string dieButtons, std::string elidedLabel = {});
    ~ControlAdapters();

    const ControlAdapter& of(ControlKind kind) const;
    ControlWidget create(const Control& control, QWidget* parent, const ControlInput& input) const {
        return of(control.kind).create(control, parent, input);
    }

private:
    std::map<ControlKind, std::unique_ptr<const ControlAdapter>> byKind_;
};

} // namespace quintel
