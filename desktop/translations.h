#pragma once

#include <QString>
#include <QStringList>

namespace quintel {

// The language the program speaks to a player who asks for `language` ("de", "fr", "en"; empty
// for the desktop's languages, `desktopLanguages` in the order the desktop prefers them): the
// first of them the program speaks, English as soon as English comes, and English when none does.
QString chooseLanguage(const QString& language, const QStringList& desktopLanguages);

// Hands the game's texts for the player (model/translation.h) to the translators installed in the
// application, so that one catalogue holds the desktop's and the game's texts.
void translateGameTextsWithQt();

// Installs the translations of `language` (as for chooseLanguage, with the desktop's languages of
// the system locale): the program's own texts, the game's through the game's translator, and Qt's
// own (the buttons of message boxes, the file dialog) where the system has them. Returns the
// language the program now speaks.
QString installTranslations(const QString& language);

} // namespace quintel
