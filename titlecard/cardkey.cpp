#include "cardkey.h"

#include <QIODevice>

CardKey::CardKey(const QString &program) : m_out(&m_bytes, QIODevice::WriteOnly)
{
    m_out << program.toUtf8() << QByteArrayLiteral(SUITE_VERSION);
}
