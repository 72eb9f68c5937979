#pragma once

#include "viewer/showcode.h"

#include <QList>
#include <QString>

#include <optional>

// The options of the property window's pages, top to bottom, and how each
// one maps onto the stored values. The object names are the form's control
// names.
namespace PropertyChoices {

// A caption or title of these tables as the window shows it: the tables
// hold the Japanese, translated here (context "PropertyChoices").
QString shown(const QString &text);

// Content page: where quotes come from ("Ops").
struct SourceChoice
{
    QString control;
    QString caption;
    QString fileName;    // empty for the file option: Ops is then the file-name field
    QString randomTitle; // what the preview shows in random order
};
const QList<SourceChoice> &sourceChoices();
// The row of a built-in quote file (exact spelling), or nullptr.
const SourceChoice *fixedSource(const QString &ops);
// The option that takes Ops from the file-name field.
const SourceChoice &fileSource();

// Content page: the order, the tens digit of "Sh".
struct OrderChoice
{
    QString control;
    QString caption;
    ShowCode::Order order;
};
const QList<OrderChoice> &orderChoices();

// Method page: the output, the units digit of "Sh".
struct MethodChoice
{
    QString control;
    QString caption;
    ShowCode::Output output;
};
const QList<MethodChoice> &methodChoices();

// Interval page: the display mode ("Jo") and whether the interval field
// counts; the other modes store the interval 0.
struct ModeChoice
{
    QString control;
    QString caption;
    quint8 residentMode;
    bool usesInterval;
};
const QList<ModeChoice> &modeChoices();

// The mode option a stored pair selects: Jo 0, 2, and 1 split by whether
// an interval is set. Nothing for any other Jo, which is kept as it is.
const ModeChoice *modeFor(quint8 residentMode, qint16 intervalMinutes);

// Order and output of the ten meaningful codes; nothing for any other
// code, which selects no option and is saved back unchanged.
std::optional<ShowCode::Order> orderOf(quint8 showCode);
std::optional<ShowCode::Output> outputOf(quint8 showCode);

// The code with the other order or output; a code outside the ten stays
// as it is.
quint8 withOrder(quint8 showCode, ShowCode::Order order);
quint8 withOutput(quint8 showCode, ShowCode::Output output);

} // namespace PropertyChoices
