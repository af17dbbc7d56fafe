#include "desktop/screen_view.h"

#include "desktop/die_button_widget.h"
#include "desktop/die_face_widget.h"
#include "desktop/filled_box_widget.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>

namespace quintel {

namespace {

// A text box at least this tall holds several lines (the logs); a shorter one is a one-line entry
// field such as the name box.
constexpr int kMultiLineHeight = 2 * 255;

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

QRect pixelRect(const Place& place) {
    return {twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
            twipsToPixels(place.height)};
}

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

} // namespace

ScreenView::ScreenView(Screen& screen, Style style, QWidget* parent)
    : QMainWindow(parent), screen_(screen), style_(style), client_(new QWidget(this)) {
    if (style_.dialog) {
        setWindowFlag(Qt::Dialog);
    }
    // The places were designed for an 8-point sans serif at 96 dots per inch; a font with the
    // widths of Arial keeps the captions inside them.
    QFont designFont = font();
    designFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                            QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    designFont.setPixelSize(11);
    client_->setFont(designFont);
    client_->setFocusPolicy(Qt::ClickFocus);
    setCentralWidget(client_);
    for (const char* caption : kMenuCaptions) {
        menu_.push_back(menuBar()->addAction(QString::fromUtf8(caption)));
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    sync();
}

void ScreenView::sync() {
    syncing_ = true;
    setWindowTitle(QString::fromStdString(screen_.windowCaption));
    client_->setFixedSize(twipsToPixels(screen_.clientWidth), twipsToPixels(screen_.clientHeight));
    // Before its first load a screen's controls have no design yet.
    if (screen_.loaded()) {
        const std::vector<Control*> controls = screen_.controls();
        std::vector<std::tuple<const Control*, ControlKind, const Control*>> shape;
        for (const Control* control : controls) {
            shape.emplace_back(control, control->kind, control->container);
        }
        if (shape != builtFrom_) {
            build(controls);
            builtFrom_ = std::move(shape);
        }
        for (const Entry& entry : entries_) {
            mirror(entry);
        }
    }
    syncing_ = false;
}

QWidget* ScreenView::widgetFor(const Control& control) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return entry.control == &control; });
    return found == entries_.end() ? nullptr : found->widget;
}

QWidget* ScreenView::widgetNamed(std::string_view name, int index) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.control->name == name && entry.control->index == index;
    });
    return found == entries_.end() ? nullptr : found->widget;
}

QAction* ScreenView::menuAction(const QString& caption) const {
    const auto found = std::find_if(menu_.begin(), menu_.end(), [&](const QAction* action) {
        return action->text() == caption;
    });
    return found == menu_.end() ? nullptr : *found;
}

void ScreenView::closeEvent(QCloseEvent* event) {
    // The screen decides whether its window goes away; the window manager mirrors that.
    event->ignore();
    screen_.closeFromFrame();
    emit handled();
}

void ScreenView::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    const Entry* first = nullptr;
    for (const Entry& entry : entries_) {
        if (entry.widget != nullptr && entry.control->tabOrder >= 0 &&
            (first == nullptr || entry.control->tabOrder < first->control->tabOrder)) {
            first = &entry;
        }
    }
    QWidget* focused = focusWidget();
    if (first != nullptr && qobject_cast<QPlainTextEdit*>(first->widget) != nullptr &&
        (focused == nullptr || focused == first->widget)) {
        client_->setFocus();
    }
}

void ScreenView::keyPressEvent(QKeyEvent* event) {
    if (!forwardKey(*event)) {
        QMainWindow::keyPressEvent(event);
    }
}

