#pragma once
// What the random learner leaves behind when the program dies or hangs in the middle of an
// action: the seed and the number of that action, so that the session can be replayed.

#include <QString>
#include <cstdint>

namespace kalkora::learner {

// The longest an action may take before the program counts as hung.
inline constexpr unsigned kHangSeconds = 60;

// Writes the note of the running action to the error output when the process crashes, a
// sanitizer stops it or an action takes longer than kHangSeconds (then it stops the process).
void InstallCrashNotes();

// The action about to be done (starts its clock).
void WatchAction(std::uint32_t seed, long action, const QString& what);

// No action is running any more.
void StopWatching();

}  // namespace kalkora::learner
