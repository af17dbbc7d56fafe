#pragma once

#include <QFrame>
#include <QPointer>

class QLabel;
class QPushButton;

namespace quintel {

class Game;
class ScreenWindow;
class Windows;

// The guided first game on the table window: a small box that offers the game, then says what
// each control does as it becomes live (GuidedGame), beside the control, which it outlines. Its
// Skip button, or Esc on it, ends the guidance and leaves the game in play as it is. After every
// refresh of the windows it follows the table; it keeps within the table's client area at every
// factor and is drawn in the window's palette.
class GuideOverlay : public QFrame {
    Q_OBJECT
public:
    GuideOverlay(Game& game, Windows& windows);

    // Follows the table and shows the guide as it stands now.
    void follow();

    QPushButton* playButton() const { return play_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* skipButton() const { return skip_; }
    QString title() const;
    QString text() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What the player pressed has been handed to the game: every window follows.
    void handled();
    void skip();
    void showGuide();
    // Beside `target` (in the client area's coordinates), on the other half of the table.
    void place(const QRect& target);
    QRect targetRect() const;

    Game& game_;
    ScreenWindow& table_;
    QLabel* title_;
    QLabel* text_;
    QPushButton* play_;
    QPushButton* next_;
    QPushButton* skip_;
    // The outline around the control being explained.
    QPointer<QWidget> outline_;
};

} // namespace quintel
