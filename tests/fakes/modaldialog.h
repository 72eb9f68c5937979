#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>

// Answers the next modal dialog once it is up and active, from a timer
// while the dialog runs its own loop. A dialog the answer leaves open is
// rejected after five seconds, so that a test fails rather than hangs.
inline void whenDialogShows(std::function<void(QDialog *)> answer)
{
    auto *poll = new QTimer(qApp); // gone with the application even if no dialog ever shows
    QObject::connect(poll, &QTimer::timeout, [poll, answer, shown = QPointer<QDialog>(), polls = 0]() mutable {
        if (polls == 0) {
            shown = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!shown)
                return;
            answer(shown);
        }
        if (!shown || !shown->isVisible())
            poll->deleteLater();
        else if (++polls > 500)
            shown->reject();
    });
    poll->start(10);
}
