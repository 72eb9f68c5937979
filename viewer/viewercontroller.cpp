#include "viewercontroller.h"

#include "quotesources.h"
#include "viewerseams.h"
#include "viewersettings.h"

#include "shared/linkcontract.h"
#include "shared/programnames.h"
#include "shared/programstarter.h"
#include "shared/ui/messagebox.h"

#include <cstdio>
#include <utility>

QString ViewerController::title()
{
    return tr("ヴェルモ for Windows95");
}

ViewerController::ViewerController(const Services &services, const QString &commandLine,
                                   QObject *parent)
    : QObject(parent), m_services(services),
      m_player(services.starter, services.messages, services.random, services.programFolder,
               services.workingFolder, services.notifier)
{
    m_player.state().commandLine = commandLine;
    m_services.timer.setHandler([this] { tick(); });
}

void ViewerController::load()
{
    ViewerState &s = m_player.state();
    s.settings = m_services.store.readAll();
    m_services.tray.setStopChecked(false);
    m_services.tray.addIcon(false);
    m_tickCount = 1;
    if (!s.commandLine.isEmpty())
        s.settings.quoteSource = QuoteSources::kCommandLine;
    applyInterval();
    if (s.settings.residentMode != 2 && !showQuote())
        return;
    if (s.settings.residentMode == 0)
        close(0);
}

void ViewerController::tick()
{
    if (m_closed)
        return;
    // "Reaches or passes": an interval lowered below the ticks already
    // counted is met at the next tick instead of never. A tick that comes
    // while a display is still open is only counted, and the display follows
    // at the next one.
    const int interval = m_player.state().settings.intervalMinutes;
    if (interval > 0 && m_tickCount >= interval && !m_playing) {
        if (!showQuote())
            return;
        m_tickCount = 0;
    }
    ++m_tickCount;
}

void ViewerController::trayDoubleClick()
{
    showQuote();
}

bool ViewerController::takesHandOvers() const
{
    return !m_closed && !m_endAfterDisplay && m_handOvers.size() < kMaxWaitingHandOvers;
}

void ViewerController::showHandedOver(const QString &commandLine)
{
    if (m_closed)
        return;
    m_handOvers.append(commandLine);
    showWaitingHandOvers();
}

void ViewerController::showWaitingHandOvers()
{
    // One loop shows them in turn; what comes during one of its displays
    // joins the queue it is working through.
    if (m_showingHandOvers)
        return;
    m_showingHandOvers = true;
    while (!m_closed && !m_playing && !m_handOvers.isEmpty()) {
        const QString commandLine = m_handOvers.takeFirst();
        if (commandLine.isEmpty())
            showQuote();
        else
            showCommandLineOnce(commandLine);
    }
    m_showingHandOvers = false;
}

void ViewerController::showCommandLineOnce(const QString &commandLine)
{
    ViewerState &s = m_player.state();
    const QString ownSource = s.settings.quoteSource;
    const QString ownCommandLine = s.commandLine;
    const int reloads = m_reloads;
    s.settings.quoteSource = QuoteSources::kCommandLine;
    s.commandLine = commandLine;
    showQuote();
    // Settings confirmed during the display are the viewer's own now.
    if (m_reloads == reloads)
        s.settings.quoteSource = ownSource;
    s.commandLine = ownCommandLine;
}

void ViewerController::playNow()
{
    showQuote();
}

void ViewerController::pauseRequested()
{
    if (m_closed || m_player.state().settings.intervalMinutes <= 0)
        return; // the item is disabled without a periodic display
    togglePause();
}

void ViewerController::openProperties()
{
    if (m_closed || m_propertySession)
        return; // one property window at a time: it holds the link
    m_pausedBeforeProperties = m_paused;
    togglePause();
    savePosition(false);
    const QString program = m_services.starter.locate(ProgramNames::kVelmoinit, m_services.programFolder);
    const bool started = !program.isEmpty() && m_services.starter.start(program, {});
    if (!started) {
        setPaused(m_pausedBeforeProperties);
        // A menu command that does nothing leaves the user guessing.
        const QString message = program.isEmpty()
            ? tr("プロパティの設定プログラム (velmoinit) がインストールされていません。")
            : tr("プロパティの設定プログラム (velmoinit) を起動できませんでした。");
        std::fprintf(stderr, "%s: %s\n", qPrintable(ProgramNames::kVelmo), qPrintable(message));
        m_services.messages.show(message, title(), false);
        return;
    }
    m_propertySession = true;
    m_confirmed = false;
    m_services.link.open([this](const QString &value) { propertyLinkChanged(value); },
                         [this] { endPropertySession(); });
}

