#pragma once

#include <QString>

// Shows the suite's help page, an HTML file, in the desktop's browser.
class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    // False when the desktop could not open the page.
    virtual bool showPage(const QString &path) = 0;
};

class DesktopHelpViewer : public HelpViewer
{
public:
    bool showPage(const QString &path) override;
};
