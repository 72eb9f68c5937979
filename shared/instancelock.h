#pragma once

#include <QString>

// The mark of the one running copy of a program (the resident viewer, a
// configuration window): an advisory lock on a file in the user's private
// folder, held while this object lives. The kernel lets go of it when the
// process ends, however it ends, so a copy that died never blocks the next
// one, and one that is stopped or hung still holds it.
class InstanceLock
{
public:
    enum class State {
        Held,           // this object holds it
        HeldElsewhere,  // another running copy holds it
        Unavailable,    // no lock can be had here (see errorString)
    };

    explicit InstanceLock(const QString &path);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // One try, without waiting.
    State take();
    bool isHeld() const { return m_fd >= 0; }
    QString errorString() const { return m_error; }

private:
    QString m_path;
    QString m_error;
    int m_fd = -1;
};
