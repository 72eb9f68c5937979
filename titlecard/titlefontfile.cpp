#include "titlefontfile.h"

#include "shared/atomicwrite.h"
#include "shared/textencoding.h"
#include "shared/parsedecimal.h"
#include "shared/programfolder.h"
#include "shared/regularfile.h"
#include "shared/settingslocation.h"

namespace TitleFontFile {

QString path(const QString &buildLayoutFolder)
{
    return SettingsLocation::filePath(kFileName, buildLayoutFolder, programFolder());
}

namespace {

constexpr int kLineCount = 14;
constexpr int kLineBufferBytes = 255; // a 256-byte line buffer, terminator included
// No valid file comes near this; it keeps a huge file from being loaded whole.
constexpr qint64 kMaxBytesRead = kLineCount * kLineBufferBytes * 2;

// Reads line by line as fgets() into a 256-byte buffer does: at most 255
// bytes, up to and including a line end. Text mode turns CR LF into LF.
class LineReader
{
public:
    explicit LineReader(const QByteArray &text) : m_text(text) {}

    bool next(QByteArray &line)
    {
        if (m_pos >= m_text.size())
            return false;
        const qsizetype limit = qMin<qsizetype>(m_pos + kLineBufferBytes, m_text.size());
        qsizetype end = m_pos;
        while (end < limit && m_text.at(end) != '\n')
            ++end;
        if (end < limit)
            ++end; // keep the line end
        line = m_text.mid(m_pos, end - m_pos);
        m_pos = end;
        return true;
    }

private:
    QByteArray m_text;
    qsizetype m_pos = 0;
};

QByteArray toTextMode(QByteArray bytes)
{
    return bytes.replace("\r\n", "\n");
}

QByteArray faceFromLine(QByteArray line)
{
    // The face field ends at the first terminator.
    const qsizetype nul = line.indexOf('\0');
    if (nul >= 0)
        line.truncate(nul);
    line = TextEncoding::cutAtCharBoundary(line, TitleFont::kFaceNameBytes);
    // A hand-edited file may have a line end after the face. Dropped last,
    // so that no cut or terminator leaves one at the end of the face, which
    // the written file would then lose.
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

// A named pipe, a device or a folder by that name is no file: the
// defaults stand, and nothing waits for a writer.
QByteArray readHead(const QString &path, bool *opened)
{
    const RegularFile::Head head = RegularFile::readHead(path, kMaxBytesRead);
    *opened = head.status == RegularFile::Status::Ok;
    return head.bytes;
}

} // namespace

void parse(const QByteArray &contents, TitleFont &font)
{
    LineReader reader(toTextMode(contents));
    std::int32_t *const words[] = {&font.lfHeight, &font.lfWidth, &font.lfEscapement,
                                   &font.lfOrientation, &font.lfWeight};
    std::uint8_t *const bytes[] = {&font.lfItalic, &font.lfUnderline, &font.lfStrikeOut,
                                   &font.lfCharSet, &font.lfOutPrecision, &font.lfClipPrecision,
                                   &font.lfQuality, &font.lfPitchAndFamily};
    QByteArray line;
    for (int k = 0; k < kLineCount; ++k) {
        if (!reader.next(line))
            break; // every later field finds the end of file too
        if (k < 5)
            *words[k] = parseDecimal(line);
        else if (k < 13)
            *bytes[k - 5] = static_cast<std::uint8_t>(parseDecimal(line) & 0xFF);
        else
            font.lfFaceName = faceFromLine(line);
    }
}

void read(const QString &path, TitleFont &font)
{
    bool opened = false;
    const QByteArray contents = readHead(path, &opened);
    if (opened)
        parse(contents, font);
}

QByteArray readFaceLine(const QString &path)
{
    bool opened = false;
    const QByteArray contents = readHead(path, &opened);
    LineReader reader(toTextMode(contents));
    QByteArray line;
    for (int k = 0; k < kLineCount; ++k) {
        if (!reader.next(line))
            return {};
    }
    return faceFromLine(line);
}

QByteArray serialize(const TitleFont &font)
{
    QByteArray out;
    for (std::int32_t v : {font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation,
                           font.lfWeight})
        out += QByteArray::number(static_cast<std::uint32_t>(v)) + "\r\n";
    for (std::uint8_t v : {font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet,
                           font.lfOutPrecision, font.lfClipPrecision, font.lfQuality,
                           font.lfPitchAndFamily})
        out += QByteArray::number(v) + "\r\n";
    out += TextEncoding::cutAtCharBoundary(font.lfFaceName, TitleFont::kFaceNameBytes);
    return out;
}

bool write(const QString &path, const TitleFont &font, QString *error)
{
    return writeFileAtomically(path, serialize(font), error);
}

} // namespace TitleFontFile
