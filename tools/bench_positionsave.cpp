// What saving the reading position after every display costs: one save of
// a new "Ms" (read, edit, write aside, flush to disk, replace) and one that
// finds the value already there. The file lives in a temporary folder
// under the given folder, so the figure is that of its disk. Run by hand:
//   build/tools/bench_positionsave [folder, ~/.config by default]

#include "shared/inifile.h"
#include "viewer/viewersettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {
// Milliseconds of each of count saves, median and slowest.
void report(const char *what, QList<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-22s median %.3f ms, slowest %.3f ms (%lld saves)\n", what, times.at(times.size() / 2),
                times.last(), static_cast<long long>(times.size()));
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QTemporaryDir dir(base + QStringLiteral("/bench-positionsave-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    ViewerSettingsFile store(dir.filePath(QStringLiteral("Velmo/Velmo.conf")));
    IniFile::update(store.path(), [](IniFile &file) { writeViewerSettings(file, ViewerSettings()); });
    constexpr int kSaves = 200;
    QList<double> changed, unchanged;
    QElapsedTimer timer;
    for (int i = 0; i < kSaves; ++i) {
        timer.start();
        if (!store.savePosition(static_cast<qint16>(i + 2))) {
            std::fprintf(stderr, "%s\n", qPrintable(store.errorString()));
            return 1;
        }
        changed << double(timer.nsecsElapsed()) / 1e6;
        timer.start();
        store.savePosition(static_cast<qint16>(i + 2));
        unchanged << double(timer.nsecsElapsed()) / 1e6;
    }
    std::printf("on %s\n", qPrintable(dir.path()));
    report("new position:", changed);
    report("position unchanged:", unchanged);
    return 0;
}
