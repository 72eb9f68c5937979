#include "viewer/messagebox.h"
#include "viewer/platformservices.h"
#include "viewer/randomsource.h"
#include "viewer/viewercontroller.h"
#include "viewerfakes.h"

#include "shared/programstarter.h"

#include <QTemporaryDir>
#include <QtTest>

// An hour of one-minute displays in fast motion: the real tray, starter,
// store and random draw, with only the minute shortened by driving the
// timer by hand. The resident memory must not grow with the displays.
class TestViewerMemory : public QObject
{
    Q_OBJECT
private slots:
    void anHourOfDisplays();
};

namespace {
long residentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}
} // namespace

void TestViewerMemory::anHourOfDisplays()
{
    QTemporaryDir folder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.filePath("config"));
    QVERIFY(QFile::copy(qEnvironmentVariable("SUITE_DIR") + "/tamber.vmf", folder.filePath("tamber.vmf")));
    QFile fake(folder.filePath("tambwin"));
    QVERIFY(fake.open(QIODevice::WriteOnly));
    fake.write("#!/bin/sh\nexit 0\n");
    fake.close();
    fake.setPermissions(fake.permissions() | QFileDevice::ExeOwner);

    QSettingsViewerStore store;
    ViewerSettings settings;
    settings.intervalMinutes = 1;
    settings.residentMode = 1;
    store.writeAll(settings);
    SystemTrayView tray;
    FakeTimer timer;
    ProcessStarter starter;
    QtMessageBoxService messages;
    ClockSeededRandom random;
    LocalPropertyLink link;
    ViewerController controller({store, tray, timer, starter, messages, random, link, folder.path(),
                                 folder.path()},
                                {});
    controller.Form_Load();
    QCoreApplication::processEvents();
    const long afterFirst = residentKiB();
    for (int minute = 1; minute <= 60; ++minute) {
        timer.tick();
        QCoreApplication::processEvents();
    }
    const long afterHour = residentKiB();
    QVERIFY(!controller.isClosed());
    qInfo("resident memory after the first display: %ld KiB, after 60 more: %ld KiB (%+ld KiB)",
          afterFirst, afterHour, afterHour - afterFirst);
    QVERIFY(afterHour - afterFirst < 2048);
    controller.end_Click();
}

QTEST_MAIN(TestViewerMemory)
#include "test_viewermemory.moc"
