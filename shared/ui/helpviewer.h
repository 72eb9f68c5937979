#pragma once

#include <QString>

// Shows the suite's help page, an HTML file, in the desktop's browser.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    // A relative name is looked up in the program folder, where the help
    // page is installed. False, with nothing opened, when the file is not
    // a readable regular file or the desktop has no viewer for it.
    virtual bool showPage(const QString &helpFile) = 0;
};

class DesktopHelpViewer : public HelpViewer
{
public:
    bool showPage(const QString &helpFile) override;
};
