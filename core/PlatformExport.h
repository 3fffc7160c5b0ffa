#pragma once
// Rewrites the LAS exports of the Ostrelle platform (its "2.5" form, which other LAS readers
// reject) as standard LAS 2.0 files: fixed ~Version items, a ~Well section rebuilt from a fixed
// item list, a cleaned ~Curve section, the ~Parameter items (plus MATR when a neutron curve needs
// it) and an ~Ascii section with regenerated depths and fixed-width values.
#include <string>

namespace corvalet::platform {
class Dialogs;
class EventPump;
class PointerDisplay;
} // namespace corvalet::platform

namespace corvalet::core {

struct AppState;

enum class RepairResult { Done = -1, Failed = 0, Cancelled = 1 };

// Writes the repaired copy of `input` to `output`. When `output` names the input itself the user
// is asked for another name ("Save LAS"); the input is never replaced. The new file is written
// beside its target under a temporary name and renamed only when complete, so a failed or
// cancelled repair leaves no partial file. On Done `output` holds the path written. Uses the
// settings country, dotPos, valuePos, dataWidth and dataDecimals, the curve library for curve
// descriptions, and replaces state.sectionRows with the input's ~Parameter items. Polls
// state.userCancelled while writing the data and clears it when the repair ends early.
// `exportVersion` is the platform's export version; the layout repaired here is that of 2.
RepairResult repairQV25Las(AppState& state, platform::Dialogs& dialogs, const std::string& input,
                           std::string& output, int exportVersion = 2, platform::EventPump* pump = nullptr,
                           platform::PointerDisplay* pointer = nullptr);

} // namespace corvalet::core
