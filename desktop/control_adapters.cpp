#include "desktop/control_adapters.h"

#include "desktop/call_log_widget.h"
#include "desktop/die_button_widget.h"
#include "desktop/die_face_widget.h"
#include "desktop/filled_box_widget.h"
#include "desktop/log_highlight.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cctype>
#include <stdexcept>

namespace quintel {

namespace {

// A widget with its mirror, which reaches the widget as the type it was created with.
template <typename Widget, typename Mirror> ControlWidget follow(Widget* widget, Mirror mirror) {
    return {widget, [widget, mirror](const Control& control) { mirror(control, *widget); }};
}

QString captionOf(const Control& control) {
    return QString::fromStdString(control.caption);
}

// A widget with its mirror whose caption is made to fit as `fit` says.
template <typename Widget, typename Mirror>
ControlWidget followFitted(Widget* widget, Mirror mirror, TextFit fit) {
    ControlWidget fitted = follow(widget, mirror);
    fitted.fit = fit;
    return fitted;
}

class LabelAdapter final : public ControlAdapter {
public:
    explicit LabelAdapter(std::string elidedLabel) : elidedLabel_(std::move(elidedLabel)) {}

    ControlWidget create(const Control& control, QWidget* parent,
                         const ControlInput&) const override {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A name or a path shrunk to fit would be unreadable long before it fitted.
        const bool elided = !elidedLabel_.empty() && control.name == elidedLabel_;
        return followFitted(
            label,
            [](const Control& mirrored, QLabel& widget) { widget.setText(captionOf(mirrored)); },
            elided ? TextFit::Elide : TextFit::Shrink);
    }

private:
    std::string elidedLabel_;
};

// The screens keep text box lines ending in CR LF, as the history file wants them; the widgets
// use a bare line feed.
QString toWidgetText(const std::string& caption) {
    QString text = QString::fromStdString(caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string toControlText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

// A text box at least this tall holds several lines (the logs); a shorter one is a one-line entry
// field such as the name box.
constexpr int kMultiLineHeight = 2 * 255;

class TextBoxAdapter final : public ControlAdapter {
public:
    ControlWidget create(const Control& control, QWidget* parent,
                         const ControlInput& input) const override {
        return control.place.height >= kMultiLineHeight ? createLog(parent, input)
                                                        : createField(parent, input);
    }

private:
    static ControlWidget createLog(QWidget* parent, const ControlInput& input) {
        auto* box = new CallLogWidget(parent);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QObject::connect(box, &CallLogWidget::edited, box,
                         [edit = input.edit](const QString& text) { edit(toControlText(text)); });
        const auto mirror = [](const Control& control, CallLogWidget& widget) {
            const QString text = toWidgetText(control.caption);
            if (widget.logText() != text) {
                widget.setLogText(text);
            }
            highlightLastLines(widget, control.highlightedLines);
        };
        // The game's keys are letters: a log takes the focus only when the player clicks into
        // it, never from Tab or from a button that goes away.
        box->setFocusPolicy(Qt::ClickFocus);
        ControlWidget log = follow(box, mirror);
        log.takesFirstFocus = false;
        log.takesTyping = true;
        return log;
    }

    static ControlWidget createField(QWidget* parent, const ControlInput& input) {
        auto* box = new QLineEdit(parent);
        QObject::connect(box, &QLineEdit::textEdited, box,
                         [edit = input.edit](const QString& text) { edit(toControlText(text)); });
        // Writing the same text again would move the cursor to the end.
        const auto mirror = [](const Control& control, QLineEdit& widget) {
            if (widget.text() != captionOf(control)) {
                widget.setText(captionOf(control));
            }
        };
        ControlWidget field = follow(box, mirror);
        field.takesTyping = true;
        return field;
    }
};

class ButtonAdapter final : public ControlAdapter {
public:
    explicit ButtonAdapter(std::string dieButtons) : dieButtons_(std::move(dieButtons)) {}

    ControlWidget create(const Control& control, QWidget* parent,
                         const ControlInput& input) const override {
        if (!dieButtons_.empty() && control.name == dieButtons_) {
            auto* die = new DieButtonWidget(parent);
            QObject::connect(die, &QPushButton::clicked, die, input.click);
            return follow(die, [](const Control& mirrored, DieButtonWidget& widget) {
                widget.setCaption(captionOf(mirrored));
            });
        }
        auto* button = new QPushButton(parent);
        QObject::connect(button, &QPushButton::clicked, button, input.click);
        return followFitted(
            button,
            [](const Control& mirrored, QPushButton& widget) {
                widget.setText(captionOf(mirrored));
            },
            TextFit::Shrink);
    }

private:
    std::string dieButtons_;
};

class CheckBoxAdapter final : public ControlAdapter {
public:
    ControlWidget create(const Control&, QWidget* parent,
                         const ControlInput& input) const override {
        auto* box = new QCheckBox(parent);
        QObject::connect(box, &QCheckBox::clicked, box, input.click);
        return followFitted(
            box,
            [](const Control& control, QCheckBox& widget) {
                widget.setText(captionOf(control));
                widget.setChecked(control.value);
            },
            TextFit::Shrink);
    }
};

// An option button that is the only selected one of its frame cannot be cleared while the buttons
// exclude each other, yet the screen may clear every button of a frame.
void setOptionSelected(QRadioButton& button, bool selected) {
    if (button.isChecked() == selected) {
        return;
    }
    if (selected) {
        button.setChecked(true);
        return;
    }
    button.setAutoExclusive(false);
    button.setChecked(false);
    button.setAutoExclusive(true);
}

class OptionButtonAdapter final : public ControlAdapter {
public:
    ControlWidget create(const Control&, QWidget* parent,
                         const ControlInput& input) const override {
        auto* button = new QRadioButton(parent);
        QObject::connect(button, &QRadioButton::clicked, button, input.click);
        return followFitted(
            button,
            [](const Control& control, QRadioButton& widget) {
                widget.setText(captionOf(control));
                setOptionSelected(widget, control.value);
            },
            TextFit::Shrink);
    }
};

class FrameAdapter final : public ControlAdapter {
public:
    ControlWidget create(const Control&, QWidget* parent, const ControlInput&) const override {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::NoFrame);
        return {.widget = frame};
    }
};

class PictureBoxAdapter final : public ControlAdapter {
public:
    explicit PictureBoxAdapter(QColor fill) : fill_(fill) {}
    ControlWidget create(const Control&, QWidget* parent, const ControlInput&) const override {
        return {.widget = new FilledBoxWidget(fill_, parent)};
    }

private:
    QColor fill_;
};

// Face shown by a die picture: its array index + 1, or else the digit ending its name (Image1..).
int dieFaceOf(const Control& control) {
    if (control.index >= 0) {
        return control.index + 1;
    }
    if (!control.name.empty() && std::isdigit(static_cast<unsigned char>(control.name.back()))) {
        return control.name.back() - '0';
    }
    return 0;
}

class ImageAdapter final : public ControlAdapter {
public:
    ControlWidget create(const Control& control, QWidget* parent,
                         const ControlInput&) const override {
        return {.widget = new DieFaceWidget(dieFaceOf(control), parent)};
    }
};

// A timer has no widget: the screen drives it.
class TimerAdapter final : public ControlAdapter {
public:
    ControlWidget create(const Control&, QWidget*, const ControlInput&) const override {
        return {};
    }
};

} // namespace

ControlAdapters::ControlAdapters(QColor pictureFill, std::string dieButtons,
                                 std::string elidedLabel) {
    using enum ControlKind;
    byKind_.emplace(Label, std::make_unique<LabelAdapter>(std::move(elidedLabel)));
    byKind_.emplace(TextBox, std::make_unique<TextBoxAdapter>());
    byKind_.emplace(Button, std::make_unique<ButtonAdapter>(std::move(dieButtons)));
    byKind_.emplace(CheckBox, std::make_unique<CheckBoxAdapter>());
    byKind_.emplace(OptionButton, std::make_unique<OptionButtonAdapter>());
    byKind_.emplace(PictureBox, std::make_unique<PictureBoxAdapter>(pictureFill));
    byKind_.emplace(Image, std::make_unique<ImageAdapter>());
    byKind_.emplace(Frame, std::make_unique<FrameAdapter>());
    byKind_.emplace(Timer, std::make_unique<TimerAdapter>());
}

ControlAdapters::~ControlAdapters() = default;

const ControlAdapter& ControlAdapters::of(ControlKind kind) const {
    const auto found = byKind_.find(kind);
    if (found == byKind_.end()) {
        throw std::invalid_argument("no adapter for this control kind");
    }
    return *found->second;
}

} // namespace quintel
