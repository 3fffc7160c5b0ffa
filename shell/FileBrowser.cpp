#include "shell/FileBrowser.h"

#include "core/FileUtils.h"
#include "core/PlatformExport.h"
#include "core/WindowHelpers.h"
#include "platform/Dialogs.h"
#include "platform/ProcessRunner.h"
#include "platform/Text.h"
#include "shell/FolderPicker.h"
#include "shell/Startup.h"

#include <exception>
#include <filesystem>
#include <system_error>

namespace corvalet::shell {

namespace fs = std::filesystem;
namespace MsgResult = platform::MsgResult;
namespace MsgStyle = platform::MsgStyle;

namespace {

constexpr int kDeleteKey = 46;
constexpr int kRightButton = 2;

// Folders are kept without a trailing separator (inDir is stored so); a root stays "/".
std::string withoutTrailingSeparator(std::string folder)
{
    while (folder.size() > 1 && core::isPathSeparator(folder.back()))
        folder.pop_back();
    return folder;
}

bool isFolder(const std::string& path)
{
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

// A regular file with at least one byte.
bool isNonEmptyFile(const std::string& path)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return false;
    const auto size = fs::file_size(path, error);
    return !error && size > 0;
}

// The first backup name that is not taken: "x.unixterm.las", then "x.unixterm2.las", ... so an
// earlier backup (the original bytes) is never overwritten.
std::string freeBackupName(const std::string& file)
{
    std::string backup = core::changeExtension(file, "unixterm.las");
    std::error_code error;
    for (int n = 2; fs::exists(backup, error) && n < 1000; ++n)
        backup = core::changeExtension(file, "unixterm" + std::to_string(n) + ".las");
    return backup;
}

// Deletes one file by its exact name (never as a pattern). A folder is not deleted. False when a
// file or folder of that name is still there afterwards.
bool deleteExactly(const std::string& path)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (!fs::exists(status))
        return true;
    if (fs::is_directory(status))
        return false;
    fs::remove(path, error);
    return !error && !fs::exists(fs::symlink_status(path, error));
}

} // namespace

FileBrowser::FileBrowser(App& app, Toolbar& toolbar, const platform::Window& flash, BrowserPeers peers)
    : platform::Window("main", "Select LAS File"), m_app(app), m_toolbar(toolbar), m_flash(flash),
      m_peers(std::move(peers))
{
    for (platform::Control* control : std::initializer_list<platform::Control*>{
             &file1, &dir2, &sfLab, &dfLab, &browse0, &browse1, &newFolder, &seqd, &fSizL, &checkL, &list1})
        addControl(*control);
    file1.setMultiSelect(true);
    file1.setPattern("*.las");
    sfLab.setToolTipText("Source Folder");
    dfLab.setToolTipText("Destination Folder");
    // The folder boxes only show folders; they are chosen through the buttons.
    sfLab.setLocked(true);
    dfLab.setLocked(true);
    browse0.setCaption("Set Source Folder");
    browse1.setCaption("Set Destination Folder");
    newFolder.setCaption("Create New Folder");
    seqd.setCaption("Make Destination Same as Source");
    fSizL.setCaption("Total Selected Bytes");
    checkL.setCaption("File Check Info");

    m_connections.push_back(load.connect([this] { onLoad(); }));
    m_connections.push_back(activate.connect([this] { onActivate(); }));
    m_connections.push_back(unload.connect([this] { onUnload(); }));
    m_connections.push_back(file1.mouseUp.connect([this](int button, int shift) { onMouseUp(button, shift); }));
    m_connections.push_back(file1.mouseDown.connect([this](int button, int shift) { onMouseDown(button, shift); }));
    m_connections.push_back(file1.dblClick.connect([this] { onDblClick(); }));
    m_connections.push_back(file1.keyDown.connect([this](int& key, int shift) { onKeyDown(key, shift); }));
    m_connections.push_back(file1.pathChange.connect([this] { onPathChange(); }));
    m_connections.push_back(file1.patternChange.connect([this] { onPatternChange(); }));
    m_connections.push_back(dir2.change.connect([this] { onDir2Change(); }));
    m_connections.push_back(browse0.click.connect([this] { onBrowse(0); }));
    m_connections.push_back(browse1.click.connect([this] { onBrowse(1); }));
    m_connections.push_back(sfLab.dblClick.connect([this] { onBrowse(0); }));
    m_connections.push_back(dfLab.dblClick.connect([this] { onBrowse(1); }));
    m_connections.push_back(newFolder.click.connect([this] { onNewFolder(); }));
    m_connections.push_back(seqd.click.connect([this] { onSameAsSource(); }));
}

