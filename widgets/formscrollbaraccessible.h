#pragma once

// Shows the form's scroll bars to accessibility tools with the values the
// screen shows (FormScrollBar::shownValue), not Qt's negated ones.
namespace FormScrollBarAccessible {

// Called by every bar; installs the interface once.
void install();

} // namespace FormScrollBarAccessible
