#include "desktop/table_sounds.h"

#include <QSoundEffect>
#include <QUrl>

namespace quintel {

namespace {

constexpr std::array kSoundFiles{"qrc:/sounds/throw.wav", "qrc:/sounds/call.wav",
                                 "qrc:/sounds/verdict.wav"};
constexpr float kVolume = 0.6F;

std::size_t indexOf(TableEffects::Sound sound) {
    return static_cast<std::size_t>(sound);
}

} // namespace

TableSounds::TableSounds(QObject* parent) : QObject(parent) {}

void TableSounds::load() {
    if (loaded()) {
        return;
    }
    for (std::size_t index = 0; index < effects_.size(); ++index) {
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl(QString::fromLatin1(kSoundFiles[index])));
        effect->setVolume(kVolume);
        effects_[index] = effect;
    }
}

void TableSounds::play(TableEffects::Sound sound) {
    QSoundEffect* effect = effects_[indexOf(sound)];
    if (!enabled_ || effect == nullptr || effect->status() != QSoundEffect::Ready) {
        return;
    }
    effect->play();
}

} // namespace quintel
