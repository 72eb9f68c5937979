#include "contentpage.h"

#include "formstyle.h"
#include "propertychoices.h"
#include "quotefilepicker.h"
#include "startlinepreview.h"
#include "valuebar.h"

#include "shared/ui/accessiblename.h"
#include "viewer/quotesources.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
// The start-line bar before the first line count, and after a file that
// could not be read.
constexpr int kFirstMaximum = 10000;
constexpr int kUnknownMaximum = 30000;
constexpr int kPageStep = 5;
} // namespace

ContentPage::ContentPage(PropertyState &state, const PropertyServices &services, QWidget *parent)
    : QFrame(parent), m_state(state), m_services(services)
{
    buildControls();
    connect(&m_reader, &StartLineReader::finished, this, &ContentPage::showRead);
}

void ContentPage::buildControls()
{
    const FormPlacer form(this, kFormStyle);
    // Qt would count the order options in their frame into the sources'
    // group, and a click on the selected source would then clear it.
    auto *sources = new QButtonGroup(this);
    int top = 120;
    for (const PropertyChoices::SourceChoice &choice : PropertyChoices::sourceChoices()) {
        QRadioButton *option = form.option(choice.control, PropertyChoices::shown(choice.caption), 240, top, 3000);
        sources->addButton(option);
        top += 330;
        if (choice.fileName.isEmpty()) {
            m_fileSource = option;
            connect(option, &QRadioButton::clicked, this, &ContentPage::fileSourceClicked);
        } else {
            m_sources << option;
            connect(option, &QRadioButton::clicked, this, [this, file = choice.fileName] { sourceClicked(file); });
        }
    }
    m_fileName = form.field(QStringLiteral("Text4"), 540, top, 4440, false);
    nameAfter(m_fileName, m_fileSource);
    m_fileName->setEnabled(false);
    connect(m_fileName, &QLineEdit::textChanged, this, &ContentPage::fileNameRefresh);
    m_browse = form.button(QStringLiteral("Command7"), QStringLiteral("..."), 5040, top, 420, 315);
    m_browse->setAccessibleName(tr("ファイルを選ぶ"));
    connect(m_browse, &QPushButton::clicked, this, &ContentPage::chooseFile);

    auto *order = form.place(new QGroupBox(tr("表示順序"), this), QStringLiteral("Frame1"), 3720,
                             60, 2640, 1080);
    const FormPlacer inFrame(order, kFormStyle);
    const QList<PropertyChoices::OrderChoice> &orders = PropertyChoices::orderChoices();
    m_inFileOrder = inFrame.option(orders[0].control, PropertyChoices::shown(orders[0].caption), 240, 330, 2160);
    m_randomOrder = inFrame.option(orders[1].control, PropertyChoices::shown(orders[1].caption), 240, 660, 2160);
    connect(m_inFileOrder, &QRadioButton::clicked, this, &ContentPage::jun);
    connect(m_randomOrder, &QRadioButton::clicked, this, &ContentPage::run);

    const QLabel *startLabel =
        form.label(QStringLiteral("Label1"), tr("スタート時の表示内容"), 240, top + 480, 3000);
    m_preview = form.field(QStringLiteral("Text3"), 240, top + 780, 6120, true);
    nameAfter(m_preview, startLabel);
    m_startLine = form.place(new ValueBar(Qt::Horizontal, 1, kFirstMaximum, this), QStringLiteral("HScroll2"),
                             240, top + 1140, 6120, 255);
    nameAfter(m_startLine, startLabel);
    m_startLine->setBarValue(1);
    m_startLine->setPageStep(kPageStep);
    connect(m_startLine, &ValueBar::barValueChanged, this, &ContentPage::lineRefresh);
}

void ContentPage::setStartLine(int position)
{
    m_startLine->setBarValue(position);
    // A stored line beyond the bar is the bar's end, even when the bar did
    // not move and so ran no refresh.
    m_state.values.linePosition = qint16(m_startLine->barValue());
}

void ContentPage::selectOrder(ShowCode::Order order)
{
    (order == ShowCode::Order::InFileOrder ? m_inFileOrder : m_randomOrder)->click();
}

void ContentPage::selectSource(const QString &ops)
{
    const QList<PropertyChoices::SourceChoice> &choices = PropertyChoices::sourceChoices();
    for (int i = 0; i < m_sources.size(); ++i) {
        if (choices[i].fileName == ops) {
            m_sources[i]->click();
            return;
        }
    }
    m_fileName->setText(ops);
    m_fileSource->click();
}

