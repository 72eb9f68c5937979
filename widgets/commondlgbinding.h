#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

// The platform's standard dialogs as CommonDlg uses them: each call takes
// the values the dialog starts from and hands back what the user chose.
// A result of 0 means cancelled or failed; extendedError then names the
// failure with the platform's extended error code (0 for a plain cancel).
class CommonDlgBinding
{
public:
    struct FileRequest
    {
        QWidget *owner = nullptr;
        bool save = false;
        // Pairs of description and pattern, each ended by a NUL character.
        QString platformFilter;
        int filterIndex = 0; // 1-based; 0 = the first pair
        // The file-name buffer as the dialog sees it (up to its first NUL)
        // and its size in characters, the terminating NUL included.
        QString fileName;
        int maxFileSize = 0;
        QString title;
        QString initDir;
        quint32 flags = 0;
        QString defaultExt;
    };
    struct FileAnswer
    {
        int result = 0;
        quint32 extendedError = 0;
        QStringList files;   // absolute paths, one or (multiple selection) more
        int filterIndex = 0; // the pair the user ended with, 1-based
    };

    struct ColorRequest
    {
        QWidget *owner = nullptr;
        QColor color;
        quint32 flags = 0;
    };
    struct ColorAnswer
    {
        int result = 0;
        quint32 extendedError = 0;
        QColor color;
    };

    struct FontRequest
    {
        QWidget *owner = nullptr;
        QFont font;
        QColor color;
        quint32 flags = 0;
        int minSize = 0; // points; 0 = no limit
        int maxSize = 0;
    };
    struct FontAnswer
    {
        int result = 0;
        quint32 extendedError = 0;
        QFont font;
        QColor color;
    };

    struct PrintRequest
    {
        QWidget *owner = nullptr;
        quint32 flags = 0;
        int fromPage = 0;
        int toPage = 0;
        int minPage = 0;
        int maxPage = 0;
        int copies = 0;
    };
    struct PrintAnswer
    {
        int result = 0;
        quint32 extendedError = 0;
        int fromPage = 0;
        int toPage = 0;
        int minPage = 0;
        int maxPage = 0;
        int copies = 0;
    };

    struct HelpRequest
    {
        QWidget *owner = nullptr;
        QString helpFile;
        quint32 command = 0;
    };

    virtual ~CommonDlgBinding() = default;
    virtual FileAnswer showFile(const FileRequest &request) = 0;
    virtual ColorAnswer showColor(const ColorRequest &request) = 0;
    virtual FontAnswer showFont(const FontRequest &request) = 0;
    virtual PrintAnswer showPrinter(const PrintRequest &request) = 0;
    virtual void showHelp(const HelpRequest &request) = 0;
};
