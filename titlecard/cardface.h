#pragma once

#include <QString>
#include <QStringList>

// Which installed face a card writes with.
namespace CardFace {

// Japanese faces a card falls back to, in order of preference.
QStringList gothicFaces();
QStringList minchoFaces();

// The chosen face when it is installed (in any letter case), otherwise the
// first installed face of `preferred`, otherwise the first installed face
// able to write Japanese, otherwise the chosen face (Qt then picks a
// substitute). A Latin-only fallback would draw the title as boxes, so
// Japanese faces come first.
QString resolve(const QString &face, const QStringList &preferred, const QStringList &installed,
                const QStringList &japanese);

// The same with the faces installed in the running application.
QString resolveInstalled(const QString &face, const QStringList &preferred);

} // namespace CardFace
