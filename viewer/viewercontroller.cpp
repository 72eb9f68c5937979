#include "viewercontroller.h"

#include "messagebox.h"
#include "quotetexts.h"
#include "viewerseams.h"

#include "shared/programfolder.h"
#include "shared/programstarter.h"
#include "shared/viewersettings.h"

ViewerController::ViewerController(const Services &services, const QString &commandLine,
                                   QObject *parent)
    : QObject(parent), m_services(services),
      m_player(services.starter, services.messages, services.random, services.programFolder,
               services.workingFolder)
{
    m_player.state().commandLine = commandLine;
    m_services.timer.setHandler([this] { Timer1_Timer(); });
}

void ViewerController::Form_Load()
{
    ViewerState &s = m_player.state();
    s.settings = m_services.store.readAll();
    m_services.tray.setStopChecked(false);
    m_services.tray.addIcon(false);
    m_tickCount = 1;
    if (!s.commandLine.isEmpty())
        s.settings.quoteSource = QuoteSources::kCommandLine;
    applyInterval();
    if (s.settings.residentMode != 2 && !Play2())
        return;
    if (s.settings.residentMode == 0)
        close(0);
}

void ViewerController::Timer1_Timer()
{
    if (m_closed)
        return;
    // "Reaches or passes": an interval lowered below the ticks already
    // counted is met at the next tick instead of never. A tick that comes
    // while a display is still open is only counted, and the display follows
    // at the next one.
    const int interval = m_player.state().settings.intervalMinutes;
    if (interval > 0 && m_tickCount >= interval && !m_playing) {
        if (!Play2())
            return;
        m_tickCount = 0;
    }
    ++m_tickCount;
}

void ViewerController::trayDoubleClick()
{
    Play2();
}

void ViewerController::play_Click()
{
    Play2();
}

void ViewerController::stop1_Click()
{
    if (m_closed || m_player.state().settings.intervalMinutes <= 0)
        return; // the item is disabled without a periodic display
    Stop2();
}

void ViewerController::pro_Click()
{
    if (m_closed || m_propertySession)
        return; // one property window at a time: it holds the link
    m_pausedBeforeProperties = m_paused;
    Stop2();
    m_services.store.savePosition(m_player.state().settings.linePosition);
    const QString program = findProgram(QStringLiteral("velmoinit"), m_services.programFolder);
    if (program.isEmpty() || !m_services.starter.start(program, {})) {
        setPaused(m_pausedBeforeProperties);
        return;
    }
    m_propertySession = true;
    m_confirmed = false;
    m_services.link.open([this](const QString &value) { okt_Change(value); },
                         [this] { endPropertySession(); });
}

void ViewerController::okt_Change(const QString &value)
{
    if (m_closed)
        return;
    if (value == QLatin1String("OK")) {
        ViewerState &s = m_player.state();
        s.settings = m_services.store.readAll();
        m_confirmed = true;
        // The pause made when the window opened is over; the new interval
        // decides whether the timer runs.
        m_paused = true;
        applyInterval();
        setPaused(false);
        if (s.settings.residentMode == 0) {
            // A display still open (a message box) ends first; the last
            // display and the close follow it.
            if (m_playing)
                m_endAfterDisplay = true;
            else if (Play2())
                close(0);
        }
    } else if (value == QLatin1String("end")) {
        endPropertySession();
    }
}

void ViewerController::end_Click()
{
    close(0);
}

void ViewerController::Form_QueryUnload()
{
    if (m_closed)
        return;
    m_closed = true;
    m_services.timer.setRunning(false);
    if (m_propertySession) {
        m_propertySession = false;
        m_services.link.close();
    }
    m_services.tray.removeIcon();
    m_services.store.savePosition(m_player.state().settings.linePosition);
}

bool ViewerController::Play2()
{
    if (m_closed || m_playing)
        return !m_closed;
    m_playing = true;
    const bool ok = m_player.play();
    m_playing = false;
    if (m_closed)
        return false; // the program ended while a message box was open
    if (!ok) {
        errorPath();
        return false;
    }
    if (m_endAfterDisplay) {
        m_endAfterDisplay = false;
        if (Play2())
            close(0);
        return false;
    }
    return true;
}

void ViewerController::Stop2()
{
    setPaused(!m_paused);
}

void ViewerController::setPaused(bool paused)
{
    if (m_closed)
        return;
    if (paused != m_paused) {
        m_paused = paused;
        m_services.tray.setStopChecked(paused);
        m_services.tray.removeIcon();
        m_services.tray.addIcon(paused);
    }
    m_services.timer.setRunning(!m_paused && m_player.state().settings.intervalMinutes > 0);
}

void ViewerController::applyInterval()
{
    // A negative interval is as good as none: it could never be reached.
    const bool periodic = m_player.state().settings.intervalMinutes > 0;
    m_services.tray.setStopEnabled(periodic);
    m_services.timer.setRunning(periodic && !m_paused);
}

void ViewerController::errorPath()
{
    m_services.messages.show(kBadFileMessage, kTitle, false);
    close(1);
}

void ViewerController::close(int exitCode)
{
    if (m_closed)
        return;
    Form_QueryUnload();
    emit finished(exitCode);
}

void ViewerController::endPropertySession()
{
    if (!m_propertySession)
        return;
    m_propertySession = false;
    m_services.link.close();
    if (!m_confirmed)
        setPaused(m_pausedBeforeProperties);
}
