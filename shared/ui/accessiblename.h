#pragma once

#include <QString>

class QWidget;

// A control without a caption of its own (a text field, a scroll bar) is
// announced by the caption that tells what it holds: the label beside it,
// the option it belongs to, or the frame it fills. caption is that label,
// button or frame; its text is taken as the screen shows it, without the
// mnemonic markers and the blanks around it.
void nameAfter(QWidget *control, const QWidget *caption);

// caption without its "&" markers ("&&" stands for one "&").
QString withoutMnemonics(const QString &caption);
