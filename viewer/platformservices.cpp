#include "platformservices.h"

#include "trayfallbackwindow.h"

#include "shared/linkcontract.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMenu>
#include <QSystemTrayIcon>

#include <utility>

QtTickTimer::QtTickTimer(int intervalMs)
{
    m_timer.setInterval(intervalMs);
    m_timer.setTimerType(Qt::CoarseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_handler)
            m_handler();
    });
}

void QtTickTimer::setHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

void QtTickTimer::setRunning(bool running)
{
    // Starting a running QTimer would restart its minute.
    if (running && !m_timer.isActive())
        m_timer.start();
    else if (!running)
        m_timer.stop();
}

namespace {
// The theme's picture when the suite is installed; the built-in one in a
// build folder, or under a theme that lacks it.
QIcon loadIcon(const QString &themeName, const QString &builtIn)
{
    QIcon fallback;
    fallback.addFile(QStringLiteral(":/viewer/%1-32.png").arg(builtIn), QSize(32, 32));
    fallback.addFile(QStringLiteral(":/viewer/%1-16.png").arg(builtIn), QSize(16, 16));
    return QIcon::fromTheme(themeName, fallback);
}

bool statusNotifierPanel()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const QDBusConnectionInterface *names = bus.isConnected() ? bus.interface() : nullptr;
    return names && names->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value();
}
} // namespace

const QString SystemTrayView::kIconName = QStringLiteral("titlecard-suite-velmo");
const QString SystemTrayView::kPausedIconName = QStringLiteral("titlecard-suite-velmo-paused");

SystemTrayView::Desktop SystemTrayView::realDesktop()
{
    return {&QSystemTrayIcon::isSystemTrayAvailable, &statusNotifierPanel};
}

SystemTrayView::SystemTrayView(QObject *parent) : SystemTrayView(realDesktop(), kWaitMs, kPollMs, parent) {}

SystemTrayView::SystemTrayView(Desktop desktop, int waitMs, int pollMs, QObject *parent)
    : QObject(parent), m_desktop(std::move(desktop)), m_presence(waitMs)
{
    const auto action = [this](const QString &text, const char *name) {
        auto *a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        m_actions << a;
        return a;
    };
    QAction *pro = action(tr("プロパティ(&P)..."), "pro");
    action(QString(), "z")->setSeparator(true);
    QAction *play = action(tr("実行(&O)"), "play");
    m_stop = action(tr("タイマーの停止(&T)"), "stop1");
    m_stop->setCheckable(true);
    QAction *end = action(tr("ヴェルモの終了(&X)"), "end");

    connect(pro, &QAction::triggered, this, &SystemTrayView::propertiesRequested);
    connect(play, &QAction::triggered, this, &SystemTrayView::playRequested);
    connect(m_stop, &QAction::triggered, this, &SystemTrayView::stopRequested);
    connect(end, &QAction::triggered, this, &SystemTrayView::endRequested);

    m_poll.setParent(this); // found by name, as the icon is
    m_poll.setObjectName(QStringLiteral("trayPoll"));
    m_poll.setInterval(pollMs);
    m_poll.setTimerType(Qt::CoarseTimer);
    connect(&m_poll, &QTimer::timeout, this, &SystemTrayView::lookAtDesktop);
    m_clock.start();
}

SystemTrayView::~SystemTrayView()
{
    if (m_icon)
        m_icon->hide();
    delete m_fallback;
    delete m_menu;
}

void SystemTrayView::makeIcon()
{
    if (m_icon)
        return;
    m_menu = new QMenu;
    m_menu->setObjectName(QStringLiteral("right"));
    m_menu->setTitle(QStringLiteral("right"));
    m_menu->addActions(m_actions);
    m_icon = new QSystemTrayIcon(this);
    m_icon->setObjectName(QStringLiteral("trayIcon"));
    m_icon->setToolTip(tr("ヴェルモ"));
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, &SystemTrayView::activated);
}

