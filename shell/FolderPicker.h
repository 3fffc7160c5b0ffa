#pragma once
// The folder picker of the file browser's source and destination buttons.
#include <string>

namespace corvalet::platform {
class Dialogs;
}

namespace corvalet::shell {

// Lets the user choose a folder in a dialog titled `title` that opens on `startFolder`; a start
// folder that does not exist (or is no folder) opens the dialog without a pre-selection. Returns
// the chosen folder's path, or "" when the user cancelled.
[[nodiscard]] std::string BrowseForFolder(platform::Dialogs& dialogs, const std::string& title,
                                          const std::string& startFolder);

} // namespace corvalet::shell
