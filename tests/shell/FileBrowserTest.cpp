#include "shell/FileBrowser.h"

#include "ShellFixture.h"
#include "core/AppState.h"
#include "core/FileUtils.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "platform/WindowHost.h"
#include "shell/Startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace corvalet;
using shell::test::readFile;
using shell::test::stored;
using shell::test::writeFile;
namespace fs = std::filesystem;
namespace MsgResult = platform::MsgResult;

namespace {

const std::string kLas = "~Version\r\n VERS. 2.0 :\r\n~Well\r\n STRT.M 1 :\r\n~A\r\n1 2\r\n";
const std::string kLasLf = "~Version\n VERS. 2.0 :\n~Well\n STRT.M 1 :\n~A\n1 2\n";

// A browser over a scratch source and destination folder, in-memory settings and scripted
// dialogs, in a headless host.
struct Browser {
    shell::test::Installation install;
    fs::path source = install.root.path() / "source";
    fs::path destination = install.root.path() / "dest";
    platform::MemorySettings settings;
    platform::ScriptedDialogs dialogs;
    platform::HeadlessWindowHost host;
    shell::App app{install.services(settings, dialogs, &host)};
    shell::Toolbar toolbar;
    platform::Window flash{"flash"};
    shell::FileBrowser browser{app, toolbar, flash};
    core::AppState& state = app.state();

    Browser()
    {
        fs::create_directories(source);
        fs::create_directories(destination);
        // The tools the browser switches only show enabled once they have an action.
        for (const char* id : {"ID_EditLAS", "ID_SaveAsFilter", "ID_MMM"})
            toolbar.setHandler(id, [] {});
        state.inDir = source.string();
        state.outDir = core::addBackslash(destination.string());
        flash.move(0, 0, 3300, 9000);
    }

    std::string put(const std::string& name, const std::string& bytes) const
    {
        const std::string path = (source / name).string();
        writeFile(path, bytes);
        return path;
    }
    // Shows the browser (its load runs) on the source folder.
    void open() { host.show(browser); }
    void list() { browser.file1.setPath(source.string()); }
    int row(const std::string& name) const
    {
        for (int i = 0; i < browser.file1.listCount(); ++i)
            if (browser.file1.list(i) == name)
                return i;
        ADD_FAILURE() << name << " is not listed";
        return -1;
    }
    // The user selects the named entries (the focus on `current`) and lets the mouse go.
    void choose(const std::vector<std::string>& names, const std::string& current = {})
    {
        std::vector<int> rows;
        for (const std::string& name : names)
            rows.push_back(row(name));
        browser.file1.userSelect(rows, current.empty() ? rows.front() : row(current));
        browser.file1.mouseUp.send(1, 0);
    }
    bool red() const { return browser.checkL.backColor() == shell::kCheckRed; }
    std::vector<std::string> titles() const
    {
        std::vector<std::string> out;
        for (const platform::DialogCall& call : dialogs.calls())
            out.push_back(call.title);
        return out;
    }
};

} // namespace

TEST(FileBrowser, LabelsEveryKindOfChosenFile)
{
    Browser b;
    const std::string piText = "PrimaryIndex\tGR\r\n[A]\r\n" + std::string(3000, 'x');
    struct Case {
        const char* name;
        std::string bytes;
        const char* label;
        bool red;
        bool current;
    } const cases[] = {
        {"good.las", kLas, "LAS File", false, true},
        {"UPPER.LAS", kLas, "LAS File", false, true},
        {"empty.las", "", "File Doesn't Exist", true, false},
        {"nobasic.las", "~Version\r\n VERS. 2.0 :\r\n~A\r\n", "Not Basic LAS!", true, false},
        // A label of the file before never stays on a file that gets none of its own.
        {"notes.txt", "plain words\r\n", "", false, true},
        {"save.las", "# Ascii save of well data\r\n~C\r\nDEPT\tGR\r\n1\t2\r\n", "Ostrelle 2.X LAS", false, true},
        {"save35.las", "# Ascii save of well data\r\n~C\r\nDEPT GR\r\n1 2\r\n", "Ostrelle 3.5 or earlier LAS", false,
         true},
        // Hidden, the browser makes no repair offer: the file is only labelled.
        {"unix.las", kLasLf, "Unix Termination", true, true},
        {"data.csv", "a,b\r\n1,2\r\n", "CSV File", false, true},
        {"pi.csv", piText, "QV ASCII File", false, true},
        {"pi.txt", piText, "QV ASCII File", false, true},
    };
    for (const Case& c : cases)
        b.put(c.name, c.bytes);
    b.browser.file1.setPattern("*.*");
    b.list();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        b.choose({c.name});
        EXPECT_EQ(b.browser.checkL.caption(), c.label);
        EXPECT_EQ(b.red(), c.red);
        const std::string path = (b.source / c.name).string();
        EXPECT_EQ(b.state.currentLASFile, c.current ? path : "");
        EXPECT_EQ(stored(b.settings, "lasfile"), path);
        // A missing or empty file ends the check before the size label.
        if (std::string(c.label) != "File Doesn't Exist") {
            EXPECT_EQ(b.browser.fSizL.caption(), "Total bytes :" + std::to_string(c.bytes.size()));
        }
    }
    EXPECT_TRUE(b.toolbar.enabled("ID_EditLAS"));
    EXPECT_TRUE(b.dialogs.calls().empty());
}

