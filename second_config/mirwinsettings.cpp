#include "mirwinsettings.h"

QString sizeText(int size)
{
    return size > 0 ? QStringLiteral("+") + QString::number(size) : QString::number(size);
}

QString sizeText(const std::optional<int> &size)
{
    return size ? sizeText(*size) : QString();
}

QString positionText(int horizontal, int vertical)
{
    return QStringLiteral("( %1 , %2 )").arg(horizontal).arg(vertical);
}