std::string FileBrowser::itemPath(int i) const
{
    if (i < 0 || i >= file1.listCount())
        return {};
    return core::addBackslash(file1.path()) + file1.list(i);
}

bool FileBrowser::editorOpen() const { return m_app.state().mmmOpen; }

int FileBrowser::selectedCurrent() const
{
    const int current = file1.listIndex();
    if (current >= 0 && file1.selected(current))
        return current;
    for (int i = 0; i < file1.listCount(); ++i)
        if (file1.selected(i))
            return i;
    return -1;
}

void FileBrowser::saveSetting(const char* key, const std::string& value)
{
    m_app.settings().saveSetting(settingsApplication, settingsSection, key, value);
}

void FileBrowser::placeAtLeftEdge()
{
    const platform::WindowHost* host = m_app.services().host;
    const int height = host ? host->workArea().height : this->height();
    move(0, 0, m_flash.width(), height);
}

// ---------------------------------------------------------------- life cycle

void FileBrowser::onLoad()
{
    core::AppState& state = m_app.state();
    // Each step on its own: a failing one is skipped and the next still runs.
    const auto step = [](const auto& body) {
        try {
            body();
        } catch (const std::exception&) {
        }
    };
    m_loading = true;
    step([&] {
        dir2.setVisible(false);
        list1.setVisible(false);
        core::FontSettings font;
        if (!state.uiFontName.empty())
            font.name = state.uiFontName;
        if (state.uiFontSize > 0)
            font.size = state.uiFontSize;
        font.bold = state.uiFontBold;
        core::applyFontToControls(*this, font);
        placeAtLeftEdge();
    });
    step([&] {
        m_toolbar.setEnabled("ID_SaveAsFilter", true);
        m_toolbar.setEnabled("ID_MMM", true);
        state.mainOpen = true;
        setKeyPreview(true);
    });
    // Every load starts on the LAS pattern, whatever pattern the list had before.
    step([&] { file1.setPattern("*.las"); });
    m_loading = false;
    step([&] {
        const std::string source = withoutTrailingSeparator(state.inDir);
        // Opened again on the same folder: its files may have changed meanwhile.
        if (file1.path() == source)
            file1.refresh();
        else
            file1.setPath(source);
        sfLab.setText(file1.path());
        if (isFolder(state.outDir)) {
            dir2.setPath(withoutTrailingSeparator(state.outDir));
            dfLab.setText(dir2.path());
        }
    });
    step([&] {
        std::string name = core::fileNameOfPath(state.currentLASFile);
        if (name.empty())
            return;
        if (const auto found = core::selectListItemFound(file1, name)) {
            file1.setListIndex(*found);
            m_toolbar.setEnabled("ID_EditLAS", true);
        }
    });
    step([&] { onMouseUp(1, 0); });
}

void FileBrowser::onActivate() { core::refreshFileList(file1); }

void FileBrowser::onUnload()
{
    m_app.state().mainOpen = false;
    for (const char* id : {"ID_EditLAS", "ID_SaveAsFilter", "ID_MMM"})
        m_toolbar.setEnabled(id, false);
}

// ---------------------------------------------------------------- folders

void FileBrowser::onPathChange()
{
    m_app.state().inDir = file1.path();
    sfLab.setText(file1.path());
    saveSetting(key::inDir, file1.path());
}

void FileBrowser::onDir2Change()
{
    m_app.state().outDir = core::addBackslash(dir2.path());
    dfLab.setText(dir2.path());
    saveSetting(key::outDir, m_app.state().outDir);
}

