#pragma once

#include <QByteArrayList>
#include <QString>

#include <optional>

// What every program of the suite says to `--help` and `--version`. The
// answer is printed on standard output in the person's language and the
// program ends before it needs a window system, so it works in a terminal
// without a display, and in scripts.
namespace ProgramInfo {

enum class Language { English, Japanese };
enum class Request { None, Help, Version };

// The locale variables that choose the language of messages.
struct LocaleVariables
{
    QString language;   // LANGUAGE
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG
};

LocaleVariables currentLocale();

// The language of messages as gettext picks it for every other program:
// the locale is the first of LC_ALL, LC_MESSAGES and LANG that is set; in
// the C locale (or none) messages are English and LANGUAGE is not looked
// at; otherwise the first entry of the list LANGUAGE that names Japanese or
// English decides, and without one the locale's own language.
Language languageOf(const LocaleVariables &locale);

// Only a command line of exactly one argument, "--help" or "--version",
// asks; anything else (more arguments, other spellings) keeps its meaning.
Request requestOf(const QByteArrayList &arguments);

// The suite's version, the one the build names.
QString version();

// The text a program prints: its usage or its version, licence included.
// Empty for a name that is not one of the suite's programs.
QString text(const QString &program, Request request, Language language);

// In main(), before anything else: answers `program --help` and
// `program --version` and gives the exit code (0, or 1 when standard
// output could not be written); nothing for any other command line.
std::optional<int> answer(const QString &program, int argc, char **argv);

} // namespace ProgramInfo
