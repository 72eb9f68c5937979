#include "viewersettings.h"

#include <QSettings>
#include <QStringList>

namespace {

const char *const kOrganisation = "Velmo";
const char *const kApplication = "Velmo";
const char *const kGroup = "INI";

// Every key is opened afresh so a change written by another process is seen.
struct Group
{
    QSettings settings{QLatin1String(kOrganisation), QLatin1String(kApplication)};
    Group() { settings.beginGroup(QLatin1String(kGroup)); }
    ~Group() { settings.endGroup(); }
};

QString storedText(const QSettings &settings, const char *key, const QString &fallback)
{
    const QString name = QLatin1String(key);
    if (!settings.contains(name))
        return fallback;
    const QVariant value = settings.value(name);
    // An unquoted comma in a hand-edited file turns the value into a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

int storedNumber(const QSettings &settings, const NumberSetting &setting)
{
    return parseStoredNumber(storedText(settings, setting.key, {}), setting);
}

void setNumber(QSettings &settings, const NumberSetting &setting, int value)
{
    settings.setValue(QLatin1String(setting.key), QString::number(value));
}

} // namespace

bool ViewerSettings::operator==(const ViewerSettings &other) const
{
    return quoteSource == other.quoteSource && showCode == other.showCode
        && intervalMinutes == other.intervalMinutes && linePosition == other.linePosition
        && residentMode == other.residentMode;
}

int parseStoredNumber(const QString &text, const NumberSetting &setting)
{
    int start = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.size() == start || text.size() - start > 10)
        return setting.defaultValue;
    for (int i = start; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return setting.defaultValue;
    }
    const qint64 value = text.toLongLong();
    return value < setting.min || value > setting.max ? setting.defaultValue : static_cast<int>(value);
}

ViewerSettings QSettingsViewerStore::readAll() const
{
    Group group;
    const QSettings &s = group.settings;
    ViewerSettings result;
    result.quoteSource = storedText(s, ViewerKeys::kQuoteSource, result.quoteSource);
    result.showCode = ShowCode(static_cast<quint8>(storedNumber(s, ViewerKeys::kShowCode)));
    result.intervalMinutes = static_cast<qint16>(storedNumber(s, ViewerKeys::kInterval));
    result.linePosition = static_cast<qint16>(storedNumber(s, ViewerKeys::kPosition));
    result.residentMode = static_cast<quint8>(storedNumber(s, ViewerKeys::kResidence));
    return result;
}

void QSettingsViewerStore::writeAll(const ViewerSettings &settings)
{
    Group group;
    QSettings &s = group.settings;
    s.setValue(QLatin1String(ViewerKeys::kQuoteSource), settings.quoteSource);
    setNumber(s, ViewerKeys::kShowCode, settings.showCode.value());
    setNumber(s, ViewerKeys::kInterval, settings.intervalMinutes);
    setNumber(s, ViewerKeys::kPosition, settings.linePosition);
    setNumber(s, ViewerKeys::kResidence, settings.residentMode);
    s.sync();
}

void QSettingsViewerStore::savePosition(qint16 linePosition)
{
    Group group;
    setNumber(group.settings, ViewerKeys::kPosition, linePosition);
    group.settings.sync();
}
