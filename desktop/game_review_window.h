#pragma once

#include "records/game_review.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quintel {

class DiceRowWidget;

// Steps through one recorded game: each call with its dice, what its caller kept and threw and, in
// a sentence, what the computer weighed in answering it, then the end. The lines the computer
// wrote while it weighed the call are behind the "Computer's notes" button. Previous and Next (and
// the arrow, page and Home/End keys) move between the steps.
class GameReviewWindow : public QWidget {
    Q_OBJECT
public:
    GameReviewWindow(GameRecord game, std::int64_t number,
                     const DecisionAppraiser* appraiser = nullptr, QWidget* parent = nullptr);

    const GameReview& review() const { return review_; }
    void next();
    void previous();

    QString heading() const;
    QString account() const;
    QString judgement() const;
    QString weighed() const;
    // Shows or hides the lines the computer wrote.
    void showNotes(bool shown);
    bool notesShown() const;
    QString solved() const;
    const DiceRowWidget& called() const { return *called_; }
    const DiceRowWidget& kept() const { return *kept_; }
    const DiceRowWidget& thrown() const { return *thrown_; }

private:
    void showStep(const ReviewStep& step);

    GameReview review_;
    QLabel* heading_;
    QLabel* position_;
    QLabel* calledLabel_;
    DiceRowWidget* called_;
    QLabel* keptLabel_;
    DiceRowWidget* kept_;
    QLabel* thrownLabel_;
    DiceRowWidget* thrown_;
    QLabel* account_;
    QLabel* weighed_;
    QPushButton* notes_;
    QLabel* judgementLabel_;
    QPlainTextEdit* judgement_;
    QLabel* solved_;
    QPushButton* previous_;
    QPushButton* next_;
};

// "Your choice: 41.2 % to win; the best: 55.0 %"; empty without the solved game's figures.
QString solvedText(const ReviewStep& step);

} // namespace quintel
