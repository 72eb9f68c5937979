#pragma once

#include "commondlgbinding.h"

// The real dialogs: QFileDialog, QColorDialog, QFontDialog, QPrintDialog,
// and the help page through the desktop.
class QtCommonDlgBinding : public CommonDlgBinding
{
public:
    FileAnswer showFile(const FileRequest &request) override;
    ColorAnswer showColor(const ColorRequest &request) override;
    FontAnswer showFont(const FontRequest &request) override;
    PrintAnswer showPrinter(const PrintRequest &request) override;
    void showHelp(const HelpRequest &request) override;
};
