#pragma once

#include <QString>

// The longest prefix of text whose code-page-932 form takes at most maxBytes
// bytes; a character is kept whole or not at all.
QString limitToCp932Bytes(const QString &text, int maxBytes);

// Makes text fit maxBytes by dropping the characters just before position
// (the ones that were just typed or pasted there), as an edit control with
// a byte limit refuses the overflow of an insertion. position follows.
void trimInsertionToCp932Bytes(QString &text, int &position, int maxBytes);
