#pragma once

#include <QStringList>

// The files a card composed in this process depends on besides its key,
// for the card cache: the program and every shared library it runs with
// (an update of the program, of Qt or of the font renderer changes the
// drawing), the font files of the faces drawn with, and the font
// configuration's files and folders (a folder changes when a font is added
// to it or removed from it). Called after composition, when the font
// machinery is loaded anyway.
namespace CardDependencies {

QStringList files(const QStringList &families);

} // namespace CardDependencies
