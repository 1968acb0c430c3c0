#include "usersettings.h"

#include <QSettings>

namespace Zyntra::UserSettings {

namespace {

const QString ExactConstantsKey = QStringLiteral("calculation/exactConstants");

QSettings store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Zyntra"), QStringLiteral("Zyntra"));
}

} // namespace

bool exactConstants()
{
    const QSettings settings = store();
    if (settings.status() != QSettings::NoError)
        return false;
    // Anything but a plain yes or no, hand-edited or damaged, is the default.
    const QString value = settings.value(ExactConstantsKey).toString();
    return value == QLatin1String("true");
}

bool setExactConstants(bool exact)
{
    QSettings settings = store();
    if (settings.status() != QSettings::NoError)
        return false;
    settings.setValue(ExactConstantsKey, exact);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace Zyntra::UserSettings
