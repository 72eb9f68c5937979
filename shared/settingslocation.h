#pragma once

#include <QString>

// Where the settings files that the programs write (tambwin.ini, mirwin.ini)
// live. Run from the build folder, each stays where it always was: beside
// the programs or in the current directory. Installed, the program folder
// belongs to root, so they move to the user's own suite folder under
// ~/.config. The install step puts a marker file beside the programs; its
// presence, not the folder's permissions (root may write anywhere), tells
// the two layouts apart.
namespace SettingsLocation {

// The name of the marker file the install step puts beside the programs.
QString installedMarkerName();

// The name of the suite's folder: lib/<name> under the install prefix and
// ~/.config/<name> for the user's settings.
QString suiteFolderName();

// True when programFolder holds the install marker.
bool isInstalled(const QString &programFolder);

// The user's suite folder under the XDG configuration folder (~/.config).
QString userFolder();

// The path of the writable settings file fileName. In the build layout it
// lies in buildLayoutFolder, or is the bare name (the current directory)
// when that is empty; in the installed layout it lies in userFolder(),
// which is created on the way so that a first save succeeds.
QString filePath(const QString &fileName, const QString &buildLayoutFolder, const QString &programFolder);

} // namespace SettingsLocation
