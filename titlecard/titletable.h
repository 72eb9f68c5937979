#pragma once

#include <QByteArray>
#include <QList>

// The episode title records carried in the program: record N is the
// TitleRecord of episode N ("line1,line2,ruby1,ruby2,line3"), in code
// page 932.
namespace TitleTable {

constexpr int kEpisodeCount = 45;

// Record of the episode 1..kEpisodeCount; empty for any other number.
QByteArray record(int episode);

// All records, index 0 = episode 1.
QList<QByteArray> records();

} // namespace TitleTable
