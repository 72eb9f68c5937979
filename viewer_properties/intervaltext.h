#pragma once

#include <QString>
#include <QtGlobal>

// The interval in minutes that the interval field's text stands for, as
// the save stores it: the number at the start of the text (blanks before
// it, a sign, digits, a decimal point, an exponent), rounded down, and
// bounded to 0..3000. Text without a number there counts as 0; full-width
// digits count like ASCII ones, since an input method types them.
namespace IntervalText {

constexpr int kMaxMinutes = 3000;

qint16 toMinutes(const QString &text);

} // namespace IntervalText