void FileBrowser::setFolder(int index, const std::string& folder)
{
    // The change handler runs even when the folder is the one already shown, so a re-chosen
    // folder is re-read and stored like any other.
    if (index == 0) {
        if (file1.path() == folder) {
            core::refreshFileList(file1);
            onPathChange();
        } else {
            file1.setPath(folder);
        }
    } else {
        if (dir2.path() == folder) {
            dir2.refresh();
            onDir2Change();
        } else {
            dir2.setPath(folder);
        }
    }
}

void FileBrowser::onBrowse(int index)
{
    const std::string title = index == 0 ? "Select Source Folder" : "Select Destination Folder";
    const std::string start = index == 0 ? file1.path() : dir2.path();
    const std::string chosen = BrowseForFolder(m_app.dialogs(), title, start);
    if (chosen.empty())
        return;
    setFolder(index, withoutTrailingSeparator(chosen));
}

void FileBrowser::onSameAsSource() { setFolder(1, file1.path()); }

void FileBrowser::onNewFolder()
{
    platform::Dialogs& dialogs = m_app.dialogs();
    const platform::InputResult answer =
        dialogs.inputBox("Enter new folder name for \n\n" + dir2.path(), "Create New Folder", "data");
    if (answer.cancelled || answer.text.empty())
        return;
    std::string name;
    for (char c : answer.text)
        if (c != '"')
            name += c;
    if (name.empty() || !core::isValidFileName(name))
        return;
    const std::string folder = core::addBackslash(dir2.path()) + name;
    std::error_code error;
    // A folder that is already there is no new folder: reported like any other failure.
    if (!fs::create_directory(folder, error) && !error)
        error = std::make_error_code(std::errc::file_exists);
    if (error) {
        dialogs.msgBox("Illegal folder name or unable to create the folder \"" + name +
                           "\". Try again. Error was :\n\n" + error.message(),
                       MsgStyle::Critical, "Unable to Create Folder");
        return;
    }
    dir2.setPath(withoutTrailingSeparator(folder));
    dir2.refresh();
}

void FileBrowser::refreshMainFileList(const std::string& path)
{
    const std::string remembered = file1.path();
    try {
        const std::string folder = withoutTrailingSeparator(core::folderOfPath(path));
        if (!isFolder(folder)) {
            // Nothing to list there: the list stays on its folder.
            return;
        }
        file1.setPath(folder);
        if (file1.listCount() == 0)
            return;
        const std::string name = core::fileNameOfPath(path);
        file1.userSelect({}, -1);
        for (int i = 0; i < file1.listCount(); ++i) {
            if (platform::equalsNoCase(file1.list(i), name)) {
                file1.userSelect({i}, i);
                file1.setTopIndex(i);
                break;
            }
        }
    } catch (const std::exception&) {
        file1.setPath(remembered);
    }
}

// ---------------------------------------------------------------- list events

void FileBrowser::onMouseUp(int, int)
{
    if (!m_app.state().jobRunning)
        fileSelectionChanged();
}

void FileBrowser::onMouseDown(int button, int)
{
    if (button == kRightButton && !m_app.state().jobRunning && m_peers.popupFileMenu)
        m_peers.popupFileMenu();
}

void FileBrowser::onDblClick()
{
    if (!editorOpen()) {
        if (m_peers.showEditor)
            m_peers.showEditor();
    } else if (!m_app.state().currentLASFile.empty() && m_peers.reloadEditor) {
        m_peers.reloadEditor();
    }
}

void FileBrowser::onPatternChange()
{
    if (m_loading || !editorOpen() || !m_peers.setEditorTab)
        return;
    m_peers.setEditorTab(platform::equalsNoCase(file1.pattern(), "*.las") ? kEditorFilesTab : kEditorMakeLasTab);
}

void FileBrowser::onKeyDown(int& keyCode, int)
{
    if (keyCode != kDeleteKey)
        return;
    platform::Dialogs& dialogs = m_app.dialogs();
    const int count = core::countSelected(file1);
    if (count > 0) {
        const std::string text = count == 1
                                     ? "Please confirm your wish to delete " + file1.list(selectedCurrent())
                                     : "Please confirm your wish to delete these " + std::to_string(count) + " file(s).";
        if (dialogs.msgBox(text, MsgStyle::YesNo + MsgStyle::Question, "Delete File??", MsgResult::No) != MsgResult::Yes)
            return;
        for (int i = 0; i < file1.listCount(); ++i) {
            if (!file1.selected(i))
                continue;
            const std::string path = itemPath(i);
            if (!deleteExactly(path))
                dialogs.msgBox("Unable to delete " + path + ".", MsgStyle::Exclamation, "Can't Delete File!");
        }
    }
    if (m_app.state().mainOpen)
        core::refreshFileList(file1);
    requestRedrawAll();
}

