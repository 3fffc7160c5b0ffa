#pragma once
// The one road by which every file open and save dialog of the program is shown. A caller names
// a mode (what kind of file, open or save), an extension, a title, a starting folder and a name;
// the mode decides the dialog's filter, default extension and kind.
#include "platform/Dialogs.h"

#include <string>

namespace corvalet::platform {

class EventPump;

// The modes callers pass. Mode 2 (a program file for the preferences) has no row of its own: it
// opens a dialog over every file, as programs here carry no extension.
namespace FileMode {
inline constexpr int OpenTyped = 0;   // open a file of the given extension
inline constexpr int SaveTyped = 1;   // save a file of the given extension
inline constexpr int OpenProgram = 2; // choose a program file
inline constexpr int OpenLas = 3;     // open a LAS file
inline constexpr int SaveLas = 5;     // save a LAS file
inline constexpr int OpenFilter = 6;  // choose a filter file (.las or .fil)
} // namespace FileMode

// Tidies an extension as the callers' variables are tidied: trimmed; the text after the first "."
// when it has one (at most 100 characters); else its first 3 characters; "*" when nothing is left.
void tidyExtension(std::string& extension);
// Drops one trailing "\" or "/" from a folder; a folder that is only a separator stays as it is.
void tidyFolder(std::string& folder);

// What the dialog of a mode is set to. `extension` must already be tidied.
struct FileDialogSetup {
    FileRequest request;
    bool save = false;
};
[[nodiscard]] FileDialogSetup fileDialogSetup(int mode, const std::string& extension, const std::string& title,
                                              const std::string& folder, const std::string& defaultName);

// Shows the dialog of `mode` and returns the chosen path; "" when the user cancelled (no message)
// or the dialog failed (a Dialogs implementation reports a failure by throwing: the user then gets
// "Error selecting file." titled "BAD LOAD!!"). The caller's extension and folder are tidied in
// place. A save dialog of a typed file first lets pending events run once, unless quiet.
std::string getFileName(Dialogs& dialogs, int mode, std::string& extension, const std::string& title,
                        std::string& folder, const std::string& defaultName, EventPump* pump = nullptr,
                        bool quiet = false);

} // namespace corvalet::platform
