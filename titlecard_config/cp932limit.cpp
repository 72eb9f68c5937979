#include "cp932limit.h"

#include "shared/cp932.h"

namespace {

int cp932Size(const QString &text)
{
    // A field holds a few hundred bytes at most.
    return int(Cp932::fromUnicode(text).size());
}

// A surrogate pair is one character: never cut between its halves.
int previousCharStart(const QString &text, int index)
{
    if (index >= 2 && text.at(index - 1).isLowSurrogate() && text.at(index - 2).isHighSurrogate())
        return index - 2;
    return index - 1;
}

} // namespace

QString limitToCp932Bytes(const QString &text, int maxBytes)
{
    if (cp932Size(text) <= maxBytes)
        return text;
    QString result;
    int bytes = 0;
    for (int i = 0; i < text.size();) {
        const int width = (text.at(i).isHighSurrogate() && i + 1 < text.size()
                           && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        const QString character = text.mid(i, width);
        const int size = cp932Size(character);
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        result += character;
        i += width;
    }
    return result;
}

void trimInsertionToCp932Bytes(QString &text, int &position, int maxBytes)
{
    position = qBound(0, position, int(text.size()));
    int excess = cp932Size(text) - maxBytes;
    while (excess > 0 && !text.isEmpty()) {
        const int end = position > 0 ? position : int(text.size());
        const int start = previousCharStart(text, end);
        excess -= cp932Size(text.mid(start, end - start));
        text.remove(start, end - start);
        if (position > 0)
            position = start;
    }
}
