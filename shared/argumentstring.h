#pragma once

#include <QString>
#include <QStringList>

// The argument string of a program: its arguments (without the program
// name) joined by single spaces, with every leading character up to 0x20
// skipped. Its length is not limited.
QString argumentString(const QStringList &arguments);

// The program's arguments (argv[1] on), each read as UTF-8 or, when it is
// not UTF-8 but valid code page 932, as code page 932 (see
// TextEncoding::decode). Programs take them before creating the
// application object and hand Qt none of them, so a text that looks like
// one of Qt's own options (-style, -platform...) stays a text.
QStringList programArguments(int argc, char **argv);