TEST(FileBrowser, BatchTakesTheFocusItemExceptTheFirst)
{
    Browser b;
    for (const char* name : {"a.las", "b.las", "c.las", "d.las"})
        b.put(name, kLas);
    b.list();
    struct Case {
        std::vector<std::string> names;
        std::string current;
        std::string expected;
    } const cases[] = {
        {{"a.las", "b.las"}, "a.las", ""},
        {{"a.las", "d.las"}, "d.las", "d.las"},
        {{"b.las", "c.las", "d.las"}, "c.las", "c.las"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        b.state.currentLASFile = "previous";
        b.choose(c.names, c.current);
        EXPECT_EQ(b.state.currentLASFile, c.expected.empty() ? "" : (b.source / c.expected).string());
        EXPECT_EQ(b.browser.fSizL.caption(), "Total bytes :" + std::to_string(kLas.size() * c.names.size()));
    }
    // A batch checks no file.
    EXPECT_EQ(b.browser.checkL.caption(), "File Check Info");
}

TEST(FileBrowser, DeleteKeyDeletesExactlyTheSelectedFiles)
{
    Browser b;
    for (const char* name : {"a.las", "b.las", "c.las", "d.las", "a?.las"})
        b.put(name, kLas);
    b.open();

    int key = 46;
    // One file, answered No: nothing goes.
    b.choose({"a.las"});
    b.dialogs.answerMsg(MsgResult::No);
    b.browser.file1.userKeyDown(key, 0);
    ASSERT_EQ(b.dialogs.calls().size(), 1u);
    EXPECT_EQ(b.dialogs.calls()[0].text, "Please confirm your wish to delete a.las");
    EXPECT_EQ(b.dialogs.calls()[0].title, "Delete File??");
    EXPECT_TRUE(fs::exists(b.source / "a.las"));

    // Three, one of which cannot go (a folder took its name): reported, the others deleted.
    b.choose({"a?.las", "b.las", "c.las"});
    fs::remove(b.source / "b.las");
    fs::create_directories(b.source / "b.las" / "inner");
    b.dialogs.clearCalls();
    b.dialogs.answerMsg(MsgResult::Yes);
    b.browser.file1.userKeyDown(key, 0);
    ASSERT_EQ(b.dialogs.calls().size(), 2u);
    EXPECT_EQ(b.dialogs.calls()[0].text, "Please confirm your wish to delete these 3 file(s).");
    EXPECT_EQ(b.dialogs.calls()[1].title, "Can't Delete File!");
    EXPECT_EQ(b.dialogs.calls()[1].text, "Unable to delete " + (b.source / "b.las").string() + ".");
    EXPECT_FALSE(fs::exists(b.source / "a?.las"));
    EXPECT_FALSE(fs::exists(b.source / "c.las"));
    // The "?" in a name is no pattern: "a.las" beside it stays.
    EXPECT_TRUE(fs::exists(b.source / "a.las"));
    EXPECT_TRUE(fs::exists(b.source / "d.las"));
    EXPECT_EQ(b.browser.file1.listCount(), 2);

    // Another key does nothing.
    int other = 45;
    b.dialogs.clearCalls();
    b.browser.file1.userKeyDown(other, 0);
    EXPECT_TRUE(b.dialogs.calls().empty());
}

TEST(FileBrowser, LineEndRepairKeepsTheOriginalAndClassifiesAgain)
{
    Browser b;
    const std::string file = b.put("unix.las", kLasLf);
    b.open();
    const std::string backup = (b.source / "unix.unixterm.las").string();

    // No: the file stays as it is and is not current.
    b.dialogs.answerMsg(MsgResult::No);
    b.choose({"unix.las"});
    EXPECT_EQ(b.titles(), std::vector<std::string>{"Unix Termination! "});
    EXPECT_EQ(b.dialogs.calls()[0].text, "Unix Termination found. " + file + " is not usable as is. Repair Now? ");
    EXPECT_EQ(b.state.currentLASFile, "");
    EXPECT_EQ(readFile(file), kLasLf);

    // Yes: the backup holds the original bytes, the file has CR LF ends and is a LAS file now.
    b.dialogs.clearCalls();
    b.dialogs.answerMsg(MsgResult::Yes);
    b.choose({"unix.las"});
    EXPECT_EQ(b.titles(), (std::vector<std::string>{"Unix Termination! ", "Unix Repair Successful"}));
    EXPECT_EQ(b.dialogs.calls()[1].text, "Unix repair successful. Original file renamed to" + backup);
    EXPECT_EQ(readFile(backup), kLasLf);
    EXPECT_EQ(readFile(file), kLas);
    EXPECT_EQ(b.browser.checkL.caption(), "LAS File");
    EXPECT_EQ(b.state.currentLASFile, file);

    // A second repair of that name keeps the first backup and writes another.
    const std::string second = kLasLf + "3 4\n";
    writeFile(file, second);
    b.dialogs.clearCalls();
    b.dialogs.answerMsg(MsgResult::Yes);
    b.choose({"unix.las"});
    EXPECT_EQ(b.titles(), (std::vector<std::string>{"Unix Termination! ", "Unix Repair Successful"}));
    EXPECT_EQ(readFile(backup), kLasLf);
    EXPECT_EQ(readFile((b.source / "unix.unixterm2.las").string()), second);
    EXPECT_EQ(readFile(file), kLas + "3 4\r\n");
}

TEST(FileBrowser, FailedLineEndRepairIsReportedAndLeavesNoCurrentFile)
{
    Browser b;
    const std::string bytes = kLasLf + std::string(4000, '1') + "\n";
    const std::string file = b.put("big.las", bytes);
    b.open();
    b.dialogs.answerMsg(MsgResult::Yes);
    {
        // Nothing longer than 1000 bytes can be written: the backup copy fails.
        core::test::FileSizeLimit limit(1000);
        b.choose({"big.las"});
    }
    EXPECT_EQ(b.titles(), (std::vector<std::string>{"Unix Termination! ", "Caution!"}));
    EXPECT_EQ(b.dialogs.calls()[1].text,
              "Unix repair attempt of " + file + " was NOT successful. Use this file with caution.");
    EXPECT_EQ(b.state.currentLASFile, "");
    EXPECT_EQ(readFile(file), bytes);
    EXPECT_FALSE(fs::exists(b.source / "big.unixterm.las"));
}

TEST(FileBrowser, ExportRepairWritesTheRepairedCopyToTheDestination)
{
    Browser b;
    core::initGlobals(b.state);
    b.state.dotPos = 6;
    b.state.valuePos = 15;
    b.state.colonPos = 50;
    b.state.dataWidth = 13;
    b.state.dataDecimals = 5;
    b.state.outDir = core::addBackslash(b.destination.string());
    const std::string original =
        "# Ascii save of well data\r\n" + readFile(std::string(CORVALET_FIXTURES) + "/platform-export.las");
    const std::string file = b.put("export.las", original);
    const std::string repaired = (b.destination / "export.las").string();
    b.open();

    b.dialogs.answerMsg(MsgResult::No);
    b.choose({"export.las"});
    EXPECT_EQ(b.browser.checkL.caption(), "Ostrelle 2.X LAS");
    ASSERT_EQ(b.titles(), std::vector<std::string>{"QV 2.5 LAS (Bad LAS, Bad!)"});
    EXPECT_EQ(b.dialogs.calls()[0].text, "QV 2.5 LAS found. " + file + " is not usable as is. Repair Now? ");
    EXPECT_FALSE(fs::exists(repaired));

    b.dialogs.clearCalls();
    b.dialogs.answerMsg(MsgResult::Yes);
    b.choose({"export.las"});
    // The repair reports what it met in the file on its own.
    ASSERT_FALSE(b.titles().empty());
    EXPECT_EQ(b.titles().front(), "QV 2.5 LAS (Bad LAS, Bad!)");
    ASSERT_TRUE(fs::exists(repaired));
    EXPECT_NE(readFile(repaired).find("~A"), std::string::npos);
    // The input stays as it was and stays the current file.
    EXPECT_EQ(readFile(file), original);
    EXPECT_EQ(b.state.currentLASFile, file);

    // Quiet, no offer is made.
    b.state.quietMode = true;
    b.dialogs.clearCalls();
    b.choose({"export.las"});
    EXPECT_TRUE(b.dialogs.calls().empty());
}

TEST(FileBrowser, QuietModeRepairsLineEndsWithoutAsking)
{
    Browser b;
    const std::string file = b.put("unix.las", kLasLf);
    b.state.quietMode = true;
    b.open();
    b.choose({"unix.las"});
    EXPECT_TRUE(b.dialogs.calls().empty());
    EXPECT_EQ(readFile(file), kLas);
    EXPECT_FALSE(fs::exists(b.source / "unix.unixterm.las"));
    EXPECT_EQ(b.browser.checkL.caption(), "LAS File");
    EXPECT_EQ(b.state.currentLASFile, file);
}

TEST(FileBrowser, NoRepairOfferForBrokenFilesOrWithTheToolboxOpen)
{
    Browser b;
    b.put("nul.las", std::string("~V\r\n\0~W\r\n", 9));
    const std::string unix = b.put("unix.las", kLasLf);
    int toolboxCalls = 0;
    b.browser.peers().showToolboxFile = [&] { ++toolboxCalls; };
    b.open();

    // A NUL byte cannot be mended by line ends: labelled, no offer, not current.
    b.choose({"nul.las"});
    EXPECT_TRUE(b.dialogs.calls().empty());
    EXPECT_EQ(b.browser.checkL.caption(), "Unix Termination");
    EXPECT_EQ(b.state.currentLASFile, "");
    EXPECT_EQ(toolboxCalls, 0);

    b.state.toolsOpen = true;
    b.choose({"unix.las"});
    EXPECT_TRUE(b.dialogs.calls().empty());
    EXPECT_EQ(readFile(unix), kLasLf);
    EXPECT_EQ(b.state.viewFile, unix);
    EXPECT_EQ(b.state.searchFile, unix);
    EXPECT_EQ(toolboxCalls, 1);
}

TEST(FileBrowser, MouseIsIgnoredWhileAJobRuns)
{
    Browser b;
    b.put("good.las", kLas);
    int menus = 0;
    b.browser.peers().popupFileMenu = [&] { ++menus; };
    b.list();
    b.state.jobRunning = true;
    b.state.currentLASFile = "kept";
    b.choose({"good.las"});
    b.browser.file1.mouseDown.send(2, 0);
    EXPECT_EQ(b.state.currentLASFile, "kept");
    EXPECT_EQ(b.browser.checkL.caption(), "File Check Info");
    EXPECT_EQ(menus, 0);

    b.state.jobRunning = false;
    b.browser.file1.mouseDown.send(1, 0);
    EXPECT_EQ(menus, 0);
    b.browser.file1.mouseDown.send(2, 0);
    EXPECT_EQ(menus, 1);
    b.browser.file1.mouseUp.send(1, 0);
    EXPECT_EQ(b.state.currentLASFile, (b.source / "good.las").string());
}

TEST(FileBrowser, NewFolderInTheDestination)
{
    struct Case {
        const char* name;
        std::optional<std::string> answer; // nullopt: Cancel
        const char* created;               // "" for none
        bool failure;
    } const cases[] = {
        {"cancel", std::nullopt, "", false},
        {"empty answer", "", "", false},
        {"invalid name", "bad*name", "", false},
        {"quoted name", "\"logs\"", "logs", false},
        {"existing folder", "old", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Browser b;
        fs::create_directories(b.destination / "old");
        b.open();
        if (c.answer)
            b.dialogs.answerInput(*c.answer);
        else
            b.dialogs.cancelInput();
        b.browser.newFolder.userClick();
        ASSERT_GE(b.dialogs.calls().size(), 1u);
        EXPECT_EQ(b.dialogs.calls()[0].title, "Create New Folder");
        EXPECT_EQ(b.dialogs.calls()[0].text, "Enter new folder name for \n\n" + b.destination.string());
        const std::string made = (b.destination / c.created).string();
        if (*c.created) {
            EXPECT_TRUE(fs::is_directory(made));
            EXPECT_EQ(b.browser.dir2.path(), made);
            EXPECT_EQ(b.state.outDir, made + "/");
            EXPECT_EQ(stored(b.settings, "outDir"), made + "/");
        } else {
            EXPECT_EQ(b.browser.dir2.path(), b.destination.string());
        }
        ASSERT_EQ(b.dialogs.calls().size(), c.failure ? 2u : 1u);
        if (c.failure) {
            EXPECT_EQ(b.dialogs.calls()[1].title, "Unable to Create Folder");
            EXPECT_EQ(b.dialogs.calls()[1].text.rfind(
                          "Illegal folder name or unable to create the folder \"old\". Try again. Error was :\n\n", 0),
                      0u);
        }
        EXPECT_FALSE(fs::exists(b.destination / "bad*name"));
    }
}

TEST(FileBrowser, RefreshMainFileListSelectsTheFileOrKeepsTheFolder)
{
    Browser b;
    b.put("one.las", kLas);
    b.put("two.las", kLas);
    b.list();
    b.browser.refreshMainFileList((b.install.root.path() / "missing" / "x.las").string());
    EXPECT_EQ(b.browser.file1.path(), b.source.string());
    EXPECT_EQ(b.browser.file1.listCount(), 2);

    b.browser.refreshMainFileList((b.source / "TWO.LAS").string());
    EXPECT_EQ(b.browser.file1.selCount(), 1);
    EXPECT_TRUE(b.browser.file1.selected(b.row("two.las")));
    b.browser.refreshMainFileList((b.source / "three.las").string());
    EXPECT_EQ(b.browser.file1.selCount(), 0);
}

TEST(FileBrowser, FoldersAreStoredOnEveryChange)
{
    Browser b;
    b.open();
    EXPECT_EQ(stored(b.settings, "inDir"), b.source.string());
    EXPECT_EQ(b.browser.sfLab.text(), b.source.string());
    EXPECT_EQ(b.browser.dfLab.text(), b.destination.string());

    // The source picker, also when the folder chosen is the one shown.
    b.settings.deleteSetting(shell::settingsApplication, shell::settingsSection, "inDir");
    b.dialogs.answerFolder(b.source.string());
    b.browser.browse0.userClick();
    EXPECT_EQ(stored(b.settings, "inDir"), b.source.string());
    EXPECT_EQ(b.dialogs.calls().back().title, "Select Source Folder");

    const fs::path other = b.install.root.path() / "other";
    fs::create_directories(other);
    b.dialogs.answerFolder(other.string() + "/");
    b.browser.browse1.userClick();
    EXPECT_EQ(b.dialogs.calls().back().text, b.destination.string());
    EXPECT_EQ(b.state.outDir, other.string() + "/");
    EXPECT_EQ(stored(b.settings, "outDir"), other.string() + "/");
    EXPECT_EQ(b.browser.dfLab.text(), other.string());

    // A cancelled picker changes nothing.
    b.browser.browse1.userClick();
    EXPECT_EQ(b.state.outDir, other.string() + "/");

    b.browser.seqd.userClick();
    EXPECT_EQ(b.state.outDir, b.source.string() + "/");
    EXPECT_EQ(stored(b.settings, "outDir"), b.source.string() + "/");

    b.browser.file1.setPath(other.string());
    EXPECT_EQ(b.state.inDir, other.string());
    EXPECT_EQ(stored(b.settings, "inDir"), other.string());
}

TEST(FileBrowser, LoadReselectsTheCurrentFileAndUnloadDisablesTheTools)
{
    Browser b;
    const std::string good = b.put("good.las", kLas);
    b.put("other.las", kLas);
    b.state.currentLASFile = (b.source / "GOOD.las").string();
    b.browser.file1.setPattern("*.txt");
    shell::registerBrowserCommand(b.toolbar, b.host, b.browser);
    b.toolbar.click("ID_OpenMany");

    EXPECT_TRUE(b.browser.loaded());
    EXPECT_TRUE(b.state.mainOpen);
    EXPECT_EQ(b.browser.file1.pattern(), "*.las");
    EXPECT_FALSE(b.browser.dir2.visible());
    EXPECT_EQ(b.browser.left(), 0);
    EXPECT_EQ(b.browser.top(), 0);
    EXPECT_EQ(b.browser.width(), b.flash.width());
    EXPECT_EQ(b.browser.height(), b.host.workArea().height);
    EXPECT_EQ(b.host.activeWindow(), &b.browser);
    EXPECT_TRUE(b.browser.file1.selected(b.row("good.las")));
    EXPECT_EQ(b.state.currentLASFile, good);
    EXPECT_EQ(b.browser.checkL.caption(), "LAS File");
    for (const char* id : {"ID_EditLAS", "ID_SaveAsFilter", "ID_MMM"})
        EXPECT_TRUE(b.toolbar.enabled(id)) << id;

    // Moved away and opened again: back at the left edge.
    b.browser.move(500, 500, 100, 100);
    b.toolbar.click("ID_OpenMany");
    EXPECT_EQ(b.browser.left(), 0);
    EXPECT_EQ(b.browser.width(), b.flash.width());

    EXPECT_TRUE(b.host.unload(b.browser));
    EXPECT_FALSE(b.state.mainOpen);
    for (const char* id : {"ID_EditLAS", "ID_SaveAsFilter", "ID_MMM"})
        EXPECT_FALSE(b.toolbar.enabled(id)) << id;

    // Opened again on the same folder, the list shows the files that came meanwhile.
    b.put("new.las", kLas);
    b.toolbar.click("ID_OpenMany");
    EXPECT_EQ(b.browser.file1.listCount(), 3);
    EXPECT_TRUE(b.state.mainOpen);
}

TEST(FileBrowser, KeepsTheEditorInStep)
{
    Browser b;
    const std::string data = b.put("data.txt", "1 2\r\n3 4\r\n");
    b.put("good.las", kLas);
    int tab = 0;
    std::vector<std::string> loaded;
    int reloads = 0, shows = 0;
    shell::BrowserPeers& peers = b.browser.peers();
    peers.editorTab = [&] { return tab; };
    peers.setEditorTab = [&](int t) { tab = t; };
    peers.loadAsciiToGrid = [&](const std::string& path) { loaded.push_back(path); };
    peers.reloadEditor = [&] { ++reloads; };
    peers.showEditor = [&] { ++shows; };
    b.open();

    // Closed, the editor is shown by a double click and gets no tab changes.
    b.browser.file1.dblClick.send();
    EXPECT_EQ(shows, 1);
    b.browser.file1.setPattern("*.txt");
    EXPECT_EQ(tab, 0);

    b.state.mmmOpen = true;
    b.browser.file1.setPattern("*.*");
    EXPECT_EQ(tab, 5);
    b.choose({"data.txt"});
    EXPECT_EQ(loaded, std::vector<std::string>{data});
    EXPECT_EQ(b.state.asciiInputFile, data);
    EXPECT_TRUE(b.dialogs.calls().empty());

    // Chosen again: the question, and No keeps the grid.
    b.dialogs.answerMsg(MsgResult::No);
    b.choose({"data.txt"});
    ASSERT_EQ(b.titles(), std::vector<std::string>{"Please Confirm"});
    EXPECT_EQ(b.dialogs.calls()[0].text, "Do you want to re-load the file?");
    EXPECT_EQ(loaded.size(), 1u);

    // A LAS file on the conversion tab sends the editor back to its files.
    b.choose({"good.las"});
    EXPECT_EQ(tab, 0);
    EXPECT_EQ(b.browser.checkL.caption(), "LAS File");
    b.browser.file1.dblClick.send();
    EXPECT_EQ(reloads, 1);
    b.browser.file1.setPattern("*.LAS");
    EXPECT_EQ(tab, 0);
}

TEST(FileBrowser, BatchCheckingWindowTakesTheSelection)
{
    Browser b;
    b.put("good.las", kLas);
    int refills = 0;
    b.browser.peers().refreshCertify = [&] { ++refills; };
    b.list();
    b.state.certifyOpen = true;
    b.choose({"good.las"});
    EXPECT_EQ(refills, 1);
    EXPECT_EQ(b.state.currentLASFile, "");
    EXPECT_EQ(b.browser.checkL.caption(), "File Check Info");
}
