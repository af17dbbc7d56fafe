#include "desktop/screen_window.h"

#include "desktop/accessible_names.h"
#include "desktop/call_log_widget.h"
#include "desktop/design_scale.h"
#include "desktop/scaled_area.h"
#include "desktop/status_line_widget.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <functional>
#include <string>

namespace quintel {

namespace {

QRect pixelRect(const Place& place) {
    return {twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
            twipsToPixels(place.height)};
}

// The menu bar's captions, for the catalogue of texts.
[[maybe_unused]] constexpr const char* kMenuTexts[] = {QT_TRANSLATE_NOOP("ScreenWindow", "Help"),
                                                       QT_TRANSLATE_NOOP("ScreenWindow", "Rule"),
                                                       QT_TRANSLATE_NOOP("ScreenWindow", "About")};

// The controls' font at factor 1, in pixels.
constexpr int kDesignFontPixels = 11;
// Indicators grown with the window: the style draws them at one size whatever the widget's, and a
// click beside a small indicator and its text would miss the control. At factor 1 the style's own.
QString indicatorSheet(double factor) {
    if (factor == 1.0) {
        return {};
    }
    const QStyle& style = *QApplication::style();
    const int side = scaledLength(style.pixelMetric(QStyle::PM_IndicatorWidth), factor);
    const int spacing = scaledLength(style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing), factor);
    return QStringLiteral("QCheckBox::indicator, QRadioButton::indicator { width: %1px; "
                          "height: %1px; } QCheckBox, QRadioButton { spacing: %2px; }")
        .arg(side)
        .arg(spacing);
}

// The client area reaches down to the bottom of the screen's status line, if it has one.
int heightWithStatusLine(Screen& screen) {
    const Control* status = screen.statusLine();
    return status == nullptr
               ? screen.clientHeight
               : std::max(screen.clientHeight, status->place.top + status->place.height);
}

} // namespace

ScreenWindow::ScreenWindow(Screen& screen, Style style, QWidget* parent)
    : QMainWindow(parent), screen_(screen), style_(style),
      adapters_(style_.pictureFill, style_.dieButtons, style_.elidedLabel),
      client_(new QWidget(this)), area_(new ScaledArea(client_, this)) {
    if (style_.dialog) {
        setWindowFlag(Qt::Dialog);
    }
    // The places were designed for an 8-point sans serif at 96 dots per inch; a font with the
    // widths of Arial keeps the captions inside them.
    QFont designFont = font();
    designFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                            QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    designFont.setPixelSize(kDesignFontPixels);
    client_->setFont(designFont);
    client_->setFocusPolicy(Qt::ClickFocus);
    setCentralWidget(area_);
    for (const char* caption : kMenuCaptions) {
        QAction* entry = menuBar()->addAction(QCoreApplication::translate("ScreenWindow", caption));
        // Found by the caption the screens give it, whatever the player's language.
        entry->setObjectName(QString::fromUtf8(caption));
        menu_.push_back(entry);
    }
    connect(area_, &ScaledArea::rescaled, this, &ScreenWindow::rescale);
    sync();
    resize(sizeHint());
}

double ScreenWindow::scaleFactor() const {
    return area_->factor();
}

void ScreenWindow::setScaleFactor(double factor) {
    area_->setPreferredFactor(factor);
    // A hidden window lays its controls out for the new size when it is shown.
    resize(sizeHint());
}

QSize ScreenWindow::designSize() const {
    return area_->totalDesignSize();
}

void ScreenWindow::addRowBelowDesign(QWidget* row, int designHeight) {
    row->setFont(designFont());
    rows_.emplace_back(row);
    area_->addRow(row, designHeight);
    // The window grows by the row at its present factor.
    resize(size() + QSize(0, scaledLength(designHeight, scaleFactor())));
}

QFont ScreenWindow::designFont() const {
    QFont font = client_->font();
    font.setPixelSize(std::max(1, scaledLength(kDesignFontPixels, scaleFactor())));
    return font;
}

void ScreenWindow::rescale() {
    const QFont font = designFont();
    client_->setFont(font);
    client_->setStyleSheet(indicatorSheet(scaleFactor()));
    for (const Entry& entry : entries_) {
        scale(entry);
    }
    for (const QPointer<QWidget>& row : rows_) {
        if (!row.isNull()) {
            row->setFont(font);
        }
    }
    emit rescaled(scaleFactor());
}

void ScreenWindow::sync() {
    syncing_ = true;
    setWindowTitle(QString::fromStdString(screen_.windowCaption));
    area_->setDesignSize(
        {twipsToPixels(screen_.clientWidth), twipsToPixels(heightWithStatusLine(screen_))});
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

QWidget* ScreenWindow::widgetFor(const Control& control) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return entry.control == &control; });
    return found == entries_.end() ? nullptr : found->widget;
}

QWidget* ScreenWindow::widgetNamed(std::string_view name, int index) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
        return entry.control->name == name && entry.control->index == index;
    });
    return found == entries_.end() ? nullptr : found->widget;
}

QAction* ScreenWindow::menuAction(const QString& caption) const {
    const auto found = std::find_if(menu_.begin(), menu_.end(), [&](const QAction* action) {
        return action->objectName() == caption;
    });
    return found == menu_.end() ? nullptr : *found;
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    // The screen decides whether its window goes away; the window manager mirrors that.
    event->ignore();
    screen_.closeFromFrame();
    emit handled();
}

void ScreenWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    const Entry* first = nullptr;
    for (const Entry& entry : entries_) {
        if (entry.widget != nullptr && entry.control->tabOrder >= 0 &&
            (first == nullptr || entry.control->tabOrder < first->control->tabOrder)) {
            first = &entry;
        }
    }
    if (first == nullptr) {
        return;
    }
    QWidget* focused = focusWidget();
    if (!first->takesFirstFocus) {
        if (focused == nullptr || focused == first->widget) {
            client_->setFocus();
        }
        return;
    }
    // A window shown again starts where a new one does, not on the button that closed it; a text
    // it offers there is selected, so typing replaces it.
    first->widget->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(first->widget)) {
        line->selectAll();
    }
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
    if (!forwardKey(*event)) {
        QMainWindow::keyPressEvent(event);
    }
}

bool ScreenWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool typing = takesTyping(watched) && key.modifiers() != Qt::AltModifier;
        if (!typing && forwardKey(key)) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool ScreenWindow::forwardKey(const QKeyEvent& event) {
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

void ScreenWindow::build(const std::vector<Control*>& controls) {
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
        const ControlInput input{
            .click = [this, control] { forwardClick(*control); },
            .edit = [this, control](std::string text) { forwardEdit(*control, std::move(text)); }};
        ControlWidget created = adapters_.create(*control, parent, input);
        if (created.widget != nullptr) {
            created.widget->installEventFilter(this);
        }
        entries_.push_back({control, created.widget, std::move(created.mirror),
                            created.takesFirstFocus, created.takesTyping, created.fit});
    }
    if (Control* status = screen_.statusLine()) {
        auto* line = new StatusLineWidget(client_);
        entries_.push_back({status, line,
                            [line](const Control& mirrored) {
                                line->setStatus(QString::fromStdString(mirrored.caption));
                            },
                            false, false, TextFit::Wrap});
    }
    applyTabOrder();
    if (style_.logsInStep) {
        linkLogScrolling();
    }
}

void ScreenWindow::linkLogScrolling() {
    std::vector<QScrollBar*> bars;
    for (const Entry& entry : entries_) {
        if (auto* log = qobject_cast<CallLogWidget*>(entry.widget)) {
            bars.push_back(log->verticalScrollBar());
        }
    }
    for (QScrollBar* bar : bars) {
        for (QScrollBar* other : bars) {
            // What the player does to one (wheel, drag, arrows, page) the other follows; each
            // keeps its newest line in view on its own as the lines come.
            if (other != bar) {
                connect(bar, &QScrollBar::actionTriggered, other,
                        [bar, other] { other->setValue(bar->sliderPosition()); });
            }
        }
    }
}

void ScreenWindow::mirror(const Entry& entry) {
    const Control& control = *entry.control;
    QWidget* widget = entry.widget;
    if (widget == nullptr) {
        return;
    }
    // Qt would pass the focus of a widget that goes away to the next one in the chain, which may
    // be a log; the window keeps it instead, so the game's keys go on working.
    QWidget* focused = focusWidget();
    const bool holdsFocus =
        focused != nullptr && (focused == widget || widget->isAncestorOf(focused));
    if (holdsFocus && (!control.enabled || !control.visible)) {
        client_->setFocus();
    }
    widget->setEnabled(control.enabled);
    widget->setVisible(control.visible);
    entry.mirror(control);
    applyAccessibleText(*widget, screen_.accessibleText(control));
    scale(entry);
}

void ScreenWindow::scale(const Entry& entry) {
    const Control& control = *entry.control;
    QWidget* widget = entry.widget;
    if (widget == nullptr) {
        return;
    }
    widget->setGeometry(scaledRect(pixelRect(control.place), scaleFactor()));
    const QString caption = QString::fromStdString(control.caption);
    const QString shown = fitCaption(*widget, caption, designFont(), entry.fit);
    // A caption cut short has its whole text as the hover hint.
    widget->setToolTip(shown == caption ? QString::fromStdString(control.tooltip) : caption);
}

bool ScreenWindow::takesTyping(const QObject* widget) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return entry.widget == widget; });
    return found != entries_.end() && found->takesTyping;
}

void ScreenWindow::applyTabOrder() {
    std::vector<const Entry*> stops;
    for (const Entry& entry : entries_) {
        if (entry.widget == nullptr || entry.widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (entry.control->tabOrder < 0) {
            entry.widget->setFocusPolicy(Qt::ClickFocus);
        } else if ((entry.widget->focusPolicy() & Qt::TabFocus) != 0) {
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

void ScreenWindow::forwardClick(const Control& control) {
    // The handler may give the control a new design (and a new handler) while it runs.
    const std::function<void()> handler = control.click;
    if (handler) {
        handler();
    }
    emit handled();
}

void ScreenWindow::forwardEdit(const Control& control, std::string text) {
    // Writing a log's text in `sync` is not the player's typing.
    if (syncing_) {
        return;
    }
    const std::function<void(std::string)> handler = control.edited;
    if (handler) {
        handler(std::move(text));
    }
    emit handled();
}

} // namespace quintel
