#pragma once

#include <QString>

// The suite's programs by their bare names: every start, look-up and
// application name uses these, so a program is named in one place.
namespace ProgramNames {
inline const QString kTambwin = QStringLiteral("tambwin");
inline const QString kTambinit = QStringLiteral("tambinit");
inline const QString kVelmo = QStringLiteral("velmo");
inline const QString kVelmoinit = QStringLiteral("velmoinit");
inline const QString kMirinit = QStringLiteral("mirinit");
inline const QString kMirwin = QStringLiteral("mirwin");
inline const QString kDastor = QStringLiteral("dastor");
} // namespace ProgramNames
