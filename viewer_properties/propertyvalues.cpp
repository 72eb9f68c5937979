#include "propertyvalues.h"

#include "autostartentry.h"
#include "second_config/mirwinsettingsfile.h"
#include "viewer/quotesources.h"

#include <QDir>

namespace PropertyValues {

ViewerSettings forWindow(ViewerSettings stored)
{
    if (stored.quoteSource.isEmpty())
        stored.quoteSource = QuoteSources::defaultSource();
    if (stored.showCode.value() < 3)
        stored.showCode = ShowCode(quint8(ViewerKeys::kShowCode.defaultValue));
    return stored;
}

SaveOutcome save(ViewerSettingsStore &store, const ViewerSettings &values, const QString &mirwinPath,
                 const MirwinSettings &mirwin)
{
    SaveOutcome outcome;
    if (!store.writeAll(values)) {
        outcome.message = QStringLiteral("設定を保存できませんでした。\n%1").arg(store.errorString());
        return outcome;
    }
    if (!MirwinSettingsFile::write(mirwinPath, mirwin)) {
        // The store has the new values already; the file keeps its old ones.
        outcome.message = QStringLiteral("ヴェルモの設定は保存しましたが、%1 を保存できませんでした。\n%2")
                              .arg(MirwinSettingsFile::kFileName, QDir::toNativeSeparators(mirwinPath));
        return outcome;
    }
    outcome.saved = true;
    return outcome;
}

SaveOutcome applyLoginStart(bool atOpen, bool wanted, const QString &entryPath, const QString &viewer)
{
    SaveOutcome outcome;
    QString error;
    if (wanted != atOpen && !AutostartEntry::apply(entryPath, wanted, viewer, &error)) {
        outcome.message = QStringLiteral("ヴェルモの設定は保存しましたが、ログイン時の起動を%1できませんでした。\n%2\n%3")
                              .arg(wanted ? QStringLiteral("設定") : QStringLiteral("解除"),
                                   QDir::toNativeSeparators(entryPath), error);
        return outcome;
    }
    outcome.saved = true;
    return outcome;
}

} // namespace PropertyValues
