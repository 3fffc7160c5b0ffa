#pragma once
// Starts outside programs from an argv, never through a shell, so every argument (a path with
// blanks included) reaches the program exactly as given.
#include <string>
#include <vector>

namespace corvalet::platform {

class EventPump;

// The error number when a program cannot be started (missing, not executable).
inline constexpr int programNotFound = 53;

// Runs argv[0] (looked up on PATH when it has no "/") and waits for its end, checking every
// 100 ms and calling `pump->doEvents()` between checks unless `quiet` or no pump. Returns the
// program's exit code, 128 + the signal number when a signal ended it, or programNotFound.
// There is no time-out: it returns when the program ends.
[[nodiscard]] int runAndWait(const std::vector<std::string>& argv, EventPump* pump, bool quiet);

// Starts argv[0] and does not wait; the program's end is collected in the background so it
// leaves no zombie. Returns 0, or programNotFound when it could not be started.
int startDetached(const std::vector<std::string>& argv);

// Opens a document with the desktop's program for its type (xdg-open), without waiting.
// Returns 0, or programNotFound when the opener is missing.
int shellOpenDoc(const std::string& path);

} // namespace corvalet::platform
