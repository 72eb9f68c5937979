// Renders the title card tambwin, mirwin or dastor would show into a PNG
// file, without opening a window.
//
//   render_card [--card NAME] [--size WxH] [--time SECONDS] [--ini FILE]
//               [--quotes FILE] -o OUT.png [-- ARGUMENTS...]
//
// ARGUMENTS are the card program's own command-line arguments, e.g. "12"
// or "-s a,b,c,d,e" for tambwin. --time fixes the clock for a random
// episode or quote. --ini names the settings file (tambwin.ini or
// mirwin.ini, default: in the current directory); --quotes names dastor's
// quote file (default: dastor.vmf in the current directory).

#include "second_card/mirwincard.h"
#include "second_config/mirwinsettingsfile.h"
#include "third_card/dastorcard.h"
#include "titlecard/cardcomposition.h"
#include "titlecard/clock.h"
#include "titlecard/titlefontfile.h"
#include "viewer/quotesources.h"

#include "shared/argumentstring.h"
#include "shared/programnames.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QRandomGenerator>
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

// The card a program shows for these arguments; null for an unknown name.
QImage compose(const QString &card, const QStringList &arguments, const QSize &size, std::int64_t seconds,
               const QString &ini, const QString &quotes)
{
    // A draw fixed by the clock, as the episode of tambwin's card is.
    const double random = QRandomGenerator(static_cast<quint32>(seconds)).generateDouble();
    if (card == ProgramNames::kTambwin)
        return composeCardForArguments(argumentString(arguments), size, FixedClock(seconds),
                                       ini.isEmpty() ? TitleFontFile::kFileName : ini);
    if (card == ProgramNames::kMirwin)
        return MirwinCard::composeForArguments(arguments, size, random,
                                               ini.isEmpty() ? MirwinSettingsFile::kFileName : ini);
    if (card == ProgramNames::kDastor)
        return DastorCard::composeForArguments(arguments, size, random,
                                               quotes.isEmpty() ? QuoteSources::kDastor : quotes);
    return {};
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a GUI application, but nothing is ever shown.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt gets only the program name: a card's arguments may look like Qt's
    // own options (-reverse, -platform...) and must reach the card unchanged.
    const QStringList arguments = QStringList{QString::fromLocal8Bit(argv[0])} + programArguments(argc, argv);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders a title card into a PNG file."));
    parser.addHelpOption();
    const QCommandLineOption cardOption(QStringLiteral("card"), QStringLiteral("tambwin, mirwin or dastor."),
                                        QStringLiteral("name"), ProgramNames::kTambwin);
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("Screen size."),
                                        QStringLiteral("WxH"), QStringLiteral("640x480"));
    const QCommandLineOption timeOption(QStringLiteral("time"),
                                        QStringLiteral("Clock for a random episode, in seconds since 1970."),
                                        QStringLiteral("seconds"));
    const QCommandLineOption iniOption(QStringLiteral("ini"), QStringLiteral("Settings file of tambwin or mirwin."),
                                       QStringLiteral("file"));
    const QCommandLineOption quotesOption(QStringLiteral("quotes"), QStringLiteral("Quote file of dastor."),
                                          QStringLiteral("file"));
    const QCommandLineOption outOption({QStringLiteral("o"), QStringLiteral("output")},
                                       QStringLiteral("PNG file to write."), QStringLiteral("file"));
    parser.addOptions({cardOption, sizeOption, timeOption, iniOption, quotesOption, outOption});
    parser.addPositionalArgument(QStringLiteral("arguments"), QStringLiteral("The card program's arguments (after --)."));
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

    const QString name = parser.value(cardOption);
    if (name != ProgramNames::kTambwin && name != ProgramNames::kMirwin && name != ProgramNames::kDastor)
        return fail(QStringLiteral("unknown --card ") + name);
    const QImage card = compose(name, parser.positionalArguments(), *size, seconds, parser.value(iniOption),
                                parser.value(quotesOption));
    if (card.isNull())
        return fail(QStringLiteral("the card could not be composed at this size"));
    QSaveFile file(parser.value(outOption));
    if (!file.open(QIODevice::WriteOnly) || !card.save(&file, "PNG") || !file.flush() || !file.commit())
        return fail(QStringLiteral("cannot write ") + parser.value(outOption));
    return 0;
}
