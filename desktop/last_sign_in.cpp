#include "desktop/last_sign_in.h"

#include <QSettings>
#include <QString>

namespace quintel {

namespace {

const QString kName = QStringLiteral("lastSignIn/name");
const QString kFixAny = QStringLiteral("lastSignIn/fixAny");
const QString kFixPermanent = QStringLiteral("lastSignIn/fixPermanent");
const QString kOpponent = QStringLiteral("lastSignIn/opponent");
const QString kExpert = QStringLiteral("expert");

} // namespace

void keepLastSignIn(FormWelcome& welcome, QSettings& settings) {
    if (settings.contains(kName)) {
        welcome.offer = {settings.value(kName).toString().toStdString(),
                         settings.value(kFixAny).toBool(), settings.value(kFixPermanent).toBool(),
                         settings.value(kOpponent).toString() == kExpert ? Opponent::Expert
                                                                         : Opponent::Classic};
    }
    welcome.onSignIn = [&settings](const WelcomeChoice& choice) {
        settings.setValue(kName, QString::fromStdString(choice.name));
        settings.setValue(kFixAny, choice.fixAny);
        settings.setValue(kFixPermanent, choice.fixPermanent);
        settings.setValue(
            kOpponent, choice.opponent == Opponent::Expert ? kExpert : QStringLiteral("classic"));
        // Written now: the program may end without an orderly exit.
        settings.sync();
    };
}

} // namespace quintel
