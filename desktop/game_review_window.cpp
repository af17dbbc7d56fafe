#include "desktop/game_review_window.h"

#include "desktop/dice_row_widget.h"
#include "records/record_statistics.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace quintel {

namespace {

QLabel* wrappingLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

QString solvedText(const ReviewStep& step) {
    if (!step.solved) {
        return {};
    }
    const QString chances = QObject::tr("Your choice: %1 to win; the best choice: %2")
                                .arg(QString::fromStdString(percentText(step.solved->chosen)),
                                     QString::fromStdString(percentText(step.solved->best)));
    if (!step.solved->masterBelief) {
        return chances;
    }
    // What the Master makes of the player, beside what the solved game makes of the choice.
    return chances + QLatin1Char('\n') +
           QObject::tr("The Master now expects this choice of you here %1 of the time.")
               .arg(QString::fromStdString(percentText(*step.solved->masterBelief)));
}

GameReviewWindow::GameReviewWindow(GameRecord game, std::int64_t number,
                                   const DecisionAppraiser* appraiser, QWidget* parent)
    : QWidget(parent, Qt::Window), review_(std::move(game), appraiser), heading_(new QLabel(this)),
      position_(new QLabel(this)), calledLabel_(new QLabel(this)), called_(new DiceRowWidget(this)),
      keptLabel_(new QLabel(tr("Kept"), this)), kept_(new DiceRowWidget(this)),
      thrownLabel_(new QLabel(tr("Thrown"), this)), thrown_(new DiceRowWidget(this)),
      account_(wrappingLabel(this)), weighed_(wrappingLabel(this)),
      notes_(new QPushButton(tr("Computer's &notes"), this)),
      judgementLabel_(new QLabel(tr("What the computer wrote while it weighed the call:"), this)),
      judgement_(new QPlainTextEdit(this)), solved_(wrappingLabel(this)),
      previous_(new QPushButton(tr("&Previous"), this)), next_(new QPushButton(tr("&Next"), this)) {
    setWindowTitle(tr("Review of game %1").arg(number));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    judgement_->setReadOnly(true);
    judgement_->setAccessibleName(tr("The computer's judgement"));
    judgement_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The raw lines are for the curious: the sentence says what they mean.
    notes_->setCheckable(true);
    connect(notes_, &QPushButton::toggled, this, &GameReviewWindow::showNotes);

    auto* top = new QHBoxLayout;
    top->addWidget(heading_, 1);
    top->addWidget(position_);
    auto* dice = new QFormLayout;
    dice->addRow(calledLabel_, called_);
    dice->addRow(keptLabel_, kept_);
    dice->addRow(thrownLabel_, thrown_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addStretch(1);
    buttons->addWidget(next_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(dice);
    column->addWidget(account_);
    column->addWidget(weighed_);
    column->addWidget(solved_);
    auto* notes = new QHBoxLayout;
    notes->addWidget(notes_);
    notes->addStretch(1);
    column->addLayout(notes);
    column->addWidget(judgementLabel_);
    column->addWidget(judgement_, 1);
    // At the end the space the judgement leaves stays below the figures.
    column->addStretch(0);
    column->addLayout(buttons);

    connect(previous_, &QPushButton::clicked, this, &GameReviewWindow::previous);
    connect(next_, &QPushButton::clicked, this, &GameReviewWindow::next);
    for (const auto key : {Qt::Key_Right, Qt::Key_PageDown}) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                &GameReviewWindow::next);
    }
    for (const auto key : {Qt::Key_Left, Qt::Key_PageUp}) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                &GameReviewWindow::previous);
    }
    connect(new QShortcut(QKeySequence(Qt::Key_Home), this), &QShortcut::activated, this, [this] {
        review_.first();
        showStep(review_.step());
    });
    connect(new QShortcut(QKeySequence(Qt::Key_End), this), &QShortcut::activated, this, [this] {
        review_.last();
        showStep(review_.step());
    });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    resize(560, 520);
    showStep(review_.step());
}

void GameReviewWindow::next() {
    if (review_.next()) {
        showStep(review_.step());
    }
}

void GameReviewWindow::previous() {
    if (review_.previous()) {
        showStep(review_.step());
    }
}

void GameReviewWindow::showStep(const ReviewStep& step) {
    const bool end = step.kind == ReviewStep::Kind::End;
    heading_->setText(QString::fromStdString(step.heading));
    position_->setText(tr("Step %1 of %2").arg(review_.position() + 1).arg(review_.steps().size()));
    calledLabel_->setText(end ? tr("Dice shown") : tr("Called"));
    called_->setDice(QString::fromStdString(end ? step.revealed : step.call));
    for (QWidget* widget : {static_cast<QWidget*>(keptLabel_), static_cast<QWidget*>(kept_),
                            static_cast<QWidget*>(thrownLabel_), static_cast<QWidget*>(thrown_),
                            static_cast<QWidget*>(notes_)}) {
        widget->setVisible(!end);
    }
    judgementLabel_->setVisible(!end && notes_->isChecked());
    judgement_->setVisible(!end && notes_->isChecked());
    weighed_->setText(QString::fromStdString(step.weighed));
    weighed_->setVisible(!step.weighed.empty());
    kept_->setDice(QString::fromStdString(step.kept));
    thrown_->setDice(QString::fromStdString(step.thrown));
    account_->setText(QString::fromStdString(step.account));
    solved_->setText(solvedText(step));
    solved_->setVisible(step.solved.has_value());
    QStringList lines;
    for (const std::string& line : step.judgement) {
        lines << QString::fromStdString(line);
    }
    judgement_->setPlainText(lines.isEmpty() ? tr("(nothing)") : lines.join('\n'));
    previous_->setEnabled(!review_.atFirst());
    next_->setEnabled(!review_.atLast());
}

QString GameReviewWindow::heading() const {
    return heading_->text();
}
QString GameReviewWindow::account() const {
    return account_->text();
}
QString GameReviewWindow::judgement() const {
    return judgement_->toPlainText();
}
QString GameReviewWindow::weighed() const {
    return weighed_->text();
}

void GameReviewWindow::showNotes(bool shown) {
    notes_->setChecked(shown);
    const bool end = review_.step().kind == ReviewStep::Kind::End;
    judgementLabel_->setVisible(shown && !end);
    judgement_->setVisible(shown && !end);
}

bool GameReviewWindow::notesShown() const {
    return notes_->isChecked();
}

QString GameReviewWindow::solved() const {
    return solved_->text();
}

} // namespace quintel
