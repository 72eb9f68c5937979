#pragma once

#include <QList>
#include <QString>

// The files beside the programs that the property window looks at when it
// opens: which of them must be present for a control to be enabled, and
// the face name of the title card's settings.
namespace PropertyFiles {

// A control that stays disabled when its file is missing from the
// program folder.
struct PresenceCheck
{
    QString fileName;
    QString control;
};
// In the order they are checked.
const QList<PresenceCheck> &presenceChecks();

// The face name of tambwin.ini (its fourteenth line), empty when the file
// is missing, is no regular file or has no such line.
QString tambwinFace(const QString &path);

} // namespace PropertyFiles
