#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <optional>

// The start line of a quote file as the content page previews it.
struct StartLine
{
    bool ok = false;   // false: the file could not be opened or read as a quote file
    int lineCount = 0;
    int position = 0;  // the requested start line, lowered to the line count
    QString line;      // the text of that line
};

// Reading a line: count the file's lines, lower the position to the count,
// fetch that line. With position 0 (an empty file, say) nothing is fetched
// and the line is the file's last one, or previousLine for an empty file.
// The file is read with the viewer's own reader, so the preview decodes it
// as the viewer will show it, and a file the viewer would refuse (too many
// lines, binary) is not readable here either.
StartLine readStartLine(const QString &path, int position, const QString &previousLine);

// Reads start lines away from the window's thread, so that a huge or slow
// file never stops the window. One read runs at a time; of the requests
// made meanwhile only the latest is read, and only the result of the latest
// request is reported: a preview never shows an answer to an older question.
class StartLineReader : public QObject
{
    Q_OBJECT
public:
    explicit StartLineReader(QObject *parent = nullptr);
    // Waits for the read in progress.
    ~StartLineReader() override;

    void request(const QString &path, int position, const QString &previousLine);
    // A request is waiting for its result.
    bool isBusy() const { return m_expected != 0; }

signals:
    void finished(const StartLine &result);

private:
    struct Request
    {
        quint64 id;
        QString path;
        int position;
        QString previousLine;
    };
    void start(const Request &request);
    void done(quint64 id, const StartLine &result);

    QThreadPool m_pool;
    quint64 m_lastId = 0;
    quint64 m_expected = 0; // the id whose result counts, 0 for none
    bool m_running = false;
    std::optional<Request> m_waiting;
};
