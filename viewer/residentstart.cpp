#include "residentstart.h"

#include "residentchannel.h"
#include "viewercontroller.h"

#include "shared/programnames.h"
#include "shared/ui/messagebox.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

namespace ResidentStart {

namespace {
constexpr int kRetryMs = 50;

int report(MessageBoxService &messages, const char *source)
{
    const QString message = QCoreApplication::translate("ResidentStart", source);
    // The box waits for a person; the line says at once what happened.
    std::fprintf(stderr, "%s: %s\n", qPrintable(ProgramNames::kVelmo), qPrintable(message));
    messages.show(message, ViewerController::title(), false);
    return 1;
}
} // namespace

std::optional<int> settle(ResidentChannel &channel, const QString &commandLine, MessageBoxService &messages,
                          int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    for (;;) {
        switch (channel.claim()) {
        case InstanceLock::State::Held:
            return std::nullopt;
        case InstanceLock::State::Unavailable:
            // Without the lock nothing tells whether a viewer runs: one that
            // answers on the socket gets the text, else this one stays.
            std::fprintf(stderr, "%s: %s (%s)\n", qPrintable(ProgramNames::kVelmo),
                         "cannot tell whether another viewer runs", qPrintable(channel.lockError()));
            if (channel.handOver(commandLine, deadline) == ResidentChannel::HandOver::Accepted)
                return 0;
            return std::nullopt;
        case InstanceLock::State::HeldElsewhere:
            break;
        }
        switch (channel.handOver(commandLine, deadline)) {
        case ResidentChannel::HandOver::Accepted:
            return 0;
        case ResidentChannel::HandOver::Refused:
            return report(messages, kRefusedMessage);
        case ResidentChannel::HandOver::NoAnswer:
            break;
        }
        if (deadline.hasExpired())
            return report(messages, kNotAnsweringMessage);
        QThread::msleep(kRetryMs);
    }
}

} // namespace ResidentStart
