#include "settingslocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace SettingsLocation {

QString installedMarkerName()
{
    return QStringLiteral(SUITE_INSTALLED_MARKER);
}

QString suiteFolderName()
{
    return QStringLiteral(SUITE_FOLDER_NAME);
}

bool isInstalled(const QString &programFolder)
{
    // Any kind of entry counts: the marker carries no content.
    return !programFolder.isEmpty()
           && QFileInfo::exists(programFolder + QLatin1Char('/') + installedMarkerName());
}

QString userFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
           + suiteFolderName();
}

QString filePath(const QString &fileName, const QString &buildLayoutFolder, const QString &programFolder)
{
    if (!isInstalled(programFolder))
        return buildLayoutFolder.isEmpty() ? fileName : buildLayoutFolder + QLatin1Char('/') + fileName;
    const QString folder = userFolder();
    // A folder that cannot be made shows up as a failed save of the file.
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + fileName;
}

} // namespace SettingsLocation