void FileBrowser::requestRedrawAll()
{
    file1.requestRedraw();
    fSizL.requestRedraw();
    checkL.requestRedraw();
}

// ---------------------------------------------------------------- the selection

void FileBrowser::showCheck(std::string_view text, bool bad)
{
    checkL.setCaption(std::string(text));
    checkL.setBackColor(bad ? kCheckRed : fSizL.backColor());
}

void FileBrowser::fileSelectionChanged() { selectionChanged(true); }

void FileBrowser::selectionChanged(bool offerRepairs)
{
    core::AppState& state = m_app.state();
    platform::Dialogs& dialogs = m_app.dialogs();
    m_lastKind = core::FileKind::Las;
    try {
        state.inDir = file1.path();
        sfLab.setText(file1.path());
        state.dataMatrix.redim(0, 0);
        const int selected = core::countSelected(file1);
        state.currentLASFile.clear();
        if (selected == 0)
            return;
        if (state.certifyOpen) {
            if (m_peers.refreshCertify)
                m_peers.refreshCertify();
            return;
        }
        if (selected > 1) {
            // A batch: the focus item becomes the current file, but not the first entry.
            if (file1.listIndex() > 0)
                state.currentLASFile = itemPath(file1.listIndex());
            if (editorOpen() && m_peers.setEditorTab) {
                const int tab = m_peers.editorTab ? m_peers.editorTab() : kEditorFilesTab;
                if (!(tab == kEditorMakeLasTab && !platform::equalsNoCase(file1.pattern(), "*.las")))
                    m_peers.setEditorTab(kEditorFilesTab);
            }
        } else {
            const std::string file = itemPath(selectedCurrent());
            state.currentLASFile = file;
            saveSetting(key::lasFile, file);
            m_toolbar.setEnabled("ID_EditLAS", true);

            if (editorOpen()) {
                const int tab = m_peers.editorTab ? m_peers.editorTab() : kEditorFilesTab;
                if (tab == kEditorMakeLasTab && core::sniffLas(file) != -1) {
                    // Not a LAS file: data for the conversion grid.
                    if (file == state.asciiInputFile && !state.quietMode &&
                        dialogs.msgBox("Do you want to re-load the file?", MsgStyle::YesNo + MsgStyle::Question,
                                       "Please Confirm") == MsgResult::No)
                        return;
                    state.asciiInputFile = file;
                    if (m_peers.loadAsciiToGrid)
                        m_peers.loadAsciiToGrid(file);
                    return;
                }
                if (m_peers.setEditorTab)
                    m_peers.setEditorTab(kEditorFilesTab);
            }

            if (!isNonEmptyFile(file)) {
                state.currentLASFile.clear();
                showCheck("File Doesn't Exist", true);
                return;
            }

            // Each file is judged on its own: no label of the previous file stays behind.
            showCheck("", false);
            const std::string name = core::fileNameOfPath(file);
            if (core::hasLasExtension(name)) {
                const core::FileKind kind = core::detectFileKind(file, dialogs);
                m_lastKind = kind;
                const bool bad = kind == core::FileKind::Unusable || kind == core::FileKind::UnixTermination ||
                                 kind == core::FileKind::NotBasicLas;
                showCheck(core::fileKindLabel(kind), bad);
                if (kind == core::FileKind::Unusable || kind == core::FileKind::NotBasicLas)
                    state.currentLASFile.clear();
                // The offers need the window on screen and the toolbox closed.
                const bool ready = isVisible() && !state.toolsOpen;
                if (kind == core::FileKind::UnixTermination && offerRepairs && ready) {
                    if (!lineEndRepair(file))
                        return;
                } else if (kind == core::FileKind::Ostrelle2x && offerRepairs && ready) {
                    exportRepair(file);
                }
            } else {
                if (platform::endsWithNoCase(name, ".csv"))
                    showCheck("CSV File", false);
                if (core::isPrimaryIndexFile(file))
                    showCheck("QV ASCII File", false);
            }

            if (state.toolsOpen) {
                state.viewFile = itemPath(selectedCurrent());
                state.searchFile = state.viewFile;
                if (m_peers.showToolboxFile)
                    m_peers.showToolboxFile();
            }
        }
        core::showSelectedBytes(file1, fSizL);
        requestRedrawAll();
    } catch (const std::exception&) {
        // An unexpected failure ends the handler without a message.
    }
}

