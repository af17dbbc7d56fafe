#include "desktop/guide_overlay.h"

#include "app/game.h"
#include "desktop/design_scale.h"
#include "desktop/screen_window.h"
#include "desktop/windows.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace quintel {

namespace {

// A frame in the palette's highlight colour, through which the control stays usable.
class GuideOutline : public QWidget {
public:
    explicit GuideOutline(QWidget* parent) : QWidget(parent) {
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

} // namespace

GuideOverlay::GuideOverlay(Game& game, Windows& windows)
    : QFrame(windows.windowOf(game.formStart).clientArea()), game_(game),
      table_(windows.windowOf(game.formStart)), title_(new QLabel(this)), text_(new QLabel(this)),
      play_(new QPushButton(tr("Play it"), this)), next_(new QPushButton(tr("Next"), this)),
      skip_(new QPushButton(tr("Skip"), this)) {
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
    outline_ = new GuideOutline(table_.clientArea());
    outline_->hide();
    hide();

    connect(play_, &QPushButton::clicked, this, [this] {
        game_.formStart.startGuidedGame();
        table_.clientArea()->setFocus();
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
        text_->setText(tr("The same throws every time, each control explained as it becomes "
                          "live. It does not count in your statistics."));
    } else if (state == GuidedGame::State::Accepted) {
        title_->setText(tr("Guided game"));
        text_->setText(tr("The guided game starts with the next game."));
    } else if (running) {
        title_->setText(QString::fromStdString(guide.title()));
        text_->setText(QString::fromStdString(guide.text()));
        next_->setText(guide.lastStep() ? tr("Done") : tr("Next"));
    } else {
        hide();
        outline_->hide();
        return;
    }
    play_->setVisible(state == GuidedGame::State::Offered);
    // A new offer takes the focus: Space plays the guided game, Esc declines it, and the table's
    // keys still reach the table.
    const bool newOffer = state == GuidedGame::State::Offered && !isVisible();
    next_->setVisible(running);
    QFont bold = table_.designFont();
    setFont(bold);
    const int gap = std::max(2, scaledLength(3, table_.scaleFactor()));
    layout()->setContentsMargins(gap * 2, gap, gap * 2, gap * 2);
    layout()->setSpacing(gap);
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
    if (newOffer) {
        play_->setFocus();
    }
}

QRect GuideOverlay::targetRect() const {
    const std::string_view name = game_.guide.control();
    // An array's shown controls together: the dice as a row.
    QRect rect;
    for (const Control* control : game_.formStart.controls()) {
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

// The box goes where it hides least: never over the control it explains, and over as little of
// what the player can click now as it can (over the logs, mostly, which are read less than played).
void GuideOverlay::place(const QRect& target) {
    const QRect area = table_.clientArea()->rect();
    const int margin = std::max(2, area.width() / 80);
    const int width =
        std::min(area.width() - 2 * margin, std::max(area.width() / 2, minimumSizeHint().width()));
    const int height = std::min(area.height() - 2 * margin,
                                std::max(heightForWidth(width), minimumSizeHint().height()));
    const int right = area.width() - width - margin;
    const int bottom = area.height() - height - margin;
    const int middle = (area.width() - width) / 2;
    std::vector<QRect> live;
    for (Control* control : game_.formStart.controls()) {
        QWidget* widget = table_.widgetFor(*control);
        if (widget != nullptr && control->visible && control->enabled && control->click) {
            live.push_back(widget->geometry());
        }
    }
    const auto hidden = [&](const QRect& box) {
        long long covered = 0;
        for (const QRect& rect : live) {
            const QRect both = rect.intersected(box);
            covered += static_cast<long long>(both.width()) * both.height();
        }
        const QRect overTarget = target.intersected(box);
        return covered + 100LL * overTarget.width() * overTarget.height();
    };
    QRect best;
    long long leastHidden = -1;
    for (const QPoint corner :
         {QPoint(margin, margin), QPoint(right, margin), QPoint(middle, margin),
          QPoint(margin, bottom), QPoint(right, bottom)}) {
        const QRect box(corner, QSize(width, height));
        const long long cost = hidden(box);
        if (leastHidden < 0 || cost < leastHidden) {
            best = box;
            leastHidden = cost;
        }
    }
    setGeometry(best);
}

} // namespace quintel
