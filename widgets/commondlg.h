#pragma once

#include "commondlgbinding.h"
#include "commondlgflags.h"

#include <QPointer>
#include <QString>
#include <QWidget>

// One property-style object in front of the standard font, file, colour and
// print dialogs and the help page: set the properties that describe the
// dialog, call one of the show functions, read the results back from the
// properties. It holds nothing of the platform's between calls.
//
// Cancel reporting differs by dialog: showOpen, showSave and showPrinter
// set cancelButton() only when cancelError() is on; showColor and showFont
// always do; only a successful showFont sets it back to false.
class CommonDlg
{
public:
    enum ActionKind { NoAction = 0, Open = 1, Save = 2, Color = 3, Font = 4, Print = 5, Help = 6 };

    // The dialogs come from binding; by default the real Qt ones.
    explicit CommonDlg(CommonDlgBinding &binding = defaultBinding());

    static CommonDlgBinding &defaultBinding();

    // The filter as "description|pattern|description|pattern".
    QString filter() const { return m_filter; }
    void setFilter(const QString &filter);
    // The filter as the dialog receives it: "|" replaced by NUL, NUL-ended.
    QString platformFilter() const { return m_platformFilter; }
    int maxFileSize() const { return m_maxFileSize; }
    void setMaxFileSize(int characters) { m_maxFileSize = characters; }
    QString dialogTitle() const { return m_dialogTitle; }
    void setDialogTitle(const QString &title) { m_dialogTitle = title; }

    void showOpen();
    void showSave();

    QString initDir() const { return m_initDir; }
    void setInitDir(const QString &folder) { m_initDir = folder; }
    // After a multiple selection: the folder and the names, NUL-separated.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    // 1-based; after a file dialog, the pair the user ended with.
    int filterIndex() const { return m_filterIndex; }
    void setFilterIndex(int index) { m_filterIndex = index; }
    quint32 flags() const { return m_flags; }
    void setFlags(quint32 flags) { m_flags = flags; }
    QString defaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString &extension) { m_defaultExt = extension; }
    // The chosen file's name without its folder; as many characters as the
    // text set beforehand (254 spaces at creation) fit.
    QString fileTitle() const { return m_fileTitle; }
    void setFileTitle(const QString &title) { m_fileTitle = title; }

    void showColor();
    // 0x00BBGGRR.
    quint32 color() const { return m_color; }
    void setColor(quint32 color) { m_color = color; }

    void showFont();
    void showHelp();
    void showPrinter();

    QString helpFile() const { return m_helpFile; }
    void setHelpFile(const QString &file) { m_helpFile = file; }
    quint32 helpCommand() const { return m_helpCommand; }
    void setHelpCommand(quint32 command) { m_helpCommand = command; }
    qint32 helpContext() const { return m_helpContext; }
    void setHelpContext(qint32 context) { m_helpContext = context; }
    // Held as a 32-bit number; text that is not a number is held as 0.
    QString helpKey() const { return QString::number(m_helpKey); }
    void setHelpKey(const QString &key);

    // The owner of every dialog. Setting it takes over the owner's font
    // (face, size rounded to a whole point, style).
    QWidget *form() const { return m_form; }
    void setForm(QWidget *owner);

    bool fontBold() const { return m_fontBold; }
    void setFontBold(bool bold) { m_fontBold = bold; }
    bool fontItalic() const { return m_fontItalic; }
    void setFontItalic(bool italic) { m_fontItalic = italic; }
    QString fontName() const { return m_fontName; }
    void setFontName(const QString &name) { m_fontName = name; }
    // Points.
    int fontSize() const { return m_fontSize; }
    void setFontSize(int points) { m_fontSize = points; }
    bool fontStrikethru() const { return m_fontStrikethru; }
    void setFontStrikethru(bool strikeOut) { m_fontStrikethru = strikeOut; }
    bool fontUnderline() const { return m_fontUnderline; }
    void setFontUnderline(bool underline) { m_fontUnderline = underline; }

    // Font sizes offered (font dialog) or page numbers (print dialog).
    qint32 max() const { return m_max; }
    void setMax(qint32 value) { m_max = value; }
    qint32 min() const { return m_min; }
    void setMin(qint32 value) { m_min = value; }
    bool cancelError() const { return m_cancelError; }
    void setCancelError(bool on) { m_cancelError = on; }
    int action() const { return m_action; }
    // Stores the kind, then shows that dialog (other values are only kept).
    void setAction(int kind);

    bool cancelButton() const { return m_cancelButton; }
    QString errDescription() const;
    qint32 errNumber() const { return m_errNumber; }

    qint32 hdc() const { return m_hdc; }
    void setHdc(qint32 deviceContext) { m_hdc = deviceContext; }
    qint32 fromPage() const { return m_fromPage; }
    void setFromPage(qint32 page) { m_fromPage = page; }
    qint32 toPage() const { return m_toPage; }
    void setToPage(qint32 page) { m_toPage = page; }
    qint32 copies() const { return m_copies; }
    void setCopies(qint32 copies) { m_copies = copies; }
    qint32 printerDefault() const { return m_printerDefault; }
    void setPrinterDefault(qint32 value) { m_printerDefault = value; }

    // The return value of the last file, colour or print dialog.
    qint32 lastResult() const { return m_lastResult; }

    // Between the Color property (0x00BBGGRR) and QColor.
    static QColor toQColor(quint32 colorRef);
    static quint32 toColorRef(const QColor &color);

private:
    void showFileDialog(bool save);
    void takeChosenFont(const QFont &font, const QColor &color);
    void clearFontProperties();
    QFont fontForDialog() const;
    int ownerDpiY() const;

    CommonDlgBinding &m_binding;
    QPointer<QWidget> m_form;
    qint32 m_lastResult = 0;
    qint32 m_errNumber = 0;
    bool m_cancelButton = false;
    int m_action = NoAction;
    bool m_cancelError = false;
    QString m_platformFilter;
    QString m_filter;
    int m_maxFileSize = 255;
    QString m_dialogTitle = QStringLiteral("Open File");
    QString m_initDir;
    QString m_fileName;
    int m_filterIndex = 0;
    quint32 m_flags = 0;
    QString m_defaultExt = QString(QChar(0));
    QString m_fileTitle = QString(254, QLatin1Char(' '));
    quint32 m_color = 0;
    bool m_fontBold = false;
    bool m_fontItalic = false;
    QString m_fontName;
    int m_fontSize = 0;
    bool m_fontStrikethru = false;
    bool m_fontUnderline = false;
    qint32 m_max = 0;
    qint32 m_min = 0;
    qint32 m_hdc = 0;
    qint32 m_fromPage = 0;
    qint32 m_toPage = 0;
    qint32 m_copies = 0;
    qint32 m_printerDefault = 0;
    QString m_helpFile;
    quint32 m_helpCommand = 0;
    qint32 m_helpContext = 0;
    qint32 m_helpKey = 0;
};
