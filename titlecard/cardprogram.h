#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

// What sets one title-card program apart from another, besides its card.
struct CardProgram
{
    QString name;          // the bare program name (shared/programnames.h)
    // The window's title as written, shown in the interface's language:
    // marked with QT_TRANSLATE_NOOP(captionContext, …) where it is written.
    QString caption;
    const char *captionContext = "CardProgram";
    QString iconResource;  // PNG
    QString soundResource; // RIFF WAVE; its playing time is the card's
    bool endsOnInput = false; // a key press or a click ends the card early
};

// What one run shows, decided before the application starts (QtCore only).
struct CardRecipe
{
    QByteArray key; // the card cache's key (CardKey): all the card is made of but files
    // The card at the screen's size in device pixels. Called on a thread of
    // its own once the application exists; whoever draws text waits for
    // FontConfigWarmUp first.
    std::function<QImage(const QSize &devicePixels)> compose;
    // The font families the card was drawn with, for the cache's stamps;
    // asked after compose, on the application's thread.
    std::function<QStringList()> families;
    // Work for compose that needs no application, begun before it starts
    // when the card is not kept (unset: none).
    std::function<void()> prepare;
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

// One run of a card program: the card kept from an earlier run (read
// while Qt starts) or else composed off screen on a thread of its own while
// the window is made and shown, and kept once it is on screen; the full-screen
// window, the sound from the first frame on, and the end when the sound
// ends (or after its playing time when nothing can be played). Qt gets
// none of the program's arguments: a card's text may look like one of its
// options. With <NAME>_REPORT_FIRST_FRAME set in the environment the
// moment of the first frame goes to stderr ("<name> first frame <ms since
// 1970>") for tools/measure-startup.sh. Returns the exit code.
int runCardProgram(int argc, char **argv, const CardProgram &program, const CardRecipe &recipe);