void ContentPage::sourceClicked(const QString &fileName)
{
    m_state.values.quoteSource = fileName;
    afterSourceChange();
    setFieldBackground(m_fileName, FieldBackground::Menu);
}

void ContentPage::fileSourceClicked()
{
    m_state.values.quoteSource = m_fileName->text();
    afterSourceChange();
}

void ContentPage::afterSourceChange()
{
    if (fileOrderSelected())
        jun();
    else
        run();
}

void ContentPage::jun()
{
    read(ReadKind::FileOrder);
    m_state.values.showCode = ShowCode(PropertyChoices::withOrder(m_state.values.showCode.value(),
                                                                  ShowCode::Order::InFileOrder));
    m_preview->setEnabled(true);
    m_startLine->setEnabled(true);
    setFileNameField(m_fileSource->isChecked());
}

void ContentPage::run()
{
    m_state.values.showCode = ShowCode(PropertyChoices::withOrder(m_state.values.showCode.value(),
                                                                  ShowCode::Order::Random));
    m_preview->setEnabled(false);
    m_startLine->setEnabled(false);
    const QString &ops = m_state.values.quoteSource;
    showNow(StartLinePreview::randomTitle(ops));
    // A built-in source leaves the file-name field switched off, not only
    // greyed, so that typing into it cannot change the source unseen.
    setFileNameField(m_fileSource->isChecked() || !PropertyChoices::fixedSource(ops));
}

void ContentPage::lineRefresh(int value)
{
    m_state.values.linePosition = qint16(value);
    read(ReadKind::LineRefresh);
}

void ContentPage::fileNameRefresh(const QString &text)
{
    m_state.values.quoteSource = text;
    if (fileOrderSelected()) {
        read(ReadKind::FileName);
    } else {
        showNow(StartLinePreview::fromFile(text));
        setBarMaximum(kUnknownMaximum);
    }
}

void ContentPage::chooseFile()
{
    m_fileSource->click();
    m_state.currentLine.clear();
    m_state.lineCount = 0;
    showNow(StartLinePreview::lineLabel());
    const QString filter = QCoreApplication::translate("QuoteFilePicker", QuoteFilePicker::kFilter);
    m_fileName->setText(pickQuoteFile(m_services.dialogs, window(), filter, QDir::currentPath()));
}

void ContentPage::read(ReadKind kind)
{
    m_readKind = kind;
    m_previewReplaced = false;
    const QString path = QuoteSources::locateQuoteFile(m_state.values.quoteSource, m_services.workingFolder,
                                                       m_services.programFolder);
    m_reader.request(path, m_state.values.linePosition, m_state.currentLine);
}

void ContentPage::showRead(const StartLine &result)
{
    PropertyState &s = m_state;
    const int number = result.ok ? result.position : s.values.linePosition;
    if (!result.ok) {
        if (m_previewReplaced)
            return;
        s.lineCount = 0;
        if (m_readKind != ReadKind::LineRefresh)
            setBarMaximum(kUnknownMaximum);
        const bool byNumber = m_readKind == ReadKind::FileName || fileOrderSelected();
        m_preview->setText(byNumber ? StartLinePreview::byLineNumber(number)
                                    : StartLinePreview::fromFile(s.values.quoteSource));
        return;
    }
    // The start line keeps within the file even when the field has moved
    // on to something newer (random order's title), as it would have had
    // the read been done at once.
    s.lineCount = result.lineCount;
    s.currentLine = result.line;
    s.values.linePosition = qint16(number);
    {
        // The bar follows the file; moving it here is no new choice of line.
        const QSignalBlocker blocker(m_startLine);
        m_startLine->setEnds(qMin(1, number), result.lineCount);
        m_startLine->setBarValue(number);
    }
    if (m_previewReplaced)
        return;
    m_preview->setText(m_readKind == ReadKind::FileName
                           ? StartLinePreview::byLineNumber(number, result.line)
                           : StartLinePreview::inFileOrder(s.values.quoteSource, number, result.line));
}

void ContentPage::showNow(const QString &text)
{
    // A read still to report keeps its effect on the start line, not on
    // the field.
    m_previewReplaced = true;
    m_preview->setText(text);
}

void ContentPage::setBarMaximum(int maximum)
{
    const QSignalBlocker blocker(m_startLine);
    m_startLine->setEnds(qMin(m_startLine->startEnd(), maximum), maximum);
}

bool ContentPage::fileOrderSelected() const
{
    return m_inFileOrder->isChecked();
}

void ContentPage::setFileNameField(bool enabled)
{
    m_fileName->setEnabled(enabled);
    setFieldBackground(m_fileName, enabled ? FieldBackground::White : FieldBackground::Menu);
}
