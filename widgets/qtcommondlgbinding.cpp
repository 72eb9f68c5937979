#include "qtcommondlgbinding.h"

#include "commondlgflags.h"
#include "platformfilter.h"

#include "shared/ui/fontpicker.h"
#include "shared/ui/helpviewer.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// The help command that closes the help viewer: there is no viewer of
// ours to close, and it must not open the page.
constexpr quint32 kHelpQuit = 2;

// Custom colours the colour dialog starts with on every call; what the
// user edits there is not kept.
constexpr int kCustomColors = 16;

void setUpFilters(QFileDialog &dialog, const QList<PlatformFilter::Pair> &pairs, int filterIndex)
{
    QStringList nameFilters;
    for (const PlatformFilter::Pair &pair : pairs)
        nameFilters << PlatformFilter::toNameFilter(pair);
    if (nameFilters.isEmpty())
        return;
    dialog.setNameFilters(nameFilters);
    // The descriptions already show their patterns.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const int index = filterIndex >= 1 && filterIndex <= nameFilters.size() ? filterIndex : 1;
    dialog.selectNameFilter(nameFilters[index - 1]);
}

// 1-based; the dialog names the chosen filter by its description alone.
int chosenFilterIndex(const QFileDialog &dialog, const QList<PlatformFilter::Pair> &pairs)
{
    const QString chosen = dialog.selectedNameFilter();
    for (int i = 0; i < pairs.size(); ++i) {
        if (chosen == pairs[i].description || chosen == PlatformFilter::toNameFilter(pairs[i]))
            return i + 1;
    }
    return 0;
}

} // namespace

CommonDlgBinding::FileAnswer QtCommonDlgBinding::showFile(const FileRequest &request)
{
    QFileDialog dialog(request.owner, request.title, request.initDir);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!request.save && (request.flags & CommonDlgFlags::AllowMultiSelect))
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else if (!request.save && (request.flags & CommonDlgFlags::FileMustExist))
        dialog.setFileMode(QFileDialog::ExistingFile);
    else
        dialog.setFileMode(QFileDialog::AnyFile);
    if (request.save && !(request.flags & CommonDlgFlags::OverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QList<PlatformFilter::Pair> pairs = PlatformFilter::pairs(request.platformFilter);
    setUpFilters(dialog, pairs, request.filterIndex);
    QString suffix = request.defaultExt.left(request.defaultExt.indexOf(QChar(0)));
    while (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);

    FileAnswer answer;
    if (dialog.exec() != QDialog::Accepted)
        return answer;
    answer.result = 1;
    answer.files = dialog.selectedFiles();
    answer.filterIndex = chosenFilterIndex(dialog, pairs);
    return answer;
}

CommonDlgBinding::ColorAnswer QtCommonDlgBinding::showColor(const ColorRequest &request)
{
    for (int i = 0; i < kCustomColors; ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    QColorDialog dialog(request.color, request.owner);
    ColorAnswer answer;
    if (dialog.exec() != QDialog::Accepted)
        return answer;
    answer.result = 1;
    answer.color = dialog.selectedColor();
    return answer;
}

// Qt's font dialog offers neither a text colour nor size limits: the
// colour comes back as it went in, and minSize and maxSize go unused.
CommonDlgBinding::FontAnswer QtCommonDlgBinding::showFont(const FontRequest &request)
{
    FontAnswer answer;
    if (QFontDatabase::families().isEmpty()) {
        answer.extendedError = CommonDlgErrors::NoFonts;
        return answer;
    }
    // The suite's one font dialog, whose fixed-pitch list also holds the
    // dual-width Japanese faces. Every face here is scalable.
    const FontPicker::Choice choice = FontDialogPicker().choose(
        request.font, request.flags & CommonDlgFlags::FixedPitchOnly, request.owner);
    if (!choice.accepted)
        return answer;
    answer.result = 1;
    answer.font = choice.font;
    answer.color = request.color;
    return answer;
}

CommonDlgBinding::PrintAnswer QtCommonDlgBinding::showPrinter(const PrintRequest &request)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, request.owner);
    if (request.minPage <= request.maxPage && request.maxPage > 0)
        dialog.setMinMax(request.minPage, request.maxPage);
    if (request.fromPage > 0 && request.fromPage <= request.toPage) {
        printer.setFromTo(request.fromPage, request.toPage);
        printer.setPrintRange(QPrinter::PageRange);
    }
    printer.setCopyCount(qMax(1, request.copies));
    if (request.flags & CommonDlgFlags::NoPageNums)
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);

    PrintAnswer answer;
    if (dialog.exec() != QDialog::Accepted)
        return answer;
    answer.result = 1;
    const bool pageRange = printer.printRange() == QPrinter::PageRange;
    answer.fromPage = pageRange ? printer.fromPage() : request.fromPage;
    answer.toPage = pageRange ? printer.toPage() : request.toPage;
    answer.minPage = dialog.minPage();
    answer.maxPage = dialog.maxPage();
    answer.copies = printer.copyCount();
    return answer;
}

void QtCommonDlgBinding::showHelp(const HelpRequest &request)
{
    if (request.command != kHelpQuit)
        DesktopHelpViewer().showPage(request.helpFile);
}