bool FileBrowser::lineEndRepair(const std::string& file)
{
    core::AppState& state = m_app.state();
    platform::Dialogs& dialogs = m_app.dialogs();
    // Only bare LF line ends are repaired here (also among CR LF ones); a binary file, or one
    // without any bare LF (CR alone), gets no offer, since converting them cannot make it usable.
    const core::LineEnds ends = core::checkLineEnds(file);
    if ((ends != core::LineEnds::BareLf && ends != core::LineEnds::Undetermined) || core::hasLfOnlyLines(file) == 0) {
        state.currentLASFile.clear();
        return true;
    }
    std::string backup;
    if (state.quietMode) {
        if (!core::convertBareLf(file, file)) {
            state.currentLASFile.clear();
            return false;
        }
    } else {
        const int answer = dialogs.msgBox("Unix Termination found. " + file + " is not usable as is. Repair Now? ",
                                          MsgStyle::YesNo + MsgStyle::Critical, "Unix Termination! ", MsgResult::No);
        if (answer != MsgResult::Yes) {
            state.currentLASFile.clear();
            return true;
        }
        backup = freeBackupName(file);
        std::error_code error;
        const bool copied = fs::copy_file(file, backup, fs::copy_options::none, error) && !error;
        if (!copied) {
            // A partial backup is no backup; the file itself was not touched.
            std::error_code ignored;
            fs::remove(backup, ignored);
        }
        if (!copied || !core::convertBareLf(file, file)) {
            dialogs.msgBox("Unix repair attempt of " + file + " was NOT successful. Use this file with caution.",
                           MsgStyle::Critical, "Caution!");
            state.currentLASFile.clear();
            return true;
        }
    }
    if (!core::fileExists(file)) {
        state.currentLASFile.clear();
        return true;
    }
    if (!state.quietMode)
        dialogs.msgBox("Unix repair successful. Original file renamed to" + backup, MsgStyle::Information,
                       "Unix Repair Successful");
    // Classified anew, once and without another offer.
    if (state.jobRunning)
        return false;
    selectionChanged(false);
    if (m_lastKind == core::FileKind::UnixTermination) {
        if (!state.quietMode)
            dialogs.msgBox("Unix repair attempt of " + file + " was NOT successful. Use this file with caution.",
                           MsgStyle::Critical, "Caution!");
        state.currentLASFile.clear();
    }
    return false;
}

void FileBrowser::exportRepair(const std::string& file)
{
    core::AppState& state = m_app.state();
    if (state.quietMode)
        return;
    platform::Dialogs& dialogs = m_app.dialogs();
    if (dialogs.msgBox("QV 2.5 LAS found. " + file + " is not usable as is. Repair Now? ",
                       MsgStyle::YesNo + MsgStyle::Critical, "QV 2.5 LAS (Bad LAS, Bad!)", MsgResult::No) !=
        MsgResult::Yes)
        return;
    std::string output = core::addBackslash(state.outDir) + core::fileNameOfPath(file);
    const core::RepairResult result = core::repairQV25Las(state, dialogs, file, output, 2,
                                                          m_app.services().eventPump, m_app.services().pointer);
    if (result == core::RepairResult::Done && m_toolbar.state("ID_EditAfter") == 1 && !state.quietMode)
        platform::shellOpenDoc(output);
}

// ---------------------------------------------------------------- command

void registerBrowserCommand(Toolbar& toolbar, platform::WindowHost& host, FileBrowser& browser)
{
    toolbar.setHandler("ID_OpenMany", [&host, &browser] {
        host.show(browser);
        browser.placeAtLeftEdge();
        host.activate(browser);
    });
}

} // namespace corvalet::shell
