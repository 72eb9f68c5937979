#pragma once

#include <QString>

// Message boxes with an OK button that block the caller until closed.
class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    // systemModal: stays above every window until it is closed.
    virtual void show(const QString &text, const QString &title, bool systemModal) = 0;
    // The same box with details shown on request (what failed and why);
    // a service without a place for them shows the text alone.
    virtual void showWithDetails(const QString &text, const QString &title, const QString &details)
    {
        Q_UNUSED(details);
        show(text, title, false);
    }
};

class QtMessageBoxService : public MessageBoxService
{
public:
    // Longer texts are cut for the box; a box of a megabyte helps nobody.
    static constexpr int kMaxShownChars = 2000;
    void show(const QString &text, const QString &title, bool systemModal) override;
    void showWithDetails(const QString &text, const QString &title, const QString &details) override;

private:
    void exec(const QString &text, const QString &title, const QString &details, bool systemModal);
};
