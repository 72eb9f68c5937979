#pragma once

#include "widgets/commondlgbinding.h"

#include <QList>

// Standard dialogs that show nothing: each call is recorded with what the
// dialog was given, and answered with the answer the test prepared (by
// default a plain cancel).
class ScriptedDialogBinding : public CommonDlgBinding
{
public:
    FileAnswer showFile(const FileRequest &request) override { return answer(fileRequests, request, fileAnswer); }
    ColorAnswer showColor(const ColorRequest &request) override { return answer(colorRequests, request, colorAnswer); }
    FontAnswer showFont(const FontRequest &request) override { return answer(fontRequests, request, fontAnswer); }
    PrintAnswer showPrinter(const PrintRequest &request) override { return answer(printRequests, request, printAnswer); }
    void showHelp(const HelpRequest &request) override { helpRequests.append(request); }

    int calls() const
    {
        return int(fileRequests.size() + colorRequests.size() + fontRequests.size() + printRequests.size()
                   + helpRequests.size());
    }

    quint32 lastFlags = 0; // of the last dialog shown
    FileAnswer fileAnswer;
    ColorAnswer colorAnswer;
    FontAnswer fontAnswer;
    PrintAnswer printAnswer;

    QList<FileRequest> fileRequests;
    QList<ColorRequest> colorRequests;
    QList<FontRequest> fontRequests;
    QList<PrintRequest> printRequests;
    QList<HelpRequest> helpRequests;

private:
    template <typename Request, typename Answer>
    Answer answer(QList<Request> &requests, const Request &request, const Answer &prepared)
    {
        requests.append(request);
        lastFlags = request.flags;
        return prepared;
    }
};
