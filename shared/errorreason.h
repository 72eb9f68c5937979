#pragma once

#include <QFileDevice>
#include <QString>

// Short Japanese reasons for a file operation that failed, for the boxes
// and lines that report a failed read or save: a person can act on
// "ディスクの空き容量が足りません", not on "Unknown error". The file's
// path is added by the caller.
namespace ErrorReason {

// The reason for errno value code.
QString fromErrno(int code);
// For Qt's file errors, where no errno is at hand.
QString fromFileError(QFileDevice::FileError error);

// Reasons that are not an errno.
QString notRegularFile();
QString tooLarge(qint64 maxBytes);

} // namespace ErrorReason
