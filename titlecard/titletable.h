#pragma once

#include <QString>
#include <QStringList>

// The episode title records carried in the program: record N is the
// TitleRecord of episode N ("line1,line2,ruby1,ruby2,line3"). Every
// character is one code page 932 holds: the card lays them out by their
// bytes there.
namespace TitleTable {

constexpr int kEpisodeCount = 45;

// Record of the episode 1..kEpisodeCount; empty for any other number.
QString record(int episode);

// All records, index 0 = episode 1.
QStringList records();

} // namespace TitleTable
