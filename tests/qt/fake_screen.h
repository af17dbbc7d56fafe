#pragma once

#include "app/game.h"
#include "app/screen.h"
#include "model/random_source.h"
#include "tests/scripted_message_boxes.h"
#include "tests/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace quintel::qttest {

// A screen with one control of every kind, whose handlers only count and record what reaches
// them. Its check box and option buttons change their state in their handlers, as the game's
// screens do.
class FakeScreen : public Screen {
public:
    explicit FakeScreen(Game& game) : Screen(game) {}

    Control title, log, entry, go, stop, tick, frame, picture, face, timer;
    std::array<Control, 3> choice;

    int goClicks = 0;
    int closes = 0;
    std::vector<std::string> entries, logEdits;
    bool unloadOnClose = true;

    std::vector<Control*> controls() override {
        return {&title,     &log,       &entry,     &go,      &stop, &tick, &frame,
                &choice[0], &choice[1], &choice[2], &picture, &face, &timer};
    }

    void closeFromFrame() override {
        ++closes;
        if (unloadOnClose) {
            Unload();
        }
    }

protected:
    void design() override {
        windowCaption = "Fake";
        clientWidth = 4680;
        clientHeight = 3795;
        title = make("title", ControlKind::Label, "Title", {120, 120, 1695, 255});
        log = make("log", ControlKind::TextBox, "", {240, 360, 2175, 1215}, 0);
        log.edited = [this](std::string text) {
            logEdits.push_back(text);
            log.caption = std::move(text);
        };
        entry = make("entry", ControlKind::TextBox, "", {1440, 1800, 1935, 285}, 1);
        entry.edited = [this](std::string text) { entries.push_back(std::move(text)); };
        go = make("go", ControlKind::Button, "Go", {2640, 2760, 735, 375}, 3);
        go.click = [this] { ++goClicks; };
        stop = make("stop", ControlKind::Button, "Stop", {3600, 2760, 735, 375}, 2);
        stop.enabled = false;
        stop.click = [this] { ADD_FAILURE() << "a disabled button was clicked"; };
        tick = make("tick", ControlKind::CheckBox, "Tick", {1680, 1200, 1695, 375}, 4);
        tick.click = [this] { tick.value = !tick.value; };
        frame = make("frame", ControlKind::Frame, "", {960, 3240, 2295, 255});
        for (int i = 0; i < 3; ++i) {
            Control& option = choice[static_cast<std::size_t>(i)];
            option = make("choice", ControlKind::OptionButton, "", {120 + 360 * i, 0, 255, 255});
            option.index = i;
            option.container = &frame;
            option.value = i == 0;
            option.click = [this, i] {
                for (std::size_t k = 0; k < choice.size(); ++k) {
                    choice[k].value = static_cast<int>(k) == i;
                }
            };
        }
        picture = make("picture", ControlKind::PictureBox, "", {1560, 1800, 255, 255});
        face = make("Image5", ControlKind::Image, "", {240, 600, 315, 315});
        timer = make("timer", ControlKind::Timer, "", {360, 840, 0, 0});
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

// A game that fake screens can belong to; its own screens are never shown.
struct GameContext {
    TempFolder folder;
    ScriptedMessageBoxes messages;
    RandomSource random{7};
    Game game{folder.path(), messages, random};
};

} // namespace quintel::qttest
