#include "platform/FileDialogs.h"

#include "platform/EventPump.h"
#include "platform/Text.h"

namespace corvalet::platform {

namespace {

constexpr const char* lasFilter = "las Files (*.las)|*.las";
constexpr const char* lasOrFilFilter = "las Files (*.las;*.fil)|*.las;*.fil";
constexpr const char* everyFileFilter = "All Files (*.*)|*.*";

std::string typedFilter(const std::string& extension) { return "Files (*." + extension + ")|*." + extension; }

} // namespace

void tidyExtension(std::string& extension)
{
    std::string tidy(trimBlanks(extension));
    const std::size_t dot = tidy.find('.');
    if (dot != std::string::npos)
        tidy = tidy.substr(dot + 1, 100);
    else if (tidy.size() > 3)
        tidy.resize(3);
    if (tidy.empty())
        tidy = "*";
    extension = std::move(tidy);
}

void tidyFolder(std::string& folder)
{
    // "/" alone is the root folder; cutting it would make the dialog start somewhere else.
    if (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/'))
        folder.pop_back();
}

FileDialogSetup fileDialogSetup(int mode, const std::string& extension, const std::string& title,
                                const std::string& folder, const std::string& defaultName)
{
    FileDialogSetup setup;
    FileRequest& r = setup.request;
    r.title = title;
    r.folder = folder;
    r.fileName = defaultName;
    // "*" stands for any extension: appending ".*" to a typed name would give no usable name.
    const std::string typedExt = extension == "*" ? std::string() : extension;
    switch (mode) {
    case FileMode::OpenTyped:
        r.defaultExt = typedExt;
        r.filter = typedFilter(extension) + "|" + everyFileFilter;
        break;
    case FileMode::SaveTyped:
        r.defaultExt = typedExt;
        r.filter = typedFilter(extension);
        setup.save = true;
        break;
    case FileMode::OpenLas:
        r.defaultExt = "las";
        r.filter = lasFilter;
        break;
    case FileMode::SaveLas:
        r.defaultExt = "las";
        r.filter = lasFilter;
        setup.save = true;
        break;
    case FileMode::OpenFilter:
        r.defaultExt = typedExt;
        r.title = "Select LAS or FIL File for Filter";
        r.filter = lasOrFilFilter;
        break;
    default:
        // Program files (mode 2) and any mode without a row: an open dialog over every file.
        r.filter = everyFileFilter;
        break;
    }
    return setup;
}

std::string getFileName(Dialogs& dialogs, int mode, std::string& extension, const std::string& title,
                        std::string& folder, const std::string& defaultName, EventPump* pump, bool quiet)
{
    tidyExtension(extension);
    tidyFolder(folder);
    const FileDialogSetup setup = fileDialogSetup(mode, extension, title, folder, defaultName);
    if (mode == FileMode::SaveTyped && !quiet && pump)
        pump->doEvents();
    try {
        const FileResult result = setup.save ? dialogs.saveFile(setup.request) : dialogs.openFile(setup.request);
        return result.cancelled ? std::string() : result.path();
    } catch (...) {
        dialogs.msgBox("Error selecting file.", MsgStyle::OkOnly + MsgStyle::Critical, "BAD LOAD!!");
        return {};
    }
}

} // namespace corvalet::platform
