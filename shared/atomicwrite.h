#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// Replaces the file at path with data in one step: the new text goes to a
// temporary file beside it, every write and the flush are checked, and only
// then does it take the old file's place. On any failure (a full disk, no
// rights, no descriptor left) the old file, or none, stays as it was and
// error, when given, says why.
bool writeFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr);

// The same for a file made of several parts, written one after the other
// (a large file need not be put together in memory first).
bool writeFileAtomically(const QString &path, const QList<QByteArrayView> &parts, QString *error = nullptr);
