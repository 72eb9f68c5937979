#pragma once

#include <QString>

// The usage texts of the suite's programs, in English and Japanese.
namespace ProgramInfoTexts {

struct Usage
{
    const QString *program; // one of ProgramNames
    const char *english;  // UTF-8
    const char *japanese; // UTF-8
};

// The usage of one program; nullptr for a name that is not the suite's.
const Usage *usageOf(const QString &program);

} // namespace ProgramInfoTexts
