#include "propertyvalues.h"

#include "autostartentry.h"
#include "second_config/mirwinsettingsfile.h"
#include "viewer/quotesources.h"

#include <QDir>

namespace PropertyValues {

namespace {
// Said after a failure before the last step.
const QString kViewerNotSaved = QStringLiteral("\n\nヴェルモの設定はまだ保存していません。");
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
        outcome.message = QStringLiteral("%1 を保存できませんでした。\n%2\n%3")
                              .arg(MirwinSettingsFile::kFileName, QDir::toNativeSeparators(path), error)
                          + kViewerNotSaved;
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
        outcome.message = QStringLiteral("ログイン時の起動を%1できませんでした。\n%2\n%3")
                              .arg(wanted ? QStringLiteral("設定") : QStringLiteral("解除"),
                                   QDir::toNativeSeparators(entryPath), error)
                          + kViewerNotSaved;
        return outcome;
    }
    outcome.saved = true;
    return outcome;
}

SaveOutcome saveViewer(ViewerSettingsStore &store, const ViewerSettings &base, const ViewerSettings &values)
{
    SaveOutcome outcome;
    if (!store.writeChanges(base, values)) {
        outcome.message = QStringLiteral("ヴェルモの設定を保存できませんでした。\n%1").arg(store.errorString());
        return outcome;
    }
    outcome.saved = true;
    return outcome;
}

} // namespace PropertyValues
