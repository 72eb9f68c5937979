#include "linebuffer.h"

void LineBuffer::append(const QByteArray &bytes)
{
    // Dropping what was taken only here keeps takeLine() cheap.
    m_buffer.remove(0, m_consumed);
    m_consumed = 0;
    m_buffer += bytes;
}

std::optional<QByteArray> LineBuffer::takeLine()
{
    const qsizetype end = m_buffer.indexOf('\n', m_consumed);
    if (end < 0)
        return std::nullopt;
    QByteArray line = m_buffer.mid(m_consumed, end - m_consumed);
    m_consumed = end + 1;
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

void LineBuffer::clear()
{
    m_buffer.clear();
    m_consumed = 0;
}
