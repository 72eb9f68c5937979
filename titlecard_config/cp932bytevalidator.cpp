#include "cp932bytevalidator.h"

#include "cp932limit.h"

Cp932ByteValidator::Cp932ByteValidator(int maxBytes, QObject *parent)
    : QValidator(parent), m_maxBytes(maxBytes)
{
}

QValidator::State Cp932ByteValidator::validate(QString &input, int &position) const
{
    trimInsertionToCp932Bytes(input, position, m_maxBytes);
    return Acceptable;
}

void Cp932ByteValidator::fixup(QString &input) const
{
    input = limitToCp932Bytes(input, m_maxBytes);
}
