#pragma once

#include "shared/instancelock.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class QLocalServer;
class QWidget;

// One window of a configuration program per user: two would each save over
// what the other saved. The first start holds a lock in the user's private
// folder (the data link's) and listens on a socket beside it; a later start
// that finds the lock held asks it to raise its window and ends.
class SingleWindow : public QObject
{
    Q_OBJECT
public:
    // The socket of program's window; tests name their own. The lock is
    // beside it.
    static QString defaultPath(const QString &program);

    explicit SingleWindow(const QString &path, QObject *parent = nullptr);
    ~SingleWindow() override;

    // Nothing when this start is to open the window (also when no lock can
    // be had: better two windows than none); otherwise the exit code: 0
    // once the open window was raised, 1 when it never answered in waitMs.
    std::optional<int> settle(int waitMs = 5000);

    // The window a later start raises.
    void setWindow(QWidget *window);

signals:
    // A later start asked for the window (after it was raised).
    void raiseRequested();

private:
    bool askToRaise(int waitMs) const;
    void accept();

    QString m_path;
    InstanceLock m_lock;
    QLocalServer *m_server = nullptr;
    QPointer<QWidget> m_window;
};
