#include "propertyvalues.h"

#include "autostartentry.h"
#include "second_config/mirwinsettingsfile.h"
#include "viewer/quotesources.h"

#include <QCoreApplication>
#include <QDir>

namespace PropertyValues {

namespace {
QString translated(const char *text)
{
    return QCoreApplication::translate("PropertyValues", text);
}

// Said after a failure before the last step.
QString viewerNotSaved()
{
    return translated(QT_TRANSLATE_NOOP("PropertyValues", "\n\nヴェルモの設定はまだ保存していません。"));
}
} // namespace

ViewerSettings forWindow(ViewerSettings stored)
{
    if (stored.quoteSource.isEmpty())
        stored.quoteSource = QuoteSources::defaultSource();
    if (stored.showCode.value() < 3)
        stored.showCode = ShowCode(quint8(ViewerKeys::kShowCode.defaultValue));
    return stored;
}

SaveOutcome saveMirwin(const QString &path, const MirwinSettings &base, const MirwinSettings &now)
{
    SaveOutcome outcome;
    QString error;
    if (!MirwinSettingsFile::update(path, now, MirwinSettingsFile::differences(base, now), &error)) {
        outcome.message = translated(QT_TRANSLATE_NOOP("PropertyValues", "%1 を保存できませんでした。\n%2\n%3"))
                              .arg(MirwinSettingsFile::kFileName, QDir::toNativeSeparators(path), error)
                          + viewerNotSaved();
        return outcome;
    }
    outcome.saved = true;
    return outcome;
}

SaveOutcome applyLoginStart(bool base, bool wanted, const QString &entryPath, const QString &viewer)
{
    SaveOutcome outcome;
    QString error;
    if (wanted != base && !AutostartEntry::apply(entryPath, wanted, viewer, &error)) {
        const char *format = QT_TRANSLATE_NOOP("PropertyValues", "ログイン時の起動を%1できませんでした。\n%2\n%3");
        outcome.message = translated(format)
                              .arg(wanted ? translated(QT_TRANSLATE_NOOP("PropertyValues", "設定"))
                                          : translated(QT_TRANSLATE_NOOP("PropertyValues", "解除")),
                                   QDir::toNativeSeparators(entryPath), error)
                          + viewerNotSaved();
        return outcome;
    }
    outcome.saved = true;
    return outcome;
}

SaveOutcome saveViewer(ViewerSettingsStore &store, const ViewerSettings &base, const ViewerSettings &values)
{
    SaveOutcome outcome;
    if (!store.writeChanges(base, values)) {
        const char *format = QT_TRANSLATE_NOOP("PropertyValues", "ヴェルモの設定を保存できませんでした。\n%1");
        outcome.message = translated(format).arg(store.errorString());
        return outcome;
    }
    outcome.saved = true;
    return outcome;
}

} // namespace PropertyValues
