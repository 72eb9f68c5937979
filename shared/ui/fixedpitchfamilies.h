#pragma once

#include <QString>

// Whether a font family counts as fixed-pitch for the card. Besides the
// faces the font database marks as monospaced, this takes the Japanese
// "dual width" faces (every half-width character one width, every
// full-width character exactly two), which fontconfig does not mark as
// monospaced but which are the fixed-pitch faces a Japanese title is set in.
bool isFixedPitchFamily(const QString &family);
