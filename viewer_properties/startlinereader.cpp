#include "startlinereader.h"

#include "viewer/quotefile.h"

#include <QMetaObject>

StartLine readStartLine(const QString &path, int position, const QString &previousLine)
{
    StartLine result;
    const QuoteFile::Scan scan = QuoteFile::scan(path);
    if (scan.status != QuoteFile::Status::Ok)
        return result;
    result.lineCount = scan.lineCount;
    result.position = qMin(position, scan.lineCount);
    const int wanted = result.position >= 1 ? result.position : scan.lineCount;
    if (wanted < 1) {
        result.line = previousLine;
    } else {
        const std::optional<QString> line = QuoteFile::line(path, wanted, scan.utf8);
        if (!line)
            return result; // the file changed between the two passes
        result.line = *line;
    }
    result.ok = true;
    return result;
}

StartLineReader::StartLineReader(QObject *parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

StartLineReader::~StartLineReader()
{
    m_waiting.reset();
    m_pool.waitForDone();
}

void StartLineReader::request(const QString &path, int position, const QString &previousLine)
{
    const Request next{++m_lastId, path, position, previousLine};
    m_expected = next.id;
    if (m_running)
        m_waiting = next;
    else
        start(next);
}

void StartLineReader::start(const Request &request)
{
    m_running = true;
    m_pool.start([this, request] {
        const StartLine result = readStartLine(request.path, request.position, request.previousLine);
        // The destructor waits for this job, so the object is still there;
        // the call runs on the object's own thread.
        QMetaObject::invokeMethod(this, [this, id = request.id, result] { done(id, result); },
                                  Qt::QueuedConnection);
    });
}

void StartLineReader::done(quint64 id, const StartLine &result)
{
    m_running = false;
    if (m_waiting) {
        const Request next = *m_waiting;
        m_waiting.reset();
        start(next);
    }
    if (id == m_expected) {
        m_expected = 0;
        emit finished(result);
    }
}
