#include "iniescape.h"

#include <QStringDecoder>

namespace IniEscape {

namespace {

const QString kStringForm = QStringLiteral("@String(");
constexpr char32_t kMaxCodePoint = 0x10FFFF;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

int hexValue(char16_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

QByteArray hexDigits(uint value, int width)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(width, '0');
}

void appendCodePoint(QString &out, char32_t value)
{
    if (value > kMaxCodePoint)
        out += QChar(QChar::ReplacementCharacter);
    else if (value > 0xFFFF)
        out += QString::fromUcs4(&value, 1);
    else
        out += QChar(char16_t(value)); // a lone surrogate stays what it was written as
}

// One escape after a backslash at text[pos]; returns the position after it.
qsizetype readEscape(const QString &text, qsizetype pos, QString &out)
{
    if (pos >= text.size())
        return pos;
    const char16_t c = text.at(pos).unicode();
    const auto readNumber = [&](qsizetype from, int base) {
        char32_t value = 0;
        qsizetype i = from;
        for (; i < text.size(); ++i) {
            const int digit = hexValue(text.at(i).unicode());
            if (digit < 0 || digit >= base)
                break;
            // Saturates instead of wrapping; anything above the last code point is bad anyway.
            value = qMin<char32_t>(value * base + digit, kMaxCodePoint + 1);
        }
        appendCodePoint(out, value);
        return i;
    };
    switch (c) {
    case 'a': out += QLatin1Char('\a'); break;
    case 'b': out += QLatin1Char('\b'); break;
    case 'f': out += QLatin1Char('\f'); break;
    case 'n': out += QLatin1Char('\n'); break;
    case 'r': out += QLatin1Char('\r'); break;
    case 't': out += QLatin1Char('\t'); break;
    case 'v': out += QLatin1Char('\v'); break;
    case '"':
    case '\'':
    case '\\':
    case '?':
        out += QChar(c);
        break;
    case 'x':
        return readNumber(pos + 1, 16);
    default:
        if (c >= '0' && c <= '7')
            return readNumber(pos, 8);
        break; // an unknown escape stands for nothing, as in QSettings
    }
    return pos + 1;
}

} // namespace

QString fromUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QByteArray escapedKey(const QString &key)
{
    QByteArray out;
    for (const QChar ch : key) {
        const char16_t c = ch.unicode();
        if (c == '/')
            out += '\\';
        else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'
                 || c == '-' || c == '.')
            out += char(c);
        else if (c <= 0xFF)
            out += '%' + hexDigits(c, 2);
        else
            out += "%U" + hexDigits(c, 4);
    }
    return out;
}

QString unescapedKey(const QByteArray &text)
{
    QString out;
    QByteArray run; // plain bytes, decoded together as UTF-8
    const auto flush = [&] {
        out += fromUtf8(run);
        run.clear();
    };
    const auto hexAt = [&](qsizetype from, int count) {
        if (from + count > text.size())
            return -1;
        int value = 0;
        for (int i = 0; i < count; ++i) {
            const int digit = hexValue(static_cast<unsigned char>(text.at(from + i)));
            if (digit < 0)
                return -1;
            value = value * 16 + digit;
        }
        return value;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c == '%') {
            const int wide = i + 1 < text.size() && text.at(i + 1) == 'U' ? hexAt(i + 2, 4) : -1;
            const int narrow = wide < 0 ? hexAt(i + 1, 2) : -1;
            if (wide >= 0 || narrow >= 0) {
                flush();
                out += QChar(char16_t(wide >= 0 ? wide : narrow));
                i += wide >= 0 ? 5 : 2;
                continue;
            }
        }
        if (c == '\\')
            run += '/';
        else
            run += c;
    }
    flush();
    return out;
}

QByteArray escapedValue(const QString &value)
{
    const QString text = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    QByteArray out;
    bool quote = false;
    bool escapeNextHexDigit = false; // "\x1" then "2" would read as "\x12"
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == ';' || c == ',' || c == '=')
            quote = true;
        if (escapeNextHexDigit && hexValue(c) >= 0) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextHexDigit = false;
        switch (c) {
        case '\0': out += "\\0"; escapeNextHexDigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(c);
            break;
        default:
            if (c < 0x20) {
                out += "\\x" + QByteArray::number(c, 16);
                escapeNextHexDigit = true;
            } else if (c < 0x80) {
                out += char(c);
            } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                out += text.mid(i, 2).toUtf8();
                ++i;
            } else if (QChar::isSurrogate(c) || c == 0xFEFF) {
                // UTF-8 cannot carry half a pair, and a byte-order mark is
                // dropped by UTF-8 readers; the escape keeps both exact.
                out += "\\x" + QByteArray::number(c, 16);
                escapeNextHexDigit = true;
            } else {
                out += QString(QChar(c)).toUtf8();
            }
        }
    }
    if (quote || out.startsWith(' ') || out.endsWith(' ')) {
        out.prepend('"');
        out.append('"');
    }
    return out;
}

QString unescapedValue(const QString &text)
{
    QString out;
    qsizetype solid = 0; // out up to its last character that is not an unquoted blank
    bool quoted = false;
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i)))
        ++i;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            solid = out.size();
            ++i;
        } else if (c == QLatin1Char('\\')) {
            i = readEscape(text, i + 1, out);
            solid = out.size();
        } else if (c == QLatin1Char(';') && !quoted) {
            break;
        } else {
            out += c;
            if (quoted || !isBlank(c))
                solid = out.size();
            ++i;
        }
    }
    out.truncate(solid);
    if (out.startsWith(QLatin1String("@@")))
        return out.mid(1);
    if (out.startsWith(kStringForm) && out.endsWith(QLatin1Char(')')))
        return out.mid(kStringForm.size(), out.size() - kStringForm.size() - 1);
    return out;
}

} // namespace IniEscape
