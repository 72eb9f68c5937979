#include "platformservices.h"

#include "trayfallbackwindow.h"

#include "shared/linkcontract.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

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
QIcon loadIcon(const QString &name)
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/viewer/%1-32.png").arg(name), QSize(32, 32));
    icon.addFile(QStringLiteral(":/viewer/%1-16.png").arg(name), QSize(16, 16));
    return icon;
}
} // namespace

SystemTrayView::SystemTrayView(QObject *parent)
    : SystemTrayView(&QSystemTrayIcon::isSystemTrayAvailable, kWaitMs, 1000, parent)
{
}

SystemTrayView::SystemTrayView(Availability available, int waitMs, int pollMs, QObject *parent)
    : QObject(parent), m_available(std::move(available)), m_waitMs(waitMs)
{
    const auto action = [this](const QString &text, const char *name) {
        auto *a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        m_actions << a;
        return a;
    };
    QAction *pro = action(QStringLiteral("プロパティ(&P)..."), "pro");
    action(QString(), "z")->setSeparator(true);
    QAction *play = action(QStringLiteral("実行(&O)"), "play");
    m_stop = action(QStringLiteral("タイマーの停止(&T)"), "stop1");
    m_stop->setCheckable(true);
    QAction *end = action(QStringLiteral("ヴェルモの終了(&X)"), "end");

    connect(pro, &QAction::triggered, this, &SystemTrayView::propertiesRequested);
    connect(play, &QAction::triggered, this, &SystemTrayView::playRequested);
    connect(m_stop, &QAction::triggered, this, &SystemTrayView::stopRequested);
    connect(end, &QAction::triggered, this, &SystemTrayView::endRequested);

    m_wait.setParent(this); // found by name, as the icon is
    m_wait.setObjectName(QStringLiteral("trayWait"));
    m_wait.setInterval(pollMs);
    connect(&m_wait, &QTimer::timeout, this, &SystemTrayView::waitForNotificationArea);
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
    m_icon->setToolTip(QStringLiteral("ヴェルモ"));
    m_icon->setContextMenu(m_menu);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick) {
            m_menu->hide();
            emit doubleClicked();
        }
    });
}

void SystemTrayView::addIcon(bool paused)
{
    m_wanted = true;
    if (m_fallback) {
        makeIcon();
        m_icon->setIcon(icon(paused));
        m_fallback->setWindowIcon(m_icon->icon());
        return;
    }
    m_pausedIcon = paused;
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
    if (m_fallback) {
        m_fallback->setWindowIcon(m_icon->icon());
    } else if (m_available()) {
        m_wait.stop();
        m_icon->show();
    } else if (!m_wait.isActive()) {
        m_waited.start();
        m_wait.start();
    }
}

const QIcon &SystemTrayView::icon(bool paused)
{
    QIcon &icon = paused ? m_paused : m_running;
    if (icon.isNull())
        icon = loadIcon(paused ? QStringLiteral("paused") : QStringLiteral("running"));
    return icon;
}

void SystemTrayView::waitForNotificationArea()
{
    if (m_available()) {
        m_wait.stop();
        m_icon->show();
    } else if (m_waited.elapsed() >= m_waitMs) {
        m_wait.stop();
        showFallbackWindow();
    }
}

void SystemTrayView::showFallbackWindow()
{
    makeIcon();
    m_fallback = new TrayFallbackWindow(m_actions);
    m_fallback->setWindowIcon(m_icon->icon());
    connect(m_fallback, &TrayFallbackWindow::closeRequested, this, &SystemTrayView::endRequested);
    m_fallback->show();
}

void SystemTrayView::removeIcon()
{
    // The stand-in window stays until the view goes: the icon is removed
    // and added again on every pause, and the window must not jump.
    m_wanted = false;
    m_wait.stop();
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
