#include "viewersettings.h"

#include "shared/inifile.h"

#include <QStandardPaths>

namespace {

const QString kFolder = QStringLiteral("Velmo");
const QString kFileName = QStringLiteral("Velmo.conf");
const QString kGroup = QStringLiteral("INI");

QString storedText(const IniFile &file, const char *key, const QString &fallback)
{
    return file.value(kGroup, QLatin1String(key)).value_or(fallback);
}

int storedNumber(const IniFile &file, const NumberSetting &setting)
{
    return parseStoredNumber(storedText(file, setting.key, {}), setting);
}

void setNumber(IniFile &file, const NumberSetting &setting, int value)
{
    file.setValue(kGroup, QLatin1String(setting.key), QString::number(value));
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

QString ViewerSettingsFile::defaultPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config.isEmpty() ? QString() : config + QLatin1Char('/') + kFolder + QLatin1Char('/') + kFileName;
}

ViewerSettingsFile::ViewerSettingsFile(const QString &path) : m_path(path) {}

ViewerSettings readViewerSettings(const IniFile &file)
{
    ViewerSettings result;
    result.quoteSource = storedText(file, ViewerKeys::kQuoteSource, result.quoteSource);
    result.showCode = ShowCode(static_cast<quint8>(storedNumber(file, ViewerKeys::kShowCode)));
    result.intervalMinutes = static_cast<qint16>(storedNumber(file, ViewerKeys::kInterval));
    result.linePosition = static_cast<qint16>(storedNumber(file, ViewerKeys::kPosition));
    result.residentMode = static_cast<quint8>(storedNumber(file, ViewerKeys::kResidence));
    return result;
}

void writeViewerSettings(IniFile &file, const ViewerSettings &settings, const ViewerSettings *base)
{
    const auto changed = [&](auto ViewerSettings::*field) { return !base || settings.*field != base->*field; };
    if (changed(&ViewerSettings::quoteSource))
        file.setValue(kGroup, QLatin1String(ViewerKeys::kQuoteSource), settings.quoteSource);
    if (changed(&ViewerSettings::showCode))
        setNumber(file, ViewerKeys::kShowCode, settings.showCode.value());
    if (changed(&ViewerSettings::intervalMinutes))
        setNumber(file, ViewerKeys::kInterval, settings.intervalMinutes);
    if (changed(&ViewerSettings::linePosition))
        setNumber(file, ViewerKeys::kPosition, settings.linePosition);
    if (changed(&ViewerSettings::residentMode))
        setNumber(file, ViewerKeys::kResidence, settings.residentMode);
}

ViewerSettings ViewerSettingsFile::readAll() const
{
    // Read afresh every time, so a change written by another program is seen.
    return readViewerSettings(IniFile::load(m_path).file);
}

bool ViewerSettingsFile::writeChanges(const ViewerSettings &base, const ViewerSettings &now)
{
    return IniFile::update(m_path, [&](IniFile &file) { writeViewerSettings(file, now, &base); }, &m_error);
}

bool ViewerSettingsFile::savePosition(qint16 linePosition)
{
    return IniFile::update(m_path, [&](IniFile &file) { setNumber(file, ViewerKeys::kPosition, linePosition); },
                           &m_error);
}
