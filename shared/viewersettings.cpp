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

QString storedText(const QSettings &settings, const QString &key, const QString &fallback)
{
    if (!settings.contains(key))
        return fallback;
    const QVariant value = settings.value(key);
    // An unquoted comma in a hand-edited file turns the value into a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace

bool ViewerSettings::operator==(const ViewerSettings &other) const
{
    return quoteSource == other.quoteSource && showCode == other.showCode
        && intervalMinutes == other.intervalMinutes && linePosition == other.linePosition
        && residentMode == other.residentMode;
}

int parseStoredNumber(const QString &text, int min, int max, int fallback)
{
    int start = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.size() == start || text.size() - start > 10)
        return fallback;
    for (int i = start; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return fallback;
    }
    const qint64 value = text.toLongLong();
    return value < min || value > max ? fallback : static_cast<int>(value);
}

ViewerSettings QSettingsViewerStore::readAll() const
{
    const ViewerSettings defaults;
    Group group;
    const QSettings &s = group.settings;
    ViewerSettings result;
    result.quoteSource = storedText(s, QStringLiteral("Ops"), defaults.quoteSource);
    result.showCode = static_cast<quint8>(
        parseStoredNumber(storedText(s, QStringLiteral("Sh"), {}), 0, 255, defaults.showCode));
    result.intervalMinutes = static_cast<qint16>(parseStoredNumber(
        storedText(s, QStringLiteral("Tim"), {}), -32768, 32767, defaults.intervalMinutes));
    result.linePosition = static_cast<qint16>(parseStoredNumber(
        storedText(s, QStringLiteral("Ms"), {}), -32768, 32767, defaults.linePosition));
    result.residentMode = static_cast<quint8>(
        parseStoredNumber(storedText(s, QStringLiteral("Jo"), {}), 0, 255, defaults.residentMode));
    return result;
}

void QSettingsViewerStore::writeAll(const ViewerSettings &settings)
{
    Group group;
    QSettings &s = group.settings;
    s.setValue(QStringLiteral("Ops"), settings.quoteSource);
    s.setValue(QStringLiteral("Sh"), QString::number(settings.showCode));
    s.setValue(QStringLiteral("Tim"), QString::number(settings.intervalMinutes));
    s.setValue(QStringLiteral("Ms"), QString::number(settings.linePosition));
    s.setValue(QStringLiteral("Jo"), QString::number(settings.residentMode));
    s.sync();
}

void QSettingsViewerStore::savePosition(qint16 linePosition)
{
    Group group;
    group.settings.setValue(QStringLiteral("Ms"), QString::number(linePosition));
    group.settings.sync();
}
