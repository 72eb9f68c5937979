#pragma once

#include "shared/ui/helpviewer.h"

// Opens nothing; says it did, unless told to fail.
class RecordingHelpViewer : public HelpViewer
{
public:
    bool succeed = true;
    bool showPage(const QString &) override { return succeed; }
};
