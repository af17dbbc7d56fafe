#include "app/screen.h"

namespace quintel {

void Screen::Load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    design();
    Form_Load();
}

void Screen::Show() {
    Load();
    shown_ = true;
}

void Screen::Unload() {
    loaded_ = false;
    shown_ = false;
}

} // namespace quintel
