#include "propertychoices.h"

#include "viewer/quotesources.h"

#include <QCoreApplication>

namespace PropertyChoices {

QString shown(const QString &text)
{
    return QCoreApplication::translate("PropertyChoices", text.toUtf8().constData());
}

namespace {
using Order = ShowCode::Order;
using Output = ShowCode::Output;
} // namespace

const QList<SourceChoice> &sourceChoices()
{
    using namespace QuoteSources;
    static const QList<SourceChoice> table = {
        {QStringLiteral("Option10"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "星環タンバー")),
         kTamber,
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "星環タンバー"))},
        {QStringLiteral("Option8"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "アニメ星環タンバー")),
         kAnitamb,
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "アニメ星環タンバー"))},
        {QStringLiteral("Option18"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "アニメ星環タンバー（シ）")),
         kTambkari,
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "アニメ星環タンバーシナリオタイトル"))},
        {QStringLiteral("Option1"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "月影ミレル")),
         kMirelle,
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "月影ミレル"))},
        {QStringLiteral("Option6"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "アニメ月影ミレル")),
         kAnimir,
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "アニメ月影ミレル"))},
        {QStringLiteral("Option2"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "アニメクイロン")),
         kQuill,
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "アニメクイロン"))},
        {QStringLiteral("Option5"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "ダストル")),
         kDastor,
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "ダストル"))},
        {QStringLiteral("Option20"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "ファイルから読み込み")),
         QString(),
         QString()},
    };
    return table;
}

const SourceChoice *fixedSource(const QString &ops)
{
    for (const SourceChoice &choice : sourceChoices()) {
        if (!choice.fileName.isEmpty() && choice.fileName == ops)
            return &choice;
    }
    return nullptr;
}

const SourceChoice &fileSource()
{
    return sourceChoices().constLast();
}

const QList<OrderChoice> &orderChoices()
{
    static const QList<OrderChoice> table = {
        {QStringLiteral("Option15"), QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "順次")), Order::InFileOrder},
        {QStringLiteral("Option21"), QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "ランダム")), Order::Random},
    };
    return table;
}

const QList<MethodChoice> &methodChoices()
{
    static const QList<MethodChoice> table = {
        {QStringLiteral("Option12"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "タンバー for Win95")),
         Output::TitleCard},
        {QStringLiteral("Option7"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "ミレル for Win95")),
         Output::Mirwin},
        {QStringLiteral("Option13"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "ダストル for Win")),
         Output::Dastor},
        {QStringLiteral("Option14"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "メッセージボックス")),
         Output::MessageBox},
        {QStringLiteral("Option22"),
         QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "デスクトップ通知")),
         Output::Notification},
    };
    return table;
}

const QList<ModeChoice> &modeChoices()
{
    static const QList<ModeChoice> table = {
        {QStringLiteral("Option3"), QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "一回だけ")), 0, false},
        {QStringLiteral("Option16"), QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "一回だけ（常駐）")), 1, false},
        {QStringLiteral("Option17"), QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "起動時表示なし（常駐）")), 2, false},
        {QStringLiteral("Option4"), QStringLiteral(QT_TRANSLATE_NOOP("PropertyChoices", "一定時間ごと（常駐）")), 1, true},
    };
    return table;
}

const ModeChoice *modeFor(quint8 residentMode, qint16 intervalMinutes)
{
    for (const ModeChoice &choice : modeChoices()) {
        if (choice.residentMode != residentMode)
            continue;
        // Jo 1 is shared by two options: the interval tells them apart.
        if (residentMode == 1 && choice.usesInterval != (intervalMinutes != 0))
            continue;
        return &choice;
    }
    return nullptr;
}

std::optional<ShowCode::Order> orderOf(quint8 showCode)
{
    const ShowCode code(showCode);
    return code.isKnown() ? std::optional(code.order()) : std::nullopt;
}

std::optional<ShowCode::Output> outputOf(quint8 showCode)
{
    const ShowCode code(showCode);
    return code.isKnown() ? std::optional(code.output()) : std::nullopt;
}

quint8 withOrder(quint8 showCode, ShowCode::Order order)
{
    const ShowCode code(showCode);
    return code.isKnown() ? ShowCode(order, code.output()).value() : showCode;
}

quint8 withOutput(quint8 showCode, ShowCode::Output output)
{
    const ShowCode code(showCode);
    return code.isKnown() ? ShowCode(code.order(), output).value() : showCode;
}

} // namespace PropertyChoices
