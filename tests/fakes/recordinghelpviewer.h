#pragma once

#include "shared/ui/helpviewer.h"

#include <QStringList>

// Opens nothing: records every page asked for and answers as told.
class RecordingHelpViewer : public HelpViewer
{
public:
    bool showPage(const QString &path) override
    {
        pages << path;
        return succeed;
    }

    QStringList pages;
    bool succeed = true;
};
