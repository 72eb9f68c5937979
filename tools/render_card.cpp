// Renders the title card tambwin would show into a PNG file, without
// opening a window.
//
//   render_card [--size WxH] [--time SECONDS] [--ini FILE] -o OUT.png [-- ARGUMENTS...]
//
// ARGUMENTS are tambwin's own command-line arguments, e.g. "12" or
// "-s a,b,c,d,e". --time fixes the clock for a random episode.

#include "titlecard/cardcomposition.h"
#include "titlecard/clock.h"
#include "titlecard/titlefontfile.h"

#include "shared/argumentstring.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstdio>
#include <optional>

namespace {

// Large enough for any screen in use; larger sizes would only exhaust memory.
constexpr int kMaxSide = 8192;

class FixedClock : public Clock
{
public:
    explicit FixedClock(std::int64_t seconds) : m_seconds(seconds) {}
    std::int64_t secondsSinceEpoch() const override { return m_seconds; }

private:
    std::int64_t m_seconds;
};

std::optional<QSize> parseSize(const QString &text)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$")).match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QSize size(m.captured(1).toInt(), m.captured(2).toInt());
    if (size.isEmpty() || size.width() > kMaxSide || size.height() > kMaxSide)
        return std::nullopt;
    return size;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "render_card: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a GUI application, but nothing is ever shown.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt gets only the program name: tambwin's arguments may look like Qt's
    // own options (-reverse, -platform...) and must reach the card unchanged.
    const QStringList arguments = QStringList{QString::fromLocal8Bit(argv[0])} + programArguments(argc, argv);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders a tambwin title card into a PNG file."));
    parser.addHelpOption();
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("Screen size."),
                                        QStringLiteral("WxH"), QStringLiteral("640x480"));
    const QCommandLineOption timeOption(QStringLiteral("time"),
                                        QStringLiteral("Clock for a random episode, in seconds since 1970."),
                                        QStringLiteral("seconds"));
    const QCommandLineOption iniOption(QStringLiteral("ini"), QStringLiteral("Settings file."),
                                       QStringLiteral("file"), TitleFontFile::kFileName);
    const QCommandLineOption outOption({QStringLiteral("o"), QStringLiteral("output")},
                                       QStringLiteral("PNG file to write."), QStringLiteral("file"));
    parser.addOptions({sizeOption, timeOption, iniOption, outOption});
    parser.addPositionalArgument(QStringLiteral("arguments"), QStringLiteral("tambwin's arguments (after --)."));
    parser.process(arguments);

    const std::optional<QSize> size = parseSize(parser.value(sizeOption));
    if (!size)
        return fail(QStringLiteral("bad --size, expected e.g. 1280x720, at most %1 a side").arg(kMaxSide));
    if (!parser.isSet(outOption))
        return fail(QStringLiteral("no output file (-o)"));

    std::int64_t seconds = 0;
    if (parser.isSet(timeOption)) {
        bool ok = false;
        seconds = parser.value(timeOption).toLongLong(&ok);
        if (!ok)
            return fail(QStringLiteral("bad --time"));
    } else {
        seconds = SystemClock().secondsSinceEpoch();
    }

    const QImage card = composeCardForArguments(argumentString(parser.positionalArguments()), *size,
                                                FixedClock(seconds), parser.value(iniOption));
    if (card.isNull())
        return fail(QStringLiteral("the card could not be composed at this size"));
    QSaveFile file(parser.value(outOption));
    if (!file.open(QIODevice::WriteOnly) || !card.save(&file, "PNG") || !file.flush() || !file.commit())
        return fail(QStringLiteral("cannot write ") + parser.value(outOption));
    return 0;
}
