#pragma once

#include <QByteArray>
#include <QStringList>

// The argument string of a program: its arguments (without the program
// name) joined by single spaces, in code page 932, with every leading byte
// up to 0x20 skipped. Its length is not limited.
QByteArray argumentString(const QStringList &arguments);
