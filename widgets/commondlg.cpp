#include "commondlg.h"

#include "dialogerrors.h"
#include "filenamebuffer.h"
#include "platformfilter.h"
#include "qtcommondlgbinding.h"
#include "roundhalfeven.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>

#include <cmath>

namespace {

bool isBold(const QFont &font)
{
    return font.weight() >= QFont::Medium;
}

bool fitsIn16Bits(qint32 value)
{
    return value >= -32768 && value <= 32767;
}

} // namespace

CommonDlg::CommonDlg(CommonDlgBinding &binding)
    : m_binding(binding)
    , m_platformFilter(PlatformFilter::defaultFilter())
    , m_initDir(QDir::currentPath())
{
}

CommonDlgBinding &CommonDlg::defaultBinding()
{
    static QtCommonDlgBinding binding;
    return binding;
}

QColor CommonDlg::toQColor(quint32 colorRef)
{
    return QColor(int(colorRef & 0xFF), int((colorRef >> 8) & 0xFF), int((colorRef >> 16) & 0xFF));
}

quint32 CommonDlg::toColorRef(const QColor &color)
{
    if (!color.isValid())
        return 0;
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

void CommonDlg::setFilter(const QString &filter)
{
    m_filter = filter;
    m_platformFilter = PlatformFilter::fromCallerFilter(filter);
}

void CommonDlg::setHelpKey(const QString &key)
{
    bool ok = false;
    const double number = roundHalfEven(key.trimmed().toDouble(&ok));
    m_helpKey = ok && number >= -2147483648.0 && number <= 2147483647.0 ? qint32(number) : 0;
}

void CommonDlg::setForm(QWidget *owner)
{
    m_form = owner;
    if (!owner)
        return;
    const QFont font = owner->font();
    m_fontBold = isBold(font);
    m_fontItalic = font.italic();
    m_fontName = font.family();
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / ownerDpiY();
    m_fontSize = int(roundHalfEven(points));
    m_fontStrikethru = font.strikeOut();
    m_fontUnderline = font.underline();
}

void CommonDlg::setAction(int kind)
{
    m_action = kind;
    switch (kind) {
    case Open: showOpen(); break;
    case Save: showSave(); break;
    case Color: showColor(); break;
    case Font: showFont(); break;
    case Print: showPrinter(); break;
    case Help: showHelp(); break;
    default: break;
    }
}

QString CommonDlg::errDescription() const
{
    return commonDialogErrorDescription(m_errNumber);
}

void CommonDlg::showOpen()
{
    showFileDialog(false);
}

void CommonDlg::showSave()
{
    showFileDialog(true);
}

void CommonDlg::showFileDialog(bool save)
{
    m_action = save ? Save : Open;
    m_lastResult = 0;
    m_errNumber = 0;
    // A buffer without room for its terminating NUL cannot be built.
    if (m_maxFileSize < 1)
        return;

    CommonDlgBinding::FileRequest request;
    request.owner = m_form;
    request.save = save;
    request.platformFilter = m_platformFilter;
    request.filterIndex = m_filterIndex;
    request.fileName = FileNameBuffer::initialText(m_fileName, m_maxFileSize);
    request.maxFileSize = m_maxFileSize;
    request.title = m_dialogTitle;
    request.initDir = m_initDir;
    request.flags = m_flags;
    request.defaultExt = m_defaultExt;
    CommonDlgBinding::FileAnswer answer = m_binding.showFile(request);

    std::optional<QString> chosen;
    if (answer.result == 1 && answer.files.isEmpty()) {
        answer = {}; // nothing chosen: as cancelled
    } else if (answer.result == 1) {
        chosen = FileNameBuffer::chosenText(answer.files, m_maxFileSize);
        // The names do not fit the buffer: the dialog fails rather than
        // hand back a cut-off path.
        if (!chosen)
            answer = {0, CommonDlgErrors::BufferTooSmall, {}, 0};
    }
    m_lastResult = answer.result;
    if (answer.result == 0) {
        // A plain cancel leaves 0 here; a failure is not passed off as one.
        m_errNumber = qint32(answer.extendedError);
        if (m_cancelError) {
            m_cancelButton = true;
            m_fileName.clear();
        }
    } else if (answer.result == 1) {
        m_fileName = *chosen;
        m_fileTitle = QFileInfo(answer.files.first()).fileName().left(m_fileTitle.size());
        if (answer.filterIndex > 0)
            m_filterIndex = answer.filterIndex;
    } else {
        m_errNumber = qint32(answer.extendedError);
    }
}

void CommonDlg::showColor()
{
    m_action = Color;
    m_lastResult = 0;
    m_errNumber = 0;
    const CommonDlgBinding::ColorAnswer answer = m_binding.showColor({m_form, toQColor(m_color), m_flags});
    m_lastResult = answer.result;
    if (answer.result == 0) {
        m_cancelButton = true;
        m_errNumber = qint32(answer.extendedError);
    } else if (answer.result == 1) {
        m_color = toColorRef(answer.color);
    } else {
        m_errNumber = qint32(answer.extendedError);
    }
}

// The dialog starts at the owner's font with the wrapper's font properties
// laid over it, as the owner would show them; the owner itself is left
// alone (see showFont).
QFont CommonDlg::fontForDialog() const
{
    QFont font = m_form ? m_form->font() : QApplication::font();
    if (!m_fontName.isEmpty())
        font.setFamily(m_fontName);
    if (m_fontSize > 0)
        font.setPointSize(m_fontSize);
    font.setWeight(m_fontBold ? QFont::Bold : QFont::Normal);
    font.setItalic(m_fontItalic);
    font.setStrikeOut(m_fontStrikethru);
    font.setUnderline(m_fontUnderline);
    return font;
}

int CommonDlg::ownerDpiY() const
{
    if (m_form && m_form->logicalDpiY() > 0)
        return m_form->logicalDpiY();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

// The owner's font and text colour are never changed for the dialog: its
// start font is worked out on a copy (fontForDialog), so the owner window
// neither flickers nor re-lays out, and nothing needs giving back.
void CommonDlg::showFont()
{
    CommonDlgBinding::FontRequest request;
    request.owner = m_form;
    request.font = fontForDialog();
    request.color = toQColor(m_color);
    request.flags = m_flags | CommonDlgFlags::InitToLogFontStruct;
    request.minSize = m_min;
    request.maxSize = m_max;
    const CommonDlgBinding::FontAnswer answer = m_binding.showFont(request);
    if (answer.result == 0) {
        m_errNumber = qint32(answer.extendedError);
        m_cancelButton = true;
        clearFontProperties();
    } else {
        m_cancelButton = false;
        takeChosenFont(answer.font, answer.color);
    }
}

void CommonDlg::clearFontProperties()
{
    m_fontBold = false;
    m_fontItalic = false;
    m_fontName.clear();
    m_fontSize = 0;
    m_fontStrikethru = false;
    m_fontUnderline = false;
    m_color = 0;
}

// The size goes through the character height in the owner's pixels, as the
// dialog reports it: a choice of 10.5 points at 96 dpi is 14 pixels, which
// is 10.5 points again and becomes 10 (halves go to the even neighbour).
void CommonDlg::takeChosenFont(const QFont &font, const QColor &color)
{
    const int dpi = ownerDpiY();
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : qRound(font.pointSizeF() * dpi / 72.0);
    m_fontBold = isBold(font);
    m_fontItalic = font.italic();
    m_fontName = font.family();
    m_fontSize = int(roundHalfEven(std::abs(72.0 / dpi * pixels)));
    m_fontStrikethru = font.strikeOut();
    m_fontUnderline = font.underline();
    m_color = toColorRef(color);
}

void CommonDlg::showPrinter()
{
    m_action = Print;
    m_lastResult = 0;
    m_errNumber = 0;
    // The dialog takes pages and copies as 16-bit numbers; a value beyond
    // them ends the operation before the dialog.
    for (qint32 value : {m_fromPage, m_toPage, m_min, m_max, m_copies}) {
        if (!fitsIn16Bits(value))
            return;
    }
    CommonDlgBinding::PrintRequest request;
    request.owner = m_form;
    request.flags = m_flags;
    request.fromPage = m_fromPage;
    request.toPage = m_toPage;
    request.minPage = m_min;
    request.maxPage = m_max;
    request.copies = m_copies;
    const CommonDlgBinding::PrintAnswer answer = m_binding.showPrinter(request);
    m_lastResult = answer.result;
    if (answer.result == 1) {
        m_fromPage = answer.fromPage;
        m_toPage = answer.toPage;
        m_min = answer.minPage;
        m_max = answer.maxPage;
        m_copies = answer.copies;
    } else {
        m_errNumber = qint32(answer.extendedError);
        if (answer.result == 0 && m_cancelError)
            m_cancelButton = true;
    }
}

void CommonDlg::showHelp()
{
    if (m_helpFile.isEmpty() || m_helpCommand == 0)
        return;
    m_binding.showHelp({m_form, m_helpFile, m_helpCommand});
}
