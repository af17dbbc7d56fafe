#pragma once

#include <QObject>
#include <QString>

#include <array>

namespace quintel {

class FormStart;
class ScreenWindow;

namespace match {
class Match;
}

// What the table does for the eye and the ear beside mirroring its screen. After each mirroring
// it compares the table with what it showed before: a die whose face changed in view tumbles for
// a moment (a throw; dice that come into view with faces put on them out of view, the computer's
// taken over, do not), a new line in the call log is a call, and a game the table decided is the
// verdict.
class TableEffects : public QObject {
    Q_OBJECT
public:
    enum class Sound { Throw, Call, Verdict };

    // How long a thrown die tumbles.
    static constexpr int kTumbleMs = 300;

    TableEffects(const FormStart& table, const match::Match& match, ScreenWindow& window,
                 QObject* parent = nullptr);

    // Whether thrown dice tumble: the player's setting, and the desktop's wish for less motion.
    void setAnimated(bool animated) { animated_ = animated; }
    bool animated() const { return animated_; }

    // Compares the table with the last time; to follow every mirroring of the windows.
    void noticeChanges();

signals:
    // One sound for what just happened on the table, the weightiest of them: the verdict, else a
    // throw, else a call.
    void sound(TableEffects::Sound sound);

private:
    const FormStart& table_;
    const match::Match& match_;
    ScreenWindow& window_;
    bool animated_ = true;
    std::array<QString, 5> faces_;
    qsizetype callLines_ = 0;
    bool decided_ = false;
};

} // namespace quintel
