#pragma once

#include <QByteArray>
#include <QStringList>

// The argument string of a program: its arguments (without the program
// name) joined by single spaces, in code page 932, with every leading byte
// up to 0x20 skipped. Its length is not limited.
QByteArray argumentString(const QStringList &arguments);

// The program's arguments (argv[1] on) exactly as given. Programs take
// them before creating the application object and hand Qt none of them, so
// a text that looks like one of Qt's own options (-style, -platform...)
// stays a text.
QStringList programArguments(int argc, char **argv);
