#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The file dialogs, behind a seam so that tests can answer them.
class FilePicker
{
public:
    struct Request
    {
        QString title;
        QString folder;          // where the dialog starts
        QString fileName;        // preselected name
        QStringList nameFilters; // "Text (*.txt)" ...
        int filterIndex = 0;     // the filter shown first
        bool save = false;
        bool multiple = false;   // several files may be opened at once
    };
    struct Choice
    {
        bool accepted = false;
        QStringList files; // absolute paths
        int filterIndex = 0; // the filter in use when the dialog closed
    };

    virtual ~FilePicker() = default;
    virtual Choice choose(const Request &request, QWidget *parent) = 0;
};

// The real one: QFileDialog.
class FileDialogPicker : public FilePicker
{
public:
    Choice choose(const Request &request, QWidget *parent) override;
};
