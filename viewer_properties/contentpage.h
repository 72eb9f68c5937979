#pragma once

#include "propertystate.h"
#include "startlinereader.h"

#include "viewer/showcode.h"

#include <QFrame>
#include <QList>

class QLineEdit;
class QPushButton;
class QRadioButton;
class ValueBar;

// The page "表示内容": the quote source (Ops), the order (tens digit of
// Sh) and, in file order, the start line (Ms) with a preview of it. The
// quote file is read away from the window's thread; the preview follows
// when the read is done.
class ContentPage : public QFrame
{
    Q_OBJECT
public:
    ContentPage(PropertyState &state, const PropertyServices &services, QWidget *parent);

    // Start-up: the start-line bar takes the stored Ms (clamped to the bar,
    // and Ms with it), the order option of Sh, the source option of Ops;
    // each runs what a click or a change would run.
    void setStartLine(int position);
    void selectOrder(ShowCode::Order order);
    void selectSource(const QString &ops);

    // jun: file order ("順次"), reads the start line and previews it.
    // run: random order, shows the source's title and reads nothing.
    void jun();
    void run();

    // A read of the quote file has not reported yet.
    bool isReading() const { return m_reader.isBusy(); }

private:
    enum class ReadKind { FileOrder, LineRefresh, FileName };

    void buildControls();
    void sourceClicked(const QString &fileName);
    void fileSourceClicked();
    void lineRefresh(int value);
    void fileNameRefresh(const QString &text);
    void chooseFile();
    void afterSourceChange();

    void read(ReadKind kind);
    void showRead(const StartLine &result);
    void showNow(const QString &text);
    void setBarMaximum(int maximum);
    bool fileOrderSelected() const;
    void setFileNameField(bool enabled);

    PropertyState &m_state;
    const PropertyServices &m_services;
    StartLineReader m_reader;
    ReadKind m_readKind = ReadKind::FileOrder;
    bool m_previewReplaced = false; // the field shows something newer than the read in progress

    QList<QRadioButton *> m_sources; // the built-in files, as PropertyChoices lists them
    QRadioButton *m_fileSource = nullptr; // Option20
    QRadioButton *m_inFileOrder = nullptr; // Option15
    QRadioButton *m_randomOrder = nullptr; // Option21
    QLineEdit *m_fileName = nullptr;      // Text4
    QPushButton *m_browse = nullptr;      // Command7
    QLineEdit *m_preview = nullptr;       // Text3
    ValueBar *m_startLine = nullptr;      // HScroll2
};
