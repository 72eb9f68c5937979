#include "propertychoices.h"

#include "viewer/quotesources.h"

namespace PropertyChoices {

namespace {
using Order = ShowCode::Order;
using Output = ShowCode::Output;
} // namespace

const QList<SourceChoice> &sourceChoices()
{
    using namespace QuoteSources;
    static const QList<SourceChoice> table = {
        {QStringLiteral("Option10"), QStringLiteral("星環タンバー"), kTamber, QStringLiteral("星環タンバー")},
        {QStringLiteral("Option8"), QStringLiteral("アニメ星環タンバー"), kAnitamb, QStringLiteral("アニメ星環タンバー")},
        {QStringLiteral("Option18"), QStringLiteral("アニメ星環タンバー（シ）"), kTambkari,
         QStringLiteral("アニメ星環タンバーシナリオタイトル")},
        {QStringLiteral("Option1"), QStringLiteral("月影ミレル"), kMirelle, QStringLiteral("月影ミレル")},
        {QStringLiteral("Option6"), QStringLiteral("アニメ月影ミレル"), kAnimir, QStringLiteral("アニメ月影ミレル")},
        {QStringLiteral("Option2"), QStringLiteral("アニメクイロン"), kQuill, QStringLiteral("アニメクイロン")},
        {QStringLiteral("Option5"), QStringLiteral("ダストル"), kDastor, QStringLiteral("ダストル")},
        {QStringLiteral("Option20"), QStringLiteral("ファイルから読み込み"), QString(), QString()},
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
        {QStringLiteral("Option15"), QStringLiteral("順次"), Order::InFileOrder},
        {QStringLiteral("Option21"), QStringLiteral("ランダム"), Order::Random},
    };
    return table;
}

const QList<MethodChoice> &methodChoices()
{
    static const QList<MethodChoice> table = {
        {QStringLiteral("Option12"), QStringLiteral("タンバー for Win95"), Output::TitleCard},
        {QStringLiteral("Option7"), QStringLiteral("ミレル for Win95"), Output::Mirwin},
        {QStringLiteral("Option13"), QStringLiteral("ダストル for Win"), Output::Dastor},
        {QStringLiteral("Option14"), QStringLiteral("メッセージボックス"), Output::MessageBox},
        {QStringLiteral("Option22"), QStringLiteral("デスクトップ通知"), Output::Notification},
    };
    return table;
}

const QList<ModeChoice> &modeChoices()
{
    static const QList<ModeChoice> table = {
        {QStringLiteral("Option3"), QStringLiteral("一回だけ"), 0, false},
        {QStringLiteral("Option16"), QStringLiteral("一回だけ（常駐）"), 1, false},
        {QStringLiteral("Option17"), QStringLiteral("起動時表示なし（常駐）"), 2, false},
        {QStringLiteral("Option4"), QStringLiteral("一定時間ごと（常駐）"), 1, true},
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
