#pragma once

#include <QString>

// Message boxes with an OK button that block the caller until closed.
class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    // systemModal: stays above every window until it is closed.
    virtual void show(const QString &text, const QString &title, bool systemModal) = 0;
};

class QtMessageBoxService : public MessageBoxService
{
public:
    // Longer texts are cut for the box; a box of a megabyte helps nobody.
    static constexpr int kMaxShownChars = 2000;
    void show(const QString &text, const QString &title, bool systemModal) override;
};
