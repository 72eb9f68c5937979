#pragma once

#include "quotesources.h"
#include "showcode.h"

#include <QString>
#include <QtGlobal>

#include <limits>

class IniFile;

// One stored number of the viewer: its key, the range of the width both
// the viewer and its property window read it at, and its default.
struct NumberSetting
{
    const char *key;
    int min;
    int max;
    int defaultValue;
};

// The keys of the settings store, in the order both programs read and
// write them. Every reader and writer goes through this table.
namespace ViewerKeys {
inline constexpr char kQuoteSource[] = "Ops";
inline constexpr NumberSetting kShowCode{"Sh", 0, 255, 20};
inline constexpr NumberSetting kInterval{"Tim", std::numeric_limits<qint16>::min(),
                                         std::numeric_limits<qint16>::max(), 0};
inline constexpr NumberSetting kPosition{"Ms", std::numeric_limits<qint16>::min(),
                                         std::numeric_limits<qint16>::max(), 1};
inline constexpr NumberSetting kResidence{"Jo", 0, 255, 1};
} // namespace ViewerKeys

// The five values of the quote viewer, at the widths of the table above.
struct ViewerSettings
{
    QString quoteSource = QuoteSources::defaultSource();           // "Ops"
    ShowCode showCode{quint8(ViewerKeys::kShowCode.defaultValue)}; // "Sh"
    qint16 intervalMinutes = ViewerKeys::kInterval.defaultValue;    // "Tim"
    qint16 linePosition = ViewerKeys::kPosition.defaultValue;       // "Ms"
    quint8 residentMode = ViewerKeys::kResidence.defaultValue;      // "Jo"

    bool operator==(const ViewerSettings &other) const;
    bool operator!=(const ViewerSettings &other) const { return !(*this == other); }
};

// The per-user store of the viewer settings. A failed save leaves what was
// stored before and says why in errorString().
class ViewerSettingsStore
{
public:
    virtual ~ViewerSettingsStore() = default;
    virtual ViewerSettings readAll() const = 0;
    // Writes only the values in which now differs from base (what a window
    // showed when it opened), into the store as it is at this moment: a
    // value another program saved meanwhile, such as the viewer's reading
    // position, stays unless the person changed it too.
    virtual bool writeChanges(const ViewerSettings &base, const ViewerSettings &now) = 0;
    virtual bool savePosition(qint16 linePosition) = 0;
    virtual QString errorString() const = 0;
};

// The store in the user's settings file "Velmo/Velmo.conf" of the
// configuration folder, group "INI", every value as text (numbers in
// decimal), written through the suite's own INI file so that other keys,
// groups and comments in it survive and a full disk never empties it. A
// value that is not a decimal number in range for its width reads as that
// key's default, so a hand-edited or damaged file never stops the viewer.
class ViewerSettingsFile : public ViewerSettingsStore
{
public:
    // $XDG_CONFIG_HOME/Velmo/Velmo.conf, or ~/.config/Velmo/Velmo.conf.
    static QString defaultPath();

    explicit ViewerSettingsFile(const QString &path = defaultPath());

    QString path() const { return m_path; }
    ViewerSettings readAll() const override;
    bool writeChanges(const ViewerSettings &base, const ViewerSettings &now) override;
    bool savePosition(qint16 linePosition) override;
    QString errorString() const override { return m_error; }

private:
    QString m_path;
    QString m_error;
};

// The five values in group "INI" of a settings file, and back; with base,
// only those in which settings differs from it are written.
ViewerSettings readViewerSettings(const IniFile &file);
void writeViewerSettings(IniFile &file, const ViewerSettings &settings, const ViewerSettings *base = nullptr);

// Strict decimal text ("-" allowed, no blanks, no "+") within the
// setting's range; its default otherwise.
int parseStoredNumber(const QString &text, const NumberSetting &setting);
