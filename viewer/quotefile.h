#pragma once

#include <QString>

#include <optional>

class QIODevice;

// A quote file: one record per line, record n belonging to chapter or
// episode n. Lines end in CR LF, LF or a CR alone; a last line without an
// ending is a record too, and an empty line is one. A file that is valid
// UTF-8 (with or without a byte-order mark) is UTF-8, any other is code
// page 932.
namespace QuoteFile {

// The line counter is 16 bits wide.
constexpr int kMaxLines = 32767;
// Nothing longer fits on a card or a command line; longer lines are cut.
constexpr int kMaxLineBytes = 64 * 1024;

enum class Status {
    Ok,
    CannotOpen,
    TooManyLines,
    NotText, // holds NUL bytes, which no command line can carry
};

struct Scan
{
    Status status = Status::CannotOpen;
    int lineCount = 0;
    bool utf8 = false;
};

// One pass over the whole file without keeping it: counts the records,
// tells the encoding, and stops early at the first sign of a bad file.
// Only a regular file is opened, and never with a wait: a named pipe, a
// device or a folder cannot be opened.
Scan scan(const QString &path);
// The same over an open device, from where it stands.
Scan scan(QIODevice &file);

// Record `number` (1-based) of a file with the given encoding; nothing when
// the file cannot be read or has fewer records (it changed since the scan).
std::optional<QString> line(const QString &path, int number, bool utf8);
std::optional<QString> line(QIODevice &file, int number, bool utf8);

} // namespace QuoteFile
