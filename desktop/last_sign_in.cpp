#include "desktop/last_sign_in.h"

#include "app/computer_seats.h"

#include <QSettings>
#include <QString>

namespace quintel {

namespace {

const QString kName = QStringLiteral("lastSignIn/name");
const QString kFixAny = QStringLiteral("lastSignIn/fixAny");
const QString kFixPermanent = QStringLiteral("lastSignIn/fixPermanent");
const QString kOpponent = QStringLiteral("lastSignIn/opponent");
// By the name the record gives it; a name it does not know is the classic computer.
Opponent opponentNamed(const QString& name) {
    for (const Opponent known : {Opponent::Expert, Opponent::Master, Opponent::Engine}) {
        if (name.toStdString() == recordName(known)) {
            return known;
        }
    }
    return Opponent::Classic;
}

} // namespace

void keepLastSignIn(FormWelcome& welcome, QSettings& settings) {
    if (settings.contains(kName)) {
        welcome.offer = {settings.value(kName).toString().toStdString(),
                         settings.value(kFixAny).toBool(), settings.value(kFixPermanent).toBool(),
                         opponentNamed(settings.value(kOpponent).toString())};
    }
    welcome.onSignIn = [&settings](const WelcomeChoice& choice) {
        settings.setValue(kName, QString::fromStdString(choice.name));
        settings.setValue(kFixAny, choice.fixAny);
        settings.setValue(kFixPermanent, choice.fixPermanent);
        settings.setValue(kOpponent,
                          QString::fromStdString(std::string(recordName(choice.opponent))));
        // Written now: the program may end without an orderly exit.
        settings.sync();
    };
}

} // namespace quintel
