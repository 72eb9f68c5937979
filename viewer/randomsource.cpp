#include "randomsource.h"

#include <QRandomGenerator>

#include <chrono>

double ClockSeededRandom::draw()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    QRandomGenerator generator(static_cast<quint32>(now) ^ static_cast<quint32>(now >> 32));
    return generator.generateDouble();
}
