#pragma once

#include <QPushButton>

class QVariantAnimation;

namespace quintel {

// A table die as a button. Its caption is the die as the table keeps it, the face digit followed by
// "X" while marked for a new throw, and stays the button's text and accessible name; what the
// player sees is the face drawn as pips, a marked die with a bright outline and an X badge, and a
// die that cannot be clicked (kept by the last caller) greyed with a padlock. A marked die is
// drawn as marked even while it cannot be clicked: a lock from an earlier change may leave it
// disabled, yet Roll throws it. Everything is painted as vector shapes, so it stays sharp at any
// scale.
class DieButtonWidget : public QPushButton {
    Q_OBJECT
public:
    explicit DieButtonWidget(QWidget* parent = nullptr);

    // Tumbles for `milliseconds`, as thrown: it turns and shows passing faces, slowing down, then
    // rests on its face.
    void tumble(int milliseconds);
    bool tumbling() const;

    void setCaption(const QString& caption);
    // The face of the caption's first character, 0 when it is not a die face.
    int face() const;
    bool marked() const;
    // Drawn greyed with a padlock: disabled and not marked.
    bool locked() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVariantAnimation* tumble_;
};

} // namespace quintel
