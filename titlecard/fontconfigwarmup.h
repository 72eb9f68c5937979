#pragma once

#include <future>

// Reading the font configuration and its caches is the largest single
// step of a card's first composition (some 10 ms) and needs nothing of Qt,
// so it can run on a thread of its own while the application starts.
namespace FontConfigWarmUp {

// Starts it (once a process, before any thread draws text); the future is
// ready once it is done (at once when no thread could be started: the
// composition then reads it itself).
std::shared_future<void> start();

// Whoever draws text waits for it first, or the configuration would be
// read twice; nothing to wait for when it was never started.
void wait();

} // namespace FontConfigWarmUp
