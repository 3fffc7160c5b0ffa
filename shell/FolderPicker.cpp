#include "shell/FolderPicker.h"

#include "platform/Dialogs.h"

#include <filesystem>
#include <system_error>

namespace corvalet::shell {

std::string BrowseForFolder(platform::Dialogs& dialogs, const std::string& title, const std::string& startFolder)
{
    // Every dialog then opens a missing start folder the same way: where it opens by default,
    // rather than on whatever part of the path it can make sense of.
    std::error_code error;
    const bool isFolder = !startFolder.empty() && std::filesystem::is_directory(startFolder, error);
    return dialogs.pickFolder(title, isFolder ? startFolder : std::string());
}

} // namespace corvalet::shell
