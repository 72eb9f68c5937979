#pragma once

#include "quoteplayer.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class DesktopNotifier;
class MessageBoxService;
class ProgramStarter;
class PropertyLink;
class RandomSource;
class TickTimer;
class TrayIconView;
class ViewerSettingsStore;

// The logic of the viewer's hidden window: start-up, the timer, the tray
// menu, the pause, the property window and its notifications, and closing.
class ViewerController : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        ViewerSettingsStore &store;
        TrayIconView &tray;
        TickTimer &timer;
        ProgramStarter &starter;
        MessageBoxService &messages;
        RandomSource &random;
        PropertyLink &link;
        QString programFolder;
        QString workingFolder;
        DesktopNotifier *notifier = nullptr; // the notification output; a box without it
        // Run before the words of a box are chosen: a run without windows
        // yet loads the interface's language there.
        std::function<void()> beforeBox = {};
    };

    // The title of the viewer's boxes, in the interface's language.
    static QString title();

    ViewerController(const Services &services, const QString &commandLine, QObject *parent = nullptr);

    void load();
    void tick();
    void trayDoubleClick();
    // Whether a later start's command line is taken now: not once the
    // viewer is closing, nor beyond a few waiting behind an open display.
    bool takesHandOvers() const;
    // A later start's command line: none shows the next quote, as a double
    // click does; a text is shown once as the command-line mode shows it,
    // and the viewer then goes on with its own source. One that comes while
    // a display is open (a message box) waits for it to close.
    void showHandedOver(const QString &commandLine);
    void playNow();
    void pauseRequested();
    void openProperties();
    void propertyLinkChanged(const QString &value);
    // The settings were saved by a property window this viewer did not
    // start: read them again as after the link's "OK", the pause aside.
    void reloadSettings();
    void quit();
    // Every way out ends here; running it twice does nothing more. False
    // when the reading position could not be saved.
    bool unload();

    const ViewerState &state() const { return m_player.state(); }
    bool isPaused() const { return m_paused; }
    bool isClosed() const { return m_closed; }
    bool propertyWindowOpen() const { return m_propertySession; }

signals:
    // The window has closed; the program ends with this code.
    void finished(int exitCode);

private:
    static constexpr int kMaxWaitingHandOvers = 8;

    bool showQuote();
    void showWaitingHandOvers();
    void showCommandLineOnce(const QString &commandLine);
    void togglePause();
    void setPaused(bool paused);
    void applyInterval();
    void readSavedSettings();
    void endIfShowingOnce();
    void errorPath();
    void close(int exitCode);
    void endPropertySession();
    bool savePosition(bool closing);
    void prepareBox();

    Services m_services;
    QuotePlayer m_player;
    int m_tickCount = 0;
    bool m_paused = false;
    bool m_playing = false;
    bool m_closed = false;
    bool m_propertySession = false;
    bool m_pausedBeforeProperties = false;
    bool m_confirmed = false;
    bool m_endAfterDisplay = false; // a confirmed residency mode 0 waits for the open display
    bool m_saveFailureShown = false; // one box per run of failed saves
    qint16 m_positionAtDisplay = 0;   // the reading position the open display started from
    std::optional<qint16> m_chosenPosition; // a start line confirmed while the display was open
    int m_reloads = 0;                      // confirmed changes read so far
    QStringList m_handOvers;                // waiting for the open display to close
    bool m_showingHandOvers = false;
};
