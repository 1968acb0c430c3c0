#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace Zyntra {

namespace {

Language chosen = Language::FollowDesktop;
bool german = false;

// Every room's German catalogue compiled in: the shell's and those of the
// rooms that keep their figures' words beside them.
const std::vector<std::unique_ptr<QTranslator>> &germanCatalogues()
{
    static const std::vector<std::unique_ptr<QTranslator>> catalogues = [] {
        std::vector<std::unique_ptr<QTranslator>> all;
        const QDir folder(QStringLiteral(":/translations"));
        for (const QString &name : folder.entryList({QStringLiteral("*_de.qm")}, QDir::Files)) {
            auto catalogue = std::make_unique<QTranslator>();
            if (catalogue->load(folder.filePath(name)))
                all.push_back(std::move(catalogue));
        }
        return all;
    }();
    return catalogues;
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
    for (const auto &catalogue : germanCatalogues()) {
        if (german)
            QCoreApplication::installTranslator(catalogue.get());
        else
            QCoreApplication::removeTranslator(catalogue.get());
    }
}

bool speaksGerman()
{
    return german;
}

} // namespace Zyntra
