#pragma once

#include <QString>

// The texts of the content page's preview field: the start line labelled
// as its chapter or episode, the same line by its line number, or the
// source's title in random order. N is the start line's number, L its text.
// The forms below are the Japanese ones; the labels around N and L follow
// the interface's language, L itself stays as the file has it.
namespace StartLinePreview {

// File order: "第" N "章 " L for QuoteSources::kTamber, "第" N "話 「" L "の巻」"
// for QuoteSources::kMirelle, "第" N "話 " L for the other built-in files, N "行 - " L for
// any other source.
QString inFileOrder(const QString &ops, int number, const QString &line);

// N "行 - " L, whatever the source; with an empty line also the form shown
// when the file cannot be read.
QString byLineNumber(int number, const QString &line = QString());

// "行 - " alone: the field while a new file is being chosen.
QString lineLabel();

// Random order: the title of a built-in source, or Ops " より".
QString randomTitle(const QString &ops);

// Ops " より": a source that is not one of the built-in files.
QString fromFile(const QString &ops);

} // namespace StartLinePreview
