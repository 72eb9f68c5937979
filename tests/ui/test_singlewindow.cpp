#include "shared/ui/singlewindow.h"

#include <QWidget>
#include <QtTest>

#include <future>
#include <optional>

// A second start of a configuration program: it raises the open window
// and ends, or opens its own when none is open. The second start blocks,
// as a starting program does, so it runs on a thread of its own while the
// test's loop answers for the first.
class TestSingleWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath("window"); }

private slots:
    void secondStart_data()
    {
        QTest::addColumn<QString>("first");  // what the first start left
        QTest::addColumn<int>("exitCode");   // of the second; -1: it opens its window
        QTest::addColumn<bool>("raised"); // the open window comes to the front
        QTest::newRow("window open") << "open" << 0 << true;
        QTest::newRow("window closed") << "ended" << -1 << false;
        QTest::newRow("hung before listening") << "lock only" << 1 << false;
    }
    void secondStart()
    {
        QFETCH(QString, first);
        QWidget window;
        InstanceLock lockOnly(path() + ".lock");
        std::optional<SingleWindow> open;
        if (first == "lock only") {
            QCOMPARE(lockOnly.take(), InstanceLock::State::Held);
        } else {
            open.emplace(path());
            QVERIFY(!open->settle().has_value());
            open->setWindow(&window);
        }
        if (first == "ended")
            open.reset();
        std::future<int> second =
            std::async(std::launch::async, [&] { return SingleWindow(path()).settle(300).value_or(-1); });
        QTRY_VERIFY_WITH_TIMEOUT(second.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 20000);
        QTEST(second.get(), "exitCode");
        QTEST(window.isVisible(), "raised");
    }
};

QTEST_MAIN(TestSingleWindow)
#include "test_singlewindow.moc"
