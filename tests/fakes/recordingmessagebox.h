#pragma once

#include "shared/ui/messagebox.h"

#include <QList>

#include <functional>

// Records every box instead of showing it; onShow runs while the "box" is
// open, as code of a nested event loop would.
class RecordingMessageBox : public MessageBoxService
{
public:
    struct Box
    {
        QString text;
        QString title;
        bool systemModal = false;
        QString details;
    };

    void show(const QString &text, const QString &title, bool systemModal) override
    {
        record({text, title, systemModal, QString()});
    }
    void showWithDetails(const QString &text, const QString &title, const QString &details) override
    {
        record({text, title, false, details});
    }
    void record(const Box &box)
    {
        boxes.append(box);
        if (onShow)
            onShow();
    }

    QList<Box> boxes;
    std::function<void()> onShow;
};
