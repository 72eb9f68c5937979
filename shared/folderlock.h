#pragma once

#include <QString>

// An advisory lock on a folder, held while this object lives, that
// programs of the suite take around a read-modify-write of a file in it (or
// around taking a name in it), so two of them never interleave. It is a
// lock on the folder's own descriptor: no lock file is made, so it works on
// a full disk and leaves nothing behind.
class FolderLock
{
public:
    // Waits at most timeoutMs for another holder to let go.
    explicit FolderLock(const QString &folder, int timeoutMs = 2000);
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    bool isLocked() const { return m_fd >= 0; }
    QString errorString() const { return m_error; }

private:
    int m_fd = -1;
    QString m_error;
};
