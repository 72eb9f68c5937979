// How long velmoinit's preview takes to read the start line of large quote
// files, and how long the window's thread is held while it does. Run by
// hand:
//   build/tools/bench_startline [folder for the test files, default /tmp]

#include "viewer_properties/startlinereader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>

namespace {

bool makeFile(const QString &path, qint64 lines, qint64 bytesPerLine)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    // Lines of up to a megabyte go out in blocks of many, longer ones piece by piece.
    constexpr qint64 kBlock = 1 << 20;
    const QByteArray piece(qMin(bytesPerLine, kBlock), 'a');
    const qint64 perBlock = qMax<qint64>(1, kBlock / (bytesPerLine + 2));
    QByteArray block;
    if (bytesPerLine <= kBlock) {
        for (qint64 i = 0; i < perBlock; ++i)
            block += piece + "\r\n";
    }
    for (qint64 written = 0; written < lines;) {
        if (bytesPerLine <= kBlock) {
            const qint64 count = qMin(perBlock, lines - written);
            const qint64 size = count * (bytesPerLine + 2);
            if (file.write(block.constData(), size) != size)
                return false;
            written += count;
        } else {
            for (qint64 done = 0; done < bytesPerLine; done += piece.size()) {
                if (file.write(piece) != piece.size())
                    return false;
            }
            if (file.write("\r\n") != 2)
                return false;
            ++written;
        }
    }
    return true;
}

// The read through the window's reader: the time until its answer, and the
// longest stretch the event loop went without running a 1 ms timer.
void measure(const char *name, const QString &path, int position)
{
    StartLineReader reader;
    QElapsedTimer clock;
    qint64 longestGap = 0;
    qint64 lastTick = 0;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = qMax(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });
    StartLine result;
    QObject::connect(&reader, &StartLineReader::finished, [&](const StartLine &line) {
        result = line;
        QCoreApplication::exit();
    });
    clock.start();
    ticker.start();
    reader.request(path, position, {});
    const qint64 requestMs = clock.elapsed();
    QCoreApplication::exec();
    std::printf("%-36s answer after %6lld ms (request returned after %lld ms, longest event-loop gap %lld ms): %s, "
                "%d lines\n",
                name, static_cast<long long>(clock.elapsed()), static_cast<long long>(requestMs),
                static_cast<long long>(longestGap), result.ok ? "read" : "not readable", result.lineCount);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    const struct
    {
        const char *name;
        qint64 lines;
        qint64 bytesPerLine;
        int position;
    } cases[] = {
        {"10^6 lines of 40 bytes", 1000000, 40, 1},
        {"32767 lines of 40 bytes, last line", 32767, 40, 32767},
        {"32767 lines of 4 KB, last line", 32767, 4096, 32767},
        {"one line of 512 MB", 1, 512 << 20, 1},
    };
    for (const auto &c : cases) {
        const QString path = folder + QStringLiteral("/bench_startline.txt");
        if (!makeFile(path, c.lines, c.bytesPerLine)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        measure(c.name, path, c.position);
        QFile::remove(path);
    }
    return 0;
}
