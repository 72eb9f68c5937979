#pragma once

#include <QString>
#include <QtGlobal>

// The five values of the quote viewer, at the widths both the viewer and
// its property window work with.
struct ViewerSettings
{
    QString quoteSource = QStringLiteral("tamber.vmf"); // "Ops"
    quint8 showCode = 20;                                // "Sh": order * 10 + output
    qint16 intervalMinutes = 0;                          // "Tim"
    qint16 linePosition = 1;                             // "Ms"
    quint8 residentMode = 1;                             // "Jo"

    bool operator==(const ViewerSettings &other) const;
    bool operator!=(const ViewerSettings &other) const { return !(*this == other); }
};

// The per-user store of the viewer settings.
class ViewerSettingsStore
{
public:
    virtual ~ViewerSettingsStore() = default;
    virtual ViewerSettings readAll() const = 0;
    virtual void writeAll(const ViewerSettings &settings) = 0;
    virtual void savePosition(qint16 linePosition) = 0;
};

// The store behind QSettings: organisation and application "Velmo", group
// "INI", every number as decimal text. A value that is not a decimal number
// in range for its width reads as that key's default, so a hand-edited or
// damaged store never stops the viewer.
class QSettingsViewerStore : public ViewerSettingsStore
{
public:
    ViewerSettings readAll() const override;
    void writeAll(const ViewerSettings &settings) override;
    void savePosition(qint16 linePosition) override;
};

// Strict decimal text ("-" allowed, no blanks, no "+") within [min, max];
// fallback otherwise.
int parseStoredNumber(const QString &text, int min, int max, int fallback);
