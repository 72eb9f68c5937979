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
    };

    void show(const QString &text, const QString &title, bool systemModal) override
    {
        boxes.append({text, title, systemModal});
        if (onShow)
            onShow();
    }

    QList<Box> boxes;
    std::function<void()> onShow;
};