void SystemTrayView::activated(int reason)
{
    const TrayActivation::Event event = reason == QSystemTrayIcon::Trigger       ? TrayActivation::Event::Click
                                        : reason == QSystemTrayIcon::DoubleClick ? TrayActivation::Event::DoubleClick
                                                                                 : TrayActivation::Event::Other;
    if (m_activation.shows(event, m_desktop.panelActivates)) {
        m_menu->hide();
        emit doubleClicked();
    }
}

void SystemTrayView::addIcon(bool paused)
{
    m_wanted = true;
    m_pausedIcon = paused;
    if (m_icon) {
        placeIcon();
        return;
    }
    // Made and placed from the event loop: a viewer that shows one quote
    // and ends before its loop runs never builds its menu, reads its icons
    // or asks for a notification area, and never flashes an icon there.
    if (m_placeQueued)
        return;
    m_placeQueued = true;
    QMetaObject::invokeMethod(this, [this] {
        m_placeQueued = false;
        if (m_wanted)
            placeIcon();
    }, Qt::QueuedConnection);
}

void SystemTrayView::placeIcon()
{
    makeIcon();
    m_icon->setIcon(icon(m_pausedIcon));
    if (m_fallback)
        m_fallback->setWindowIcon(m_icon->icon());
    if (!m_poll.isActive()) {
        lookAtDesktop();
        m_poll.start();
    } else if (m_presence.place() == TrayPresence::Place::Icon) {
        m_icon->show();
    }
}

const QIcon &SystemTrayView::icon(bool paused)
{
    QIcon &icon = paused ? m_paused : m_running;
    if (icon.isNull())
        icon = paused ? loadIcon(kPausedIconName, QStringLiteral("paused"))
                      : loadIcon(kIconName, QStringLiteral("running"));
    return icon;
}

void SystemTrayView::lookAtDesktop()
{
    if (!m_wanted || !m_icon)
        return;
    const TrayPresence::Place before = m_presence.place();
    switch (m_presence.look(m_desktop.trayAvailable(), m_clock.elapsed())) {
    case TrayPresence::Place::Icon:
        if (before != TrayPresence::Place::Icon)
            m_icon->hide(); // registered again with the area that came back
        m_icon->show();
        hideFallbackWindow();
        break;
    case TrayPresence::Place::Waiting:
        break;
    case TrayPresence::Place::Window:
        m_icon->hide();
        showFallbackWindow();
        break;
    }
}

void SystemTrayView::showFallbackWindow()
{
    if (m_fallback)
        return;
    m_fallback = new TrayFallbackWindow(m_actions);
    m_fallback->setWindowIcon(m_icon->icon());
    connect(m_fallback, &TrayFallbackWindow::closeRequested, this, &SystemTrayView::endRequested);
    m_fallback->show();
}

void SystemTrayView::hideFallbackWindow()
{
    if (!m_fallback)
        return;
    m_fallback->hide();
    std::exchange(m_fallback, nullptr)->deleteLater();
}

void SystemTrayView::removeIcon()
{
    // The stand-in window stays: the icon is removed and added again on
    // every pause, and the window must not jump.
    m_wanted = false;
    m_poll.stop();
    if (m_icon)
        m_icon->hide();
}

void SystemTrayView::setStopChecked(bool checked)
{
    m_stop->setChecked(checked);
}

void SystemTrayView::setStopEnabled(bool enabled)
{
    m_stop->setEnabled(enabled);
}

LocalPropertyLink::LocalPropertyLink(int timeoutMs, QObject *parent)
    : QObject(parent), m_client(PropertyLinkContract::kService, PropertyLinkContract::kTopic, PropertyLinkContract::kItem), m_timeoutMs(timeoutMs)
{
    connect(&m_client, &DataLinkClient::valueReceived, this, [this](const QString &value) {
        if (m_onValue)
            m_onValue(value);
    });
    connect(&m_client, &DataLinkClient::ended, this, [this](DataLinkClient::EndReason reason) {
        if (reason != DataLinkClient::EndReason::Closed && m_onGone)
            m_onGone();
    });
}

void LocalPropertyLink::open(std::function<void(const QString &)> onValue, std::function<void()> onGone)
{
    m_onValue = std::move(onValue);
    m_onGone = std::move(onGone);
    m_client.open(m_timeoutMs);
}

void LocalPropertyLink::close()
{
    m_client.close();
}
