#include "language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace Zyntra {

namespace {

Language chosen = Language::FollowDesktop;
bool german = false;

QTranslator &germanCatalogue()
{
    static QTranslator catalogue;
    static const bool loaded = catalogue.load(QStringLiteral(":/translations/zyntra_de.qm"));
    Q_UNUSED(loaded);
    return catalogue;
}

// The desktop's first language for messages (LANGUAGE, then LC_MESSAGES and LANG).
bool desktopSpeaksGerman()
{
    const QStringList languages = QLocale::system().uiLanguages();
    return !languages.isEmpty() && languages.first().startsWith(QLatin1String("de"));
}

} // namespace

Language language()
{
    return chosen;
}

void setLanguage(Language language)
{
    chosen = language;
    const bool wanted = language == Language::German || (language == Language::FollowDesktop && desktopSpeaksGerman());
    if (wanted == german)
        return;
    german = wanted;
    if (german)
        QCoreApplication::installTranslator(&germanCatalogue());
    else
        QCoreApplication::removeTranslator(&germanCatalogue());
}

bool speaksGerman()
{
    return german;
}

} // namespace Zyntra
