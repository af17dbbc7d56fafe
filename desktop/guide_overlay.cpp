#include "desktop/guide_overlay.h"

#include "app/game.h"
#include "desktop/screen_window.h"
#include "desktop/windows.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quintel {

namespace {

// A frame in the palette's highlight colour, through which the control stays usable.
class Outline : public QWidget {
public:
    explicit Outline(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        QPen pen(palette().color(QPalette::Highlight));
        pen.setWidth(kWidth);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(1, 1, -kWidth + 1, -kWidth + 1));
    }

private:
    static constexpr int kWidth = 2;
};

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

GuideOverlay::GuideOverlay(Game& game, Windows& windows)
    : QFrame(windows.windowOf(game.formStart).clientArea()), game_(game),
      table_(windows.windowOf(game.formStart)), title_(new QLabel(this)), text_(new QLabel(this)),
      play_(new QPushButton(tr("Play a guided first game"), this)),
      next_(new QPushButton(tr("Next"), this)), skip_(new QPushButton(tr("Skip"), this)) {
    setObjectName(QStringLiteral("guideOverlay"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    // The hover hints' colours: a box apart from the table, light or dark as the palette is.
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    title_->setTextFormat(Qt::PlainText);
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    title_->setWordWrap(true);
    title_->setForegroundRole(QPalette::ToolTipText);
    text_->setForegroundRole(QPalette::ToolTipText);
    skip_->setToolTip(tr("End the guidance; the game goes on (Esc)"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {play_, next_, skip_}) {
        button->setFocusPolicy(Qt::ClickFocus);
        buttons->addWidget(button);
    }
    auto* column = new QVBoxLayout(this);
    column->addWidget(title_);
    column->addWidget(text_);
    column->addLayout(buttons);
    setFocusPolicy(Qt::ClickFocus);
    outline_ = new Outline(table_.clientArea());
    outline_->hide();
    hide();

    connect(play_, &QPushButton::clicked, this, [this] {
        game_.formStart.startGuidedGame();
        handled();
    });
    connect(next_, &QPushButton::clicked, this, [this] {
        game_.guide.next();
        handled();
    });
    connect(skip_, &QPushButton::clicked, this, &GuideOverlay::skip);
    connect(&windows, &Windows::refreshed, this, &GuideOverlay::follow);
    connect(&table_, &ScreenWindow::rescaled, this, &GuideOverlay::showGuide);
}

QString GuideOverlay::title() const {
    return title_->text();
}

QString GuideOverlay::text() const {
    return text_->text();
}

void GuideOverlay::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        skip();
        return;
    }
    QFrame::keyPressEvent(event);
}

void GuideOverlay::handled() {
    emit table_.handled();
}

void GuideOverlay::skip() {
    game_.formStart.endGuide();
    // The focus goes back to the table, whose keys play on.
    table_.clientArea()->setFocus();
    handled();
}

void GuideOverlay::follow() {
    if (!game_.formStart.loaded()) {
        hide();
        outline_->hide();
        return;
    }
    const std::string before = game_.formStart.lblStatus.caption;
    game_.formStart.followGuide();
    if (game_.formStart.lblStatus.caption != before) {
        table_.sync();
    }
    showGuide();
}

void GuideOverlay::showGuide() {
    const GuidedGame& guide = game_.guide;
    const auto state = guide.state();
    const bool running = state == GuidedGame::State::Running && guide.current();
    if (state == GuidedGame::State::Offered) {
        title_->setText(tr("Play a guided first game"));
        text_->setText(tr("One game with the same throws every time, in which each control is "
                          "explained as it becomes live. It does not count in your figures or "
                          "statistics."));
    } else if (state == GuidedGame::State::Accepted) {
        title_->setText(tr("Guided game"));
        text_->setText(tr("The guided game starts with the next game."));
    } else if (running) {
        title_->setText(fromUtf8(guide.title()));
        text_->setText(fromUtf8(guide.text()));
        next_->setText(guide.lastStep() ? tr("Done") : tr("Next"));
    } else {
        hide();
        outline_->hide();
        return;
    }
    play_->setVisible(state == GuidedGame::State::Offered);
    next_->setVisible(running);
    QFont bold = table_.designFont();
    setFont(bold);
    bold.setBold(true);
    title_->setFont(bold);
    const QRect target = running ? targetRect() : QRect();
    outline_->setVisible(!target.isEmpty());
    if (!target.isEmpty()) {
        outline_->setGeometry(target.adjusted(-3, -3, 3, 3));
        outline_->raise();
    }
    place(target);
    show();
    raise();
}

QRect GuideOverlay::targetRect() const {
    const std::string_view name = game_.guide.control();
    const FormStart& table = game_.formStart;
    // The first and last of an array: the dice as a row.
    QRect rect;
    for (const Control* control : const_cast<FormStart&>(table).controls()) {
        if (control->name != name || !control->visible) {
            continue;
        }
        if (QWidget* widget = table_.widgetFor(*control); widget != nullptr) {
            rect = rect.united(widget->geometry());
        }
    }
    if (name == "lblStatus") {
        for (QWidget* child : table_.clientArea()->findChildren<QWidget*>()) {
            if (child->inherits("quintel::StatusLineWidget")) {
                rect = child->geometry();
            }
        }
    }
    return rect;
}

void GuideOverlay::place(const QRect& target) {
    const QRect area = table_.clientArea()->rect();
    const int margin = std::max(2, area.width() / 60);
    int width = area.width() * 11 / 20;
    int height = heightForWidth(width);
    if (height < 0 || height > area.height() - 2 * margin) {
        width = area.width() - 2 * margin;
        height = std::min(std::max(heightForWidth(width), sizeHint().height()),
                          area.height() - 2 * margin);
    }
    width = std::max(width, std::min(minimumSizeHint().width(), area.width() - 2 * margin));
    // On the half of the table away from the control, level with it where it fits.
    const bool controlOnTheRight = !target.isEmpty() && target.center().x() > area.center().x();
    const int left = controlOnTheRight || target.isEmpty() ? margin : area.width() - width - margin;
    const int wanted = target.isEmpty() ? area.height() - height - margin : target.top();
    const int top = std::clamp(wanted, margin, std::max(margin, area.height() - height - margin));
    setGeometry(left, top, width, height);
}

} // namespace quintel