bool ScreenView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.modifiers() == Qt::AltModifier && forwardKey(key)) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool ScreenView::forwardKey(const QKeyEvent& event) {
    if ((event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0) {
        return false;
    }
    const QString name = QKeySequence(event.key()).toString(QKeySequence::PortableText);
    if (name.isEmpty() || !screen_.pressKey(name.toStdString())) {
        return false;
    }
    emit handled();
    return true;
}

void ScreenView::build(const std::vector<Control*>& controls) {
    // A handler may be running in one of the old widgets, so they go once the event is over.
    for (const Entry& entry : entries_) {
        if (entry.widget != nullptr) {
            entry.widget->hide();
            entry.widget->deleteLater();
        }
    }
    entries_.clear();
    for (Control* control : controls) {
        QWidget* parent = client_;
        if (control->container != nullptr) {
            if (QWidget* frame = widgetFor(*control->container)) {
                parent = frame;
            }
        }
        QWidget* widget = createWidget(*control, parent);
        if (widget != nullptr) {
            widget->installEventFilter(this);
        }
        entries_.push_back({control, widget});
    }
    applyTabOrder();
}

QWidget* ScreenView::createWidget(Control& control, QWidget* parent) {
    Control* target = &control;
    switch (control.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextBox:
        if (control.place.height >= kMultiLineHeight) {
            auto* box = new QPlainTextEdit(parent);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            connect(box, &QPlainTextEdit::textChanged, this, [this, box, target] {
                if (!syncing_) {
                    forwardEdit(*target, box->toPlainText());
                }
            });
            return box;
        } else {
            auto* box = new QLineEdit(parent);
            connect(box, &QLineEdit::textEdited, this,
                    [this, target](const QString& text) { forwardEdit(*target, text); });
            return box;
        }
    case ControlKind::Button: {
        auto* button = !style_.dieButtons.empty() && control.name == style_.dieButtons
                           ? new DieButtonWidget(parent)
                           : new QPushButton(parent);
        connect(button, &QPushButton::clicked, this, [this, target] { forwardClick(*target); });
        return button;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(parent);
        connect(box, &QCheckBox::clicked, this, [this, target] { forwardClick(*target); });
        return box;
    }
    case ControlKind::OptionButton: {
        auto* button = new QRadioButton(parent);
        connect(button, &QRadioButton::clicked, this, [this, target] { forwardClick(*target); });
        return button;
    }
    case ControlKind::Frame: {
        auto* frame = new QFrame(parent);
        frame->setFrameShape(QFrame::NoFrame);
        return frame;
    }
    case ControlKind::PictureBox:
        return new FilledBoxWidget(style_.pictureFill, parent);
    case ControlKind::Image:
        return new DieFaceWidget(dieFaceOf(control), parent);
    case ControlKind::Timer:
        return nullptr;
    }
    return nullptr;
}

void ScreenView::mirror(const Entry& entry) {
    const Control& control = *entry.control;
    QWidget* widget = entry.widget;
    if (widget == nullptr) {
        return;
    }
    widget->setGeometry(pixelRect(control.place));
    widget->setEnabled(control.enabled);
    widget->setVisible(control.visible);
    widget->setToolTip(QString::fromStdString(control.tooltip));

    const QString caption = QString::fromStdString(control.caption);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(caption);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        const QString text = toWidgetText(control.caption);
        if (box->toPlainText() != text) {
            box->setPlainText(text);
            // The logs grow at the bottom: keep their newest line in view.
            box->moveCursor(QTextCursor::End);
            box->ensureCursorVisible();
        }
    } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        if (line->text() != caption) {
            line->setText(caption);
        }
    } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        radio->setText(caption);
        setOptionSelected(*radio, control.value);
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        check->setText(caption);
        check->setChecked(control.value);
    } else if (auto* die = qobject_cast<DieButtonWidget*>(widget)) {
        die->setCaption(caption);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(caption);
    }
}

void ScreenView::applyTabOrder() {
    std::vector<const Entry*> stops;
    for (const Entry& entry : entries_) {
        if (entry.widget == nullptr || entry.widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (entry.control->tabOrder < 0) {
            entry.widget->setFocusPolicy(Qt::ClickFocus);
        } else {
            stops.push_back(&entry);
        }
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Entry* a, const Entry* b) {
        return a->control->tabOrder < b->control->tabOrder;
    });
    for (std::size_t i = 1; i < stops.size(); ++i) {
        setTabOrder(stops[i - 1]->widget, stops[i]->widget);
    }
}

void ScreenView::forwardClick(Control& control) {
    // The handler may give the control a new design (and a new handler) while it runs.
    const std::function<void()> handler = control.click;
    if (handler) {
        handler();
    }
    emit handled();
}

void ScreenView::forwardEdit(Control& control, const QString& text) {
    const std::function<void(std::string)> handler = control.edited;
    if (handler) {
        handler(toControlText(text));
    }
    emit handled();
}

} // namespace quintel
