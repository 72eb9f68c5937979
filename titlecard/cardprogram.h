#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// What sets one title-card program apart from another, besides its card.
struct CardProgram
{
    QString name;          // the bare program name (shared/programnames.h)
    QString caption;       // the window's title
    QString iconResource;  // PNG
    QString soundResource; // RIFF WAVE; its playing time is the card's
    bool endsOnInput = false; // a key press or a click ends the card early
    // Asked before the application starts: false when the card will not
    // draw text (it is kept from an earlier run), so the font
    // configuration need not be read meanwhile. Unset: it will.
    std::function<bool()> drawsText;
};

// The finished card, and work that can wait until it is on screen (given
// the card as shown).
struct ComposedCard
{
    ComposedCard(const QImage &card = QImage(), std::function<void(const QImage &)> later = {})
        : image(card), afterFirstFrame(std::move(later)) {}
    QImage image;
    std::function<void(const QImage &card)> afterFirstFrame;
};

// The card composed at the given size in device pixels. Called once, on a
// thread of its own, after the application exists (fonts need it), while
// the window is made and shown; the window's first paint waits for it.
using ComposeCard = std::function<ComposedCard(const QSize &devicePixels)>;

// One run of a card program: the card composed off screen, the full-screen
// window, the sound from the first frame on, and the end when the sound
// ends (or after its playing time when nothing can be played). Qt gets
// none of the program's arguments: a card's text may look like one of its
// options. With <NAME>_REPORT_FIRST_FRAME set in the environment the
// moment of the first frame goes to stderr ("<name> first frame <ms since
// 1970>") for tools/measure-startup.sh. Returns the exit code.
int runCardProgram(int argc, char **argv, const CardProgram &program, const ComposeCard &compose);
