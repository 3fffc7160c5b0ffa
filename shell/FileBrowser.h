#pragma once
// The file browser "main" ("Select LAS File"): the source folder's files, from which every job
// takes its input, the destination folder, and the check of the chosen file's kind with the
// repairs it can offer. It keeps the editor, the batch-checking window and the toolbox in step
// with the selection through BrowserPeers, so it works whether those windows exist or not.
#include "core/FileKinds.h"
#include "platform/Controls.h"
#include "platform/Window.h"
#include "platform/WindowHost.h"
#include "shell/App.h"
#include "shell/CommandTable.h"

#include <functional>
#include <string>
#include <vector>

namespace corvalet::shell {

// What the browser asks of the windows beside it. Each hook is called only while its window's
// open flag (mmmOpen, certifyOpen, toolsOpen) is set; an empty hook does nothing.
struct BrowserPeers {
    // Editor "mmm".
    std::function<void()> showEditor;
    // Makes the editor reload every slot (its trigger box set to "" and then to " ").
    std::function<void()> reloadEditor;
    std::function<int()> editorTab;
    std::function<void(int tab)> setEditorTab;
    // Loads an ASCII data file into the editor's conversion grid.
    std::function<void(const std::string& path)> loadAsciiToGrid;
    // Batch checking: hides the detail text and refills the result grid.
    std::function<void()> refreshCertify;
    // Toolbox: viewFile and searchFile were just set; it shows the file in its label and, on its
    // first page, the file's first byte page.
    std::function<void()> showToolboxFile;
    // The main window's file-list menu (right button on the list).
    std::function<void()> popupFileMenu;
};

// The editor's tabs the browser switches between.
inline constexpr int kEditorFilesTab = 0;
inline constexpr int kEditorMakeLasTab = 5;

// The background of checkL for a bad file.
inline constexpr platform::Color kCheckRed = 255;

class FileBrowser final : public platform::Window {
public:
    // `flash` is the splash panel whose width the browser takes at the left edge.
    FileBrowser(App& app, Toolbar& toolbar, const platform::Window& flash, BrowserPeers peers = {});

    platform::FileList file1{"File1"};
    platform::FolderList dir2{"Dir2"};
    platform::TextBox sfLab{"SF_LAB"};
    platform::TextBox dfLab{"DF_LAB"};
    platform::Button browse0{"browse", 0};
    platform::Button browse1{"browse", 1};
    platform::Button newFolder{"newFolder"};
    platform::Button seqd{"SEQD"};
    platform::Label fSizL{"fSizL"};
    platform::Label checkL{"checkL"};
    platform::ListBox list1{"List1"};

    [[nodiscard]] BrowserPeers& peers() { return m_peers; }

    // The selection handler: the chosen file becomes the current LAS file and is checked.
    void fileSelectionChanged();
    // Points File1 at the file's folder and selects the file there; a folder that cannot be
    // listed leaves File1 where it was.
    void refreshMainFileList(const std::string& path);
    // At the left edge of the working area, as wide as the splash panel and as high as the area.
    void placeAtLeftEdge();

    // Handlers of the controls (the view and the tests raise them through the controls).
    void onMouseUp(int button, int shift);
    void onMouseDown(int button, int shift);
    void onDblClick();
    void onKeyDown(int& keyCode, int shift);
    void onPathChange();
    void onPatternChange();
    void onDir2Change();
    void onBrowse(int index);
    void onNewFolder();
    void onSameAsSource();

    // The path of list entry i: the list's folder, a separator, the entry's name.
    [[nodiscard]] std::string itemPath(int i) const;

private:
    void onLoad();
    void onActivate();
    void onUnload();
    void selectionChanged(bool offerRepairs);
    void showCheck(std::string_view text, bool bad);
    void requestRedrawAll();
    // Returns true when the handler goes on with the toolbox and the size label.
    bool lineEndRepair(const std::string& file);
    void exportRepair(const std::string& file);
    void saveSetting(const char* key, const std::string& value);
    void setFolder(int index, const std::string& folder);
    [[nodiscard]] bool editorOpen() const;
    [[nodiscard]] int selectedCurrent() const;

    App& m_app;
    Toolbar& m_toolbar;
    const platform::Window& m_flash;
    BrowserPeers m_peers;
    bool m_loading = false;
    // The kind the last classification found (Las for a file that was not classified).
    core::FileKind m_lastKind = core::FileKind::Las;
    std::vector<platform::Connection> m_connections;
};

// "ID_OpenMany": shows the browser, at the left edge and in front.
void registerBrowserCommand(Toolbar& toolbar, platform::WindowHost& host, FileBrowser& browser);

} // namespace corvalet::shell
