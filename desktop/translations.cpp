#include "desktop/translations.h"

#include "model/translation.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <string>

namespace quintel {

namespace {

// Where the build puts the program's catalogues, inside the program.
QString catalogueOf(const QString& language) {
    return QStringLiteral(":/i18n/quintel_") + language + QStringLiteral(".qm");
}

bool install(const QString& file, const QString& folder = {}) {
    auto* translator = new QTranslator(qApp);
    if (!translator->load(file, folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

QString chooseLanguage(const QString& language, const QStringList& desktopLanguages) {
    const QStringList wanted = language.isEmpty() ? desktopLanguages : QStringList{language};
    for (const QString& name : wanted) {
        const QString code = QLocale::languageToCode(QLocale(name).language());
        if (code == QLatin1String("en") || name == QLatin1String("C")) {
            return QStringLiteral("en");
        }
        if (QFile::exists(catalogueOf(code))) {
            return code;
        }
    }
    return QStringLiteral("en");
}

QString installTranslations(const QString& language) {
    const QString chosen = chooseLanguage(language, QLocale::system().uiLanguages());
    if (chosen == QLatin1String("en") || !install(catalogueOf(chosen))) {
        return QStringLiteral("en");
    }
    install(QStringLiteral("qtbase_") + chosen, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QLocale::setDefault(QLocale(chosen));
    translateGameTextsWithQt();
    return chosen;
}

void translateGameTextsWithQt() {
    // The game's texts are found in the same catalogue, under their contexts.
    setTranslator([](std::string_view context, std::string_view english) {
        return QCoreApplication::translate(std::string(context).c_str(),
                                           std::string(english).c_str())
            .toStdString();
    });
}

} // namespace quintel
