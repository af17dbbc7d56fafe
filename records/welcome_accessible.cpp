#include "records/form_welcome.h"

namespace quintel {

AccessibleText FormWelcome::accessibleText(const Control& control) const {
    if (&control == &Label1) {
        return {control.caption, "Asks for the name you play under"};
    }
    if (&control == &txtName) {
        return {"Your name", "The name your history and profile files are kept under"};
    }
    if (&control == &cmdExit) {
        return {control.caption, "End the program"};
    }
    if (&control == &fraOpponent) {
        return {"Opponent",
                engineName.empty()
                    ? "The computer you play against: Classic, Expert or Master"
                    : "The computer you play against: Classic, Expert, Master or the engine " +
                          engineName};
    }
    if (&control == &lblFolder) {
        return {control.caption, "The folder that keeps your history and profile files"};
    }
    return plainAccessibleText(control);
}

} // namespace quintel