void ViewerController::propertyLinkChanged(const QString &value)
{
    if (m_closed)
        return;
    if (value == PropertyLinkContract::kSaved) {
        readSavedSettings();
        m_confirmed = true;
        // The pause made when the window opened is over; the new interval
        // decides whether the timer runs.
        m_paused = true;
        applyInterval();
        setPaused(false);
        endIfShowingOnce();
    } else if (value == PropertyLinkContract::kEnded) {
        endPropertySession();
    }
}

void ViewerController::reloadSettings()
{
    if (m_closed)
        return;
    // No window this viewer opened has paused it: the person's own pause stays.
    readSavedSettings();
    applyInterval();
    endIfShowingOnce();
}

void ViewerController::readSavedSettings()
{
    ViewerState &s = m_player.state();
    s.settings = m_services.store.readAll();
    ++m_reloads;
    // A start line moved while a display is open is the line the person
    // wants next; the display must not advance past it when it ends.
    if (m_playing && s.settings.linePosition != m_positionAtDisplay)
        m_chosenPosition = s.settings.linePosition;
}

void ViewerController::endIfShowingOnce()
{
    if (m_player.state().settings.residentMode != 0)
        return;
    // A display still open (a message box) ends first; the last display
    // and the close follow it.
    if (m_playing)
        m_endAfterDisplay = true;
    else if (showQuote())
        close(0);
}

void ViewerController::quit()
{
    close(0);
}

bool ViewerController::unload()
{
    if (m_closed)
        return true;
    m_closed = true;
    m_services.timer.setRunning(false);
    if (m_propertySession) {
        m_propertySession = false;
        m_services.link.close();
    }
    m_services.tray.removeIcon();
    return savePosition(true);
}

bool ViewerController::showQuote()
{
    if (m_closed || m_playing)
        return !m_closed;
    m_playing = true;
    m_positionAtDisplay = m_player.state().settings.linePosition;
    m_chosenPosition.reset();
    // A box's or a notification's caption is worded while the quote is
    // read: the windows (and with them the interface's language) first.
    const ShowCode code = m_player.state().settings.showCode;
    if (code.shows(ShowCode::Output::MessageBox) || code.shows(ShowCode::Output::Notification))
        prepareBox();
    const bool ok = m_player.play();
    m_playing = false;
    if (m_closed)
        return false; // the program ended while a message box was open
    if (!ok) {
        errorPath();
        return false;
    }
    if (m_chosenPosition)
        m_player.state().settings.linePosition = *std::exchange(m_chosenPosition, std::nullopt);
    // Saved after every display, so a crash or a power cut loses at most
    // the display in progress instead of everything since the start.
    savePosition(false);
    if (m_closed)
        return false; // ended while the failure was being reported
    if (m_endAfterDisplay) {
        // What later starts were promised comes before the last display.
        m_endAfterDisplay = false;
        showWaitingHandOvers();
        if (showQuote())
            close(0);
        return false;
    }
    showWaitingHandOvers();
    return !m_closed;
}

void ViewerController::togglePause()
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
    // The box waits for a person; the line says at once what happened.
    prepareBox();
    const QString failure = m_player.failure();
    const QString message = tr("ファイルが適切でありません。");
    std::fprintf(stderr, "%s: %s %s\n", qPrintable(ProgramNames::kVelmo), qPrintable(message), qPrintable(failure));
    m_services.messages.showWithDetails(message, title(), failure);
    close(1);
}

void ViewerController::close(int exitCode)
{
    if (m_closed)
        return;
    // A position that could not be saved is a failure of the run.
    if (!unload() && exitCode == 0)
        exitCode = 1;
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

bool ViewerController::savePosition(bool closing)
{
    if (m_services.store.savePosition(m_player.state().settings.linePosition)) {
        m_saveFailureShown = false;
        return true;
    }
    const QString reason = m_services.store.errorString();
    if (!closing)
        prepareBox();
    const QString message = tr("読み出し位置を保存できませんでした。");
    qWarning("%s: %s %s", qPrintable(ProgramNames::kVelmo), qPrintable(message), qPrintable(reason));
    // While closing nobody may be there to answer a box (a logout, a
    // signal): the line on stderr must do.
    if (!closing && !m_saveFailureShown) {
        m_saveFailureShown = true;
        m_services.messages.show(message + QLatin1Char('\n') + reason, title(), false);
    }
    return false;
}

void ViewerController::prepareBox()
{
    if (m_services.beforeBox)
        m_services.beforeBox();
}
