#pragma once

#include "desktop/table_effects.h"

#include <QObject>

#include <array>

class QSoundEffect;

namespace quintel {

// The table's sounds, played with Qt Multimedia's sound effects: a throw, a call, the verdict.
// Without an audio device the effects never become ready and nothing is heard; the game goes on.
class TableSounds : public QObject {
    Q_OBJECT
public:
    explicit TableSounds(QObject* parent = nullptr);

    // Loads the sounds, which wakes the audio system: called once the first window is up, so
    // that the start does not wait for it.
    void load();
    bool loaded() const { return effects_[0] != nullptr; }

    // The player's setting.
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

    void play(TableEffects::Sound sound);

private:
    bool enabled_ = true;
    std::array<QSoundEffect*, 3> effects_{};
};

} // namespace quintel
