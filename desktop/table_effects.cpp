#include "desktop/table_effects.h"

#include "desktop/die_button_widget.h"
#include "desktop/screen_window.h"
#include "match/match.h"
#include "table/form_start.h"

#include <optional>

namespace quintel {

TableEffects::TableEffects(const FormStart& table, const match::Match& match, ScreenWindow& window,
                           QObject* parent)
    : QObject(parent), table_(table), match_(match), window_(window),
      decided_(match.phase() == match::Phase::Decided) {}

void TableEffects::noticeChanges() {
    std::optional<Sound> heard;
    bool thrown = false;
    for (std::size_t die = 0; die < faces_.size(); ++die) {
        const Control& control = table_.Dice[die];
        // The face alone: marking a die for a new throw is no throw.
        const QString face = QString::fromStdString(control.caption.substr(0, 1));
        auto* widget = qobject_cast<DieButtonWidget*>(window_.widgetFor(control));
        const bool inView = widget != nullptr && widget->isVisible();
        if (inView && face != faces_[die] && !face.isEmpty()) {
            thrown = true;
            if (animated_) {
                widget->tumble(kTumbleMs);
            }
        }
        // Faces put on dice out of view are no throw when the dice come into view: the
        // computer's dice taken over, the dice shown at a verdict.
        faces_[die] = face;
    }
    const qsizetype lines = QString::fromStdString(table_.Text1.caption).count(QLatin1Char('\n'));
    if (lines > callLines_) {
        heard = Sound::Call;
    }
    callLines_ = lines;
    if (thrown) {
        heard = Sound::Throw;
    }
    // The table decides a game before its verdict is shown.
    const bool decided = match_.phase() == match::Phase::Decided;
    if (decided && !decided_) {
        heard = Sound::Verdict;
    }
    decided_ = decided;
    if (heard) {
        emit sound(*heard);
    }
}

} // namespace quintel
