#pragma once

#include "shared/ui/helpviewer.h"

// Opens nothing and says it did.
class RecordingHelpViewer : public HelpViewer
{
public:
    bool showPage(const QString &) override { return true; }
};
