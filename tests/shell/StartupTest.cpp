#include "shell/Startup.h"

#include "platform/Grid.h"
#include "platform/Controls.h"
#include "shell/App.h"
#include "ShellFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace corvalet::shell {
namespace {

using namespace corvalet::shell::test;
namespace fs = std::filesystem;

// The settings after a full start-up over the given store.
struct Started {
    Installation install;
    platform::MemorySettings settings;
    platform::ScriptedDialogs dialogs;
    App app{install.services(settings, dialogs)};

    explicit Started(bool shipped = true)
    {
        if (shipped)
            install.shipDefaults();
    }
    core::AppState& run()
    {
        app.start({});
        return app.state();
    }
};

TEST(Startup, EmptyStoreGivesTheDefaults)
{
    Started s;
    const core::AppState& st = s.run();
    EXPECT_EQ(st.uiFontName, "Arial");
    EXPECT_EQ(st.uiFontSize, 10.0f);
    EXPECT_FALSE(st.uiFontBold);
    EXPECT_EQ(st.gridColWidth, 800);
    EXPECT_EQ(st.country, "Other");
    EXPECT_EQ(st.depthUnit.unit, "F");
    EXPECT_EQ(st.densityUnit.unit, "G/C3");
    EXPECT_EQ(st.sonicUnit.unit, "us/f");
    EXPECT_EQ((std::array{st.dotPos, st.valuePos, st.colonPos, st.colonPlusPos, st.dataWidth, st.dataDecimals}),
              (std::array{6, 15, 60, 50, 13, 5}));
    EXPECT_EQ(st.poro_units, "PU");
    EXPECT_FALSE(st.fillCVal || st.fillCDESC || st.headComF);
    for (const ToolState& tool : s.app.toolStates())
        EXPECT_EQ(tool.state, std::string(tool.toolId) == toolViewAfter ? 0 : 1) << tool.toolId;
    EXPECT_EQ(s.app.toolStates().size(), 4u);
    // No examples shipped: both folders are the per-user data folder.
    EXPECT_EQ(st.inDir, s.install.user.string());
    EXPECT_EQ(st.outDir, s.install.user.string() + "/");
    EXPECT_EQ(st.cert_prog, (s.install.root.path() / "bin" / checkerProgramName).string());
    EXPECT_EQ(st.log_prog, (s.install.root.path() / "bin" / viewerProgramName).string());
    EXPECT_EQ(st.currentLASFile, "");
    EXPECT_GT(st.curveLibrary.rowUpper(), 0);
    EXPECT_GT(st.unitLibrary.rowUpper(), 0);
    EXPECT_GT(st.paraTable.rowUpper(), 0);
    EXPECT_TRUE(s.dialogs.calls().empty());
}

TEST(Startup, SourceFolderOfAFirstStart)
{
    struct Case {
        const char* name;
        bool examplesInData, examplesBeside, variable;
        const char* expected; // relative to the scratch root; "user" for the per-user folder
    };
    const Case cases[] = {
        {"variable wins", true, true, true, "mine"},
        {"installed inside the data folder", true, true, false, "share/examples"},
        {"source tree: beside the data folder", false, true, false, "examples"},
        {"none", false, false, false, "user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Started s;
        if (c.examplesInData)
            fs::create_directories(s.install.data / "examples");
        if (c.examplesBeside)
            fs::create_directories(s.install.root.path() / "examples");
        if (c.variable)
            s.install.environment["CORVALET_EXAMPLES"] = (s.install.root.path() / "mine").string();
        const std::string expected = std::string(c.expected) == "user"
                                         ? s.install.user.string()
                                         : (s.install.root.path() / c.expected).string();
        EXPECT_EQ(s.run().inDir, expected);
    }
    // A folder the user chose is kept, and outDir gains its separator once.
    Started s;
    store(s.settings, "inDir", "/wells/in");
    store(s.settings, "OUTDIR", "/wells/out/");
    const core::AppState& st = s.run();
    EXPECT_EQ(st.inDir, "/wells/in");
    EXPECT_EQ(st.outDir, "/wells/out/");
}

TEST(Startup, FormatDefFallbacks)
{
    struct Case {
        const char* text;
        std::array<int, 6> expected; // dot, value, colon, colon+, width, decimals
    };
    const Case cases[] = {
        {"6|15|60|50|13|5", {6, 15, 60, 50, 13, 5}},
        {"0|0|0|0|0|0", {6, 15, 50, 10, 13, 5}},
        {"", {6, 15, 50, 10, 13, 5}},
        {"7|20", {7, 20, 50, 10, 13, 5}},
        {"6|15|60|50|5|8", {6, 15, 60, 50, 13, 5}},  // width below decimals
        {"6|15|60|50|5|5", {6, 15, 60, 50, 13, 5}},  // width equal to decimals
        {" 8| 16.5|40.5|x|20|2", {8, 16, 40, 10, 20, 2}}, // blanks, halves to even, no number
        {"-3|15|60|50|-13|5", {6, 15, 60, 50, 13, 5}},    // negative positions are unusable
        {"1e9|15|60|50|13|5", {6, 15, 60, 50, 13, 5}},    // as is a position no line can have
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        core::AppState st;
        parseFormatDef(st, c.text);
        EXPECT_EQ((std::array{st.dotPos, st.valuePos, st.colonPos, st.colonPlusPos, st.dataWidth, st.dataDecimals}),
                  c.expected);
    }
    Started s;
    store(s.settings, "FormatDef", "0|0|0|0|0|0");
    EXPECT_EQ(s.run().colonPlusPos, 10);
}

TEST(Startup, MatrixDefaultFallbacks)
{
    struct Case {
        const char* text;
        std::array<float, 7> expected; // elements 0, 1, 2, 3, 10, 11, 12
    };
    const Case cases[] = {
        {"1.000|2.650|2.710|2.870|55.500|47.600|43.500", {1.0f, 2.65f, 2.71f, 2.87f, 55.5f, 47.6f, 43.5f}},
        {"0.5|2.4|2.8|2.9|50|50|50", {1.0f, 2.65f, 2.8f, 2.9f, 55.5f, 50.0f, 50.0f}},
        {"", {1.0f, 2.65f, 2.71f, 2.87f, 55.5f, 47.6f, 43.5f}},
        {"1.1|2.5|2.499|3|55|46.9|43", {1.1f, 2.5f, 2.71f, 3.0f, 55.0f, 47.6f, 43.0f}},
    };
    const std::size_t elements[] = {0, 1, 2, 3, 10, 11, 12};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        core::AppState st;
        core::initGlobals(st);
        const auto before = st.matrixValues;
        parseMatrixDefaults(st, c.text);
        for (std::size_t i = 0; i < 7; ++i)
            EXPECT_FLOAT_EQ(st.matrixValues[elements[i]], c.expected[i]) << "element " << elements[i];
        for (std::size_t e = 4; e <= 9; ++e)
            EXPECT_EQ(st.matrixValues[e], before[e]) << "element " << e;
    }
}

TEST(Startup, GridSizeFallbacks)
{
    struct Case {
        const char* text;
        const char* name;
        float size;
        bool bold;
        int width;
    };
    const Case cases[] = {
        {"Arial|10|0|800", "Arial", 10, false, 800},
        {"|4|7|150", "Arial", 6, true, 200},
        {" Courier New |12.5|0|-1", "Courier New", 12.5f, false, -1},
        {"Times|8|-1|199.5", "Times", 8, true, 200},
        {"Times|6|0|-2", "Times", 6, false, 200},
        {"", "Arial", 6, false, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        core::AppState st;
        parseGridSize(st, c.text);
        EXPECT_EQ(st.uiFontName, c.name);
        EXPECT_FLOAT_EQ(st.uiFontSize, c.size);
        EXPECT_EQ(st.uiFontBold, c.bold);
        EXPECT_EQ(st.gridColWidth, c.width);
    }
}

TEST(Startup, CountryChoosesTheUnitSystem)
{
    for (const char* country : {"Canada", "CANADA", "canada"}) {
        SCOPED_TRACE(country);
        Started s;
        store(s.settings, "Country", country);
        const core::AppState& st = s.run();
        EXPECT_EQ(st.depthUnit.unit, "M");
        EXPECT_DOUBLE_EQ(st.depthUnit.factor, 0.3048);
        EXPECT_EQ(st.densityUnit.unit, "K/M3");
        EXPECT_DOUBLE_EQ(st.densityUnit.factor, 1);
        EXPECT_EQ(st.sonicUnit.unit, "us/m");
        EXPECT_NEAR(st.sonicUnit.factor, 3.280839895, 1e-9);
    }
    for (const char* country : {"Other", "", "Canadian"}) {
        SCOPED_TRACE(country);
        core::AppState st;
        st.country = country;
        setUnitSystem(st);
        EXPECT_EQ(st.depthUnit.unit, "F");
        EXPECT_DOUBLE_EQ(st.densityUnit.factor, 0.001);
        EXPECT_EQ(st.sonicUnit.unit, "us/f");
    }
}

TEST(Startup, StoredValuesAsOtherWindowsWriteThem)
{
    Started s;
    store(s.settings, "multButState", " 0");
    store(s.settings, "certafter", "0");
    store(s.settings, "fillcval", "-1");   // the preferences' spelling
    store(s.settings, "fillCDesc", " 0");
    store(s.settings, "headComF", "-1");
    store(s.settings, "poro_units", "");
    const core::AppState& st = s.run();
    std::vector<std::pair<std::string, int>> tools;
    for (const ToolState& t : s.app.toolStates())
        tools.emplace_back(t.toolId, t.state);
    EXPECT_EQ(tools, (std::vector<std::pair<std::string, int>>{
                         {"ID_certAfter", 0}, {"ID_EditAfter", 1}, {"ID_Multiple", 0}, {"ID_ViewAfter", 0}}));
    EXPECT_TRUE(st.fillCVal);
    EXPECT_FALSE(st.fillCDESC);
    EXPECT_TRUE(st.headComF);
    EXPECT_EQ(st.poro_units, "V/V");
}

TEST(Startup, KeysOtherWindowsReadFallBack)
{
    platform::MemorySettings settings;
    core::AppState st;
    st.gridColWidth = 950;
    st.currentLASFile = "/wells/a.las";
    EXPECT_EQ(readFileExt(settings), "las");
    EXPECT_DOUBLE_EQ(readPricePerCurveFoot(settings), 0.042);
    EXPECT_EQ(readGridFontWidth(settings, st), 950);
    EXPECT_EQ(readListingFile(settings, st), "/wells/a.txt");

    store(settings, "FILEEXT", "");
    store(settings, "pricePerCurveFoot", "0.0000");
    store(settings, "gridfontwidth", "-1");
    EXPECT_EQ(readFileExt(settings), "las");
    EXPECT_DOUBLE_EQ(readPricePerCurveFoot(settings), 0.042);
    EXPECT_EQ(readGridFontWidth(settings, st), -1);
    store(settings, "fileExt", "txt");
    store(settings, "pricepercurvefoot", "0.0500");
    store(settings, "mwLFile", "/reports/list.txt");
    EXPECT_EQ(readFileExt(settings), "txt");
    EXPECT_DOUBLE_EQ(readPricePerCurveFoot(settings), 0.05);
    EXPECT_EQ(readListingFile(settings, st), "/reports/list.txt");
}

TEST(Startup, CurrentFileMustStillExist)
{
    Started s;
    const std::string well = (s.install.root.path() / "well.las").string();
    writeFile(well, "~V\r\n");
    store(s.settings, "lasfile", well);
    EXPECT_EQ(s.run().currentLASFile, well);

    Started gone;
    store(gone.settings, "lasfile", (gone.install.root.path() / "deleted.las").string());
    EXPECT_EQ(gone.run().currentLASFile, "");
}

TEST(Startup, ListingSelectionSurvives)
{
    struct Case {
        const char* name;
        const char* listDefs; // nullptr: key absent
        const char* expected;
    };
    const Case cases[] = {
        {"no seed", nullptr, "WELL|COMP"},
        {"empty seed", "", "WELL|COMP"},
        {"seed", "UWI|FLD", "UWI|FLD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Started s;
        store(s.settings, "listdef", "WELL|COMP");
        if (c.listDefs)
            store(s.settings, "listDefs", c.listDefs);
        s.run();
        EXPECT_EQ(stored(s.settings, "listdef"), c.expected);
    }
}

TEST(Startup, LibraryFileChoice)
{
    struct Case {
        const char* name;
        std::vector<const char*> shipped, own; // files in the data and the per-user folder
        const char* folder;                    // where the chosen file is: "home", "share" or ""
        const char* file;
        const char* content;
    };
    const Case cases[] = {
        {"first start copies the default", {"units.ini"}, {}, "home", "units.ini", "shipped"},
        {"local variant shipped", {"units.ini", "units_CV.ini"}, {}, "home", "units_CV.ini", "shipped"},
        {"local variant wins over the user's standard file", {"units_CV.ini"}, {"units.ini"}, "home",
         "units_CV.ini", "shipped"},
        {"user's local variant", {"units.ini"}, {"units.ini", "units_CV.ini"}, "home", "units_CV.ini", "own"},
        {"user's own file is kept", {"units.ini"}, {"units.ini"}, "home", "units.ini", "own"},
        {"neither", {}, {}, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Installation install;
        for (const char* name : c.shipped)
            writeFile((install.data / name).string(), "shipped");
        fs::create_directories(install.user);
        for (const char* name : c.own)
            writeFile((install.user / name).string(), "own");
        const platform::ProgramFolders folders(install.data, install.user);
        const std::string chosen = chooseLibraryFile(folders, "units");
        if (*c.folder == 0) {
            EXPECT_EQ(chosen, "");
        } else {
            EXPECT_EQ(chosen, (install.root.path() / c.folder / c.file).string());
            EXPECT_EQ(readFile(chosen), c.content);
        }
        // A kind without a file keeps the path it had.
        core::AppState st;
        st.unitsIniPath = "before";
        chooseLibraryFiles(st, folders);
        EXPECT_EQ(st.unitsIniPath, chosen.empty() ? "before" : chosen);
    }
}

TEST(Startup, LibraryFromTheDataFolderWhenNoUserFolderCanBeMade)
{
    Installation install;
    writeFile((install.data / "curves.ini").string(), "x");
    writeFile((install.root.path() / "file").string(), "not a folder");
    const platform::ProgramFolders folders(install.data, install.root.path() / "file" / "corvalet");
    EXPECT_EQ(chooseLibraryFile(folders, "curves"), (install.data / "curves.ini").string());
}

TEST(Startup, ParaIniRows)
{
    Installation install;
    const std::string para = (install.data / "para.ini").string();
    writeFile(para, "   # a comment after blanks\r\n"
                    "dept.m 0 : depth|index\r\n"
                    "\r\n"
                    "no item here\n"
                    "  bs .mm   8.5 : Bit size\r"
                    "EKB.M : Elevation | of kelly|bushing\r\n");
    core::AppState st;
    core::initGlobals(st);
    st.paraIniPath = para;
    platform::ScriptedDialogs dialogs;
    ASSERT_TRUE(loadParaIni(st, dialogs));
    const std::vector<std::array<std::string, 5>> expected{
        {"DEPT", "M", "0", "DEPTH", "DEPT INDEX"},
        {"BS", "MM", "8.5", "BIT SIZE", ""},
        {"EKB", "M", "", "ELEVATION ", "EKB  OF KELLY|BUSHING"},
    };
    ASSERT_EQ(st.paraTable.rowUpper(), 3);
    for (int row = 1; row <= 3; ++row)
        for (int field = 0; field <= 4; ++field)
            EXPECT_EQ(st.paraTable(field, row), expected[std::size_t(row - 1)][std::size_t(field)])
                << "row " << row << " field " << field;
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST(Startup, MissingParaIniIsReportedInEveryMode)
{
    // Interactive: a box.
    Started interactive(false);
    interactive.run();
    ASSERT_EQ(interactive.dialogs.calls().size(), 1u);
    const platform::DialogCall& call = interactive.dialogs.calls().front();
    EXPECT_EQ(call.kind, platform::DialogKind::Notify);
    EXPECT_EQ(call.title, "PARA.INI File Missing!");
    EXPECT_EQ(call.text, paraMissingText);
    EXPECT_EQ(call.style, platform::MsgStyle::Exclamation);
    EXPECT_EQ(interactive.app.state().paraIniPath, "");

    // Command line: one line on the error stream, and no dialog.
    Started quiet(false);
    quiet.app.start({"File1=a.las"});
    EXPECT_TRUE(quiet.dialogs.calls().empty());
    EXPECT_EQ(quiet.install.errors.str(), std::string("PARA.INI File Missing!: ") + paraMissingText + "\n");
}

TEST(Startup, ChooseGridFontStoresTheChoice)
{
    Started s;
    s.run();
    s.dialogs.answerFont({"DejaVu Sans", 11.5, true});
    ASSERT_TRUE(chooseGridFont(s.app));
    EXPECT_EQ(stored(s.settings, "gridSize"), "DejaVu Sans|11.50|-1| 800");
    EXPECT_EQ(s.app.state().uiFontName, "DejaVu Sans");
    EXPECT_TRUE(s.app.state().uiFontBold);
    // The dialog started from the shared font.
    EXPECT_EQ(s.dialogs.calls().back().text, "Arial");

    s.dialogs.cancelFont();
    EXPECT_FALSE(chooseGridFont(s.app));
    EXPECT_EQ(stored(s.settings, "gridSize"), "DejaVu Sans|11.50|-1| 800");
    EXPECT_EQ(s.app.state().uiFontName, "DejaVu Sans");
}

struct TestWindow : platform::Window {
    explicit TestWindow(std::string name, bool refuse = false) : Window(std::move(name))
    {
        m_keep = queryUnload.connect([refuse](bool& cancel) { cancel = refuse; });
        addControl(grid);
        addControl(box);
    }
    platform::Grid grid;
    platform::TextBox box{"box"};
    platform::Connection m_keep;
};

TEST(Startup, WindowFontsAndPlace)
{
    core::AppState st;
    parseGridSize(st, "Courier|12|1|800");
    TestWindow window("list"), flash("flash");
    flash.move(0, 0, 3000, 9000);
    platform::HeadlessWindowHost host;

    applyGridFonts(window, st);
    EXPECT_EQ(window.grid.fontName(), "Courier");
    EXPECT_TRUE(window.grid.fontBold());
    EXPECT_EQ(window.box.fontName(), "Arial");

    initFormCommon(window, flash, st, host);
    EXPECT_TRUE(window.keyPreview());
    EXPECT_EQ(window.box.fontName(), "Courier");
    EXPECT_EQ(window.box.fontSize(), 12);
    EXPECT_EQ(window.left(), 3000);
    EXPECT_EQ(window.width(), host.workArea().width - 3000);
}

TEST(Startup, UnloadOtherForms)
{
    platform::HeadlessWindowHost host;
    TestWindow mdi("mdi"), main("main"), mmm("mmm"), prefs("prefs"), list("list"), untagged("");
    TestWindow stubborn("tools", true);
    for (TestWindow* w : {&mdi, &main, &mmm, &prefs, &list, &untagged, &stubborn})
        host.show(*w);
    unloadOtherForms(host, "LIST");
    std::vector<std::string> left;
    for (const platform::Window* w : host.loadedWindows())
        left.push_back(w->name());
    EXPECT_EQ(left, (std::vector<std::string>{"mdi", "main", "list", "", "tools"}));
    EXPECT_FALSE(mmm.loaded());
    EXPECT_FALSE(prefs.loaded());
}

} // namespace
} // namespace corvalet::shell
