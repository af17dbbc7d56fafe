#include "records/form_welcome.h"

#include "model/translation.h"

namespace quintel {

AccessibleText FormWelcome::accessibleText(const Control& control) const {
    if (&control == &Label1) {
        return {control.caption, translated("Accessible", "Asks for the name you play under")};
    }
    if (&control == &txtName) {
        return {translated("Accessible", "Your name"),
                translated("Accessible", "The name your history and profile files are kept under")};
    }
    if (&control == &cmdExit) {
        return {control.caption, translated("Accessible", "End the program")};
    }
    if (&control == &fraOpponent) {
        return {translated("Accessible", "Opponent"),
                engineName.empty()
                    ? translated("Accessible",
                                 "The computer you play against: Classic, Expert or Master")
                    : withArguments(translated("Accessible", "The computer you play against: "
                                                             "Classic, Expert, Master or the "
                                                             "engine %1"),
                                    {engineName})};
    }
    if (&control == &lblFolder) {
        return {control.caption,
                translated("Accessible", "The folder that keeps your history and profile files")};
    }
    return plainAccessibleText(control);
}

} // namespace quintel
