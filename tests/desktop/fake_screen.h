#pragma once

#include "app/game.h"
#include "testing/scripted_message_boxes.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace quintel::qttest {

// A screen with a control of each kind whose handlers record what reaches them; like the game's
// screens, its handlers change the tick and the selected option themselves.
class FakeScreen : public Screen {
public:
    using Screen::Screen;

    Control title, log, entry, go, stop, tick, frame, picture, timer;
    std::array<Control, 3> choice;
    int goClicks = 0, closes = 0;
    std::vector<std::string> entries;

    std::vector<Control*> controls() override {
        return {&title, &log,       &entry,     &go,        &stop,    &tick,
                &frame, &choice[0], &choice[1], &choice[2], &picture, &timer};
    }
    void closeFromFrame() override {
        ++closes;
        Unload();
    }

protected:
    void design() override {
        windowCaption = "Fake";
        using enum ControlKind;
        title = make("title", Label, "Title", {120, 120, 1695, 255});
        log = make("log", TextBox, "", {240, 360, 2175, 1215}, 0);
        log.edited = [this](std::string text) { log.caption = std::move(text); };
        entry = make("entry", TextBox, "", {1440, 1800, 1935, 285}, 1);
        entry.edited = [this](std::string text) { entries.push_back(std::move(text)); };
        go = make("go", Button, "Go", {2640, 2760, 735, 375}, 3);
        go.click = [this] { ++goClicks; };
        stop = make("stop", Button, "Stop", {3600, 2760, 735, 375}, 2);
        stop.enabled = false;
        stop.click = [] { ADD_FAILURE() << "a disabled button was clicked"; };
        tick = make("tick", CheckBox, "Tick", {1680, 1200, 1695, 375}, 4);
        tick.click = [this] { tick.value = !tick.value; };
        frame = make("frame", Frame, "", {960, 3240, 2295, 255});
        for (std::size_t i = 0; i < choice.size(); ++i) {
            choice[i] =
                make("choice", OptionButton, "", {120 + 360 * static_cast<int>(i), 0, 255, 255});
            choice[i].container = &frame;
            choice[i].value = i == 0;
            choice[i].click = [this, i] {
                for (std::size_t k = 0; k < choice.size(); ++k) {
                    choice[k].value = k == i;
                }
            };
        }
        picture = make("picture", PictureBox, "", {1560, 1800, 255, 255});
        timer = make("timer", Timer, "", {360, 840, 0, 0});
    }

private:
    static Control make(std::string name, ControlKind kind, std::string caption, Place place,
                        int tabOrder = -1) {
        Control control;
        control.name = std::move(name);
        control.kind = kind;
        control.caption = std::move(caption);
        control.place = place;
        control.tabOrder = tabOrder;
        return control;
    }
};

// A game to show in the windows.
struct GameContext {
    TempFolder folder;
    ScriptedMessageBoxes messages;
    RandomSource random{7};
    Game game{folder.path(), messages, random};
};

} // namespace quintel::qttest
