#include "shell/Preferences.h"

#include "core/WindowHelpers.h"
#include "platform/Text.h"
#include "shell/App.h"
#include "shell/Startup.h"
#include "ShellFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>

namespace corvalet::shell {
namespace {

using namespace corvalet::shell::test;
namespace row = prefsRow;

// A started program (empty settings, so every default) with the preferences window over it.
struct PrefsFixture {
    Installation install;
    platform::MemorySettings settings;
    platform::ScriptedDialogs dialogs;
    platform::HeadlessWindowHost host;
    platform::RecordingPointerDisplay pointer;
    std::unique_ptr<App> app;
    std::unique_ptr<Preferences> prefs;

    PrefsFixture()
    {
        install.shipDefaults();
        Services services = install.services(settings, dialogs, &host);
        services.pointer = &pointer;
        app = std::make_unique<App>(services);
        app->start({});
        state().cert_prog = "/opt/checker/corvalet-check";
        state().log_prog = "/opt/viewer/corvalet-logview";
        prefs = std::make_unique<Preferences>(*app);
    }
    core::AppState& state() { return app->state(); }
    platform::Grid& prd() { return prefs->prd(); }
    const std::string& value(int r) { return prd().text(r, 1); }
    // Opens the window modally and acts inside it.
    void whileOpen(const std::function<void()>& act)
    {
        host.onModal = [&](platform::Window&) { act(); };
        host.runModal(*prefs);
    }
    // The keys of the store, lower-cased (the store ignores their case).
    std::set<std::string> storedKeys()
    {
        std::set<std::string> keys;
        for (const auto& [key, value] : settings.getAllSettings("Corvalet", "Startup"))
            keys.insert(platform::toLower(key));
        return keys;
    }
    void dblClick(int r)
    {
        prd().select(r, 1, r, 1);
        prd().userDblClick();
    }
    void type(int r, const std::string& text)
    {
        ASSERT_TRUE(prd().beginEdit(r, 1));
        prd().setEditText(text);
        prd().commitEdit();
    }
};

// The seven matrix values "mdenDef" holds.
bool sameMatrixDefaults(const core::AppState& a, const core::AppState& b)
{
    for (std::size_t element : {0, 1, 2, 3, 10, 11, 12})
        if (a.matrixValues[element] != b.matrixValues[element])
            return false;
    return true;
}

TEST(Preferences, LoadShowsEverySettingUnderItsLabel)
{
    PrefsFixture f;
    f.whileOpen([&] {
        struct Expect {
            int row;
            const char* label;
            const char* value;
        };
        const Expect expected[] = {
            {row::country, "Country", "Other"},
            {row::fillCVal, "Fill empty VALUE field in ~Curve", "No"},
            {row::certProg, "Path to Vettrix.exe", "/opt/checker/corvalet-check"},
            {row::logProg, "Path to LAS viewer like Plotvane", "/opt/viewer/corvalet-logview"},
            {row::sandDensity, "Sand Density (G/C3)", "2.65"},
            {row::limeDensity, "Lime Density  (G/C3)", "2.71"},
            {row::fluidDensity, "Fluid Density  (G/C3)", "1.00"},
            {row::sandSlowness, "Sand Slowness us/f", "55.50"},
            {row::doloSlowness, "Dolo Slowness us/f", "43.50"},
            {row::poroUnits, "Default Porosity units", "PU"},
            {row::dotPos, "Dot Position", "6"},
            {row::colonPos, "Colon Position", "60"},
            {row::colonPlusPos, "Colon + Position", "50"},
            {row::dataDecimals, "Data # Decimals", "5"},
        };
        for (const Expect& e : expected) {
            SCOPED_TRACE(e.label);
            EXPECT_EQ(f.prd().text(e.row, 0), e.label);
            EXPECT_EQ(f.value(e.row), e.value);
        }
        EXPECT_EQ(f.prd().rows(), 22);
        EXPECT_EQ(f.prd().cols(), 2);
        EXPECT_TRUE(f.prd().rowHidden(row::quickCheck));
        EXPECT_EQ(f.value(row::quickCheck), "");
        EXPECT_TRUE(f.prd().editable());
        EXPECT_EQ(f.prd().fontName(), f.state().uiFontName);
        EXPECT_EQ(f.prefs->caption(), "Preferences");
        EXPECT_EQ(f.prefs->name(), "prefs");
    });
}

TEST(Preferences, CountrySwitchShowsTheSlownessInTheNewUnitAndStoresUsPerFoot)
{
    // The editor's choice and the double click are the two roads to the country.
    const std::vector<std::pair<const char*, std::function<void(PrefsFixture&)>>> roads{
        {"editor", [](PrefsFixture& f) {
             ASSERT_TRUE(f.prd().beginEdit(row::country, 1));
             EXPECT_EQ(f.prd().editChoices(), (std::vector<std::string>{"Canada", "Other"}));
             f.prd().setEditText("Canada");
         }},
        {"double click", [](PrefsFixture& f) { f.dblClick(row::country); }},
    };
    for (const auto& [name, chooseCanada] : roads) {
        SCOPED_TRACE(name);
        PrefsFixture f;
        f.whileOpen([&] {
            f.type(row::dotPos, "9"); // an unsaved edit the refill replaces
            chooseCanada(f);
            EXPECT_EQ(f.value(row::country), "Canada");
            EXPECT_EQ(f.state().country, "Canada");
            EXPECT_EQ(f.state().sonicUnit.unit, "us/m");
            EXPECT_EQ(f.prd().text(row::sandSlowness, 0), "Sand Slowness us/m");
            EXPECT_EQ(f.value(row::sandSlowness), "182.09");
            EXPECT_EQ(f.value(row::dotPos), "6");
            EXPECT_EQ(stored(f.settings, "country"), "<missing>");
            f.type(row::limeSlowness, "200"); // typed in us/m
            f.prefs->but(0).userClick();
        });
        EXPECT_FALSE(f.prefs->loaded());
        EXPECT_EQ(stored(f.settings, "country"), "Canada");
        // The slowness left as shown keeps its value; the typed one is converted to us/ft.
        EXPECT_FLOAT_EQ(f.state().matrixValues[10], 55.5f);
        EXPECT_FLOAT_EQ(f.state().matrixValues[11], 60.96f);
        EXPECT_EQ(stored(f.settings, "mdenDef"), "1.000|2.650|2.710|2.870|55.500|60.960|43.500");
    }
}

TEST(Preferences, DoubleClickTogglesListRowsAndStartsTheEditorElsewhere)
{
    struct Case {
        int row;
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {row::fillCVal, "No", "Yes"},     {row::headComF, "Yes", "No"},     {row::fillCDesc, "maybe", "Yes"},
        {row::poroUnits, "PU", "V/V"},    {row::poroUnits, "V/V", "PU"},    {row::poroUnits, "", "V/V"},
        {row::certProg, "/a/b", "/a/b"},  {row::logProg, "/c/d", "/c/d"},
    };
    PrefsFixture f;
    f.whileOpen([&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.row) + " " + c.before);
            f.prd().setText(c.row, 1, c.before);
            f.dblClick(c.row);
            EXPECT_EQ(f.value(c.row), c.after);
            EXPECT_FALSE(f.prd().isEditing());
        }
        // A typed row opens its editor; the label column does nothing.
        f.dblClick(row::dataWidth);
        EXPECT_TRUE(f.prd().isEditing());
        EXPECT_EQ(f.prd().editRow(), row::dataWidth);
        f.prd().cancelEdit();
        f.prd().select(row::fillCVal, 0, row::fillCVal, 0);
        const std::string before = f.value(row::fillCVal);
        f.prd().userDblClick();
        EXPECT_EQ(f.value(row::fillCVal), before);
        EXPECT_FALSE(f.prd().isEditing());
    });
}

TEST(Preferences, EachRowGetsItsEditorAndKeyFilter)
{
    struct Case {
        int row;
        const char* list;
        char key;
        int kept; // 0: refused
    };
    const Case cases[] = {
        {row::country, "Canada|Other", 'C', 0},
        {row::fillCVal, "Yes|No", 'Y', 0},
        {row::quickCheck, "Yes|No", 'Y', 0},
        {row::certProg, "...", 'a', 0},
        {row::logProg, "...", '/', 0},
        {row::sandDensity, "", 'a', 0},
        {row::sandDensity, "", '5', '5'},
        {row::fluidDensity, "", '.', '.'},
        {row::limeSlowness, "", '-', 0},
        {row::poroUnits, "V/V|PU", 'P', 'P'},
        {row::poroUnits, "V/V|PU", '|', 0},
        {row::dotPos, "", '7', '7'},
        {row::dataWidth, "", '.', 0},
    };
    PrefsFixture f;
    f.whileOpen([&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.row) + " " + c.key);
            ASSERT_TRUE(f.prd().beginEdit(c.row, 1));
            EXPECT_EQ(f.prd().editList(), c.list);
            EXPECT_EQ(f.prd().filterEditKey(c.key), c.kept);
            f.prd().cancelEdit();
        }
    });
}

TEST(Preferences, ProgramButtonsOfferTheFileDialogAtTheCurrentProgram)
{
    PrefsFixture f;
    f.whileOpen([&] {
        // The checker's choice waits for the store; the viewer's takes effect at once.
        f.dialogs.answerFile("/usr/bin/checker");
        ASSERT_TRUE(f.prd().beginEdit(row::certProg, 1));
        f.prd().userCellButton();
        f.prd().commitEdit();
        EXPECT_EQ(f.value(row::certProg), "/usr/bin/checker");
        EXPECT_EQ(f.state().cert_prog, "/opt/checker/corvalet-check");

        f.dialogs.answerFile("/usr/bin/viewer");
        ASSERT_TRUE(f.prd().beginEdit(row::logProg, 1));
        f.prd().userCellButton();
        f.prd().commitEdit();
        EXPECT_EQ(f.value(row::logProg), "/usr/bin/viewer");
        EXPECT_EQ(f.state().log_prog, "/usr/bin/viewer");

        f.dialogs.cancelFile();
        ASSERT_TRUE(f.prd().beginEdit(row::certProg, 1));
        f.prd().userCellButton();
        f.prd().commitEdit();
        EXPECT_EQ(f.value(row::certProg), "/usr/bin/checker");

        const auto& calls = f.dialogs.calls();
        ASSERT_EQ(calls.size(), 3u);
        EXPECT_EQ(calls[0].kind, platform::DialogKind::OpenFile);
        EXPECT_EQ(calls[0].title, "Select Vettrix program");
        EXPECT_EQ(calls[0].folder, "/opt/checker");
        EXPECT_EQ(calls[0].fileName, "corvalet-check");
        EXPECT_EQ(calls[1].title, "Select LAS Log viewer program");
        EXPECT_EQ(calls[1].folder, "/opt/viewer");
        EXPECT_EQ(calls[1].fileName, "/opt/viewer/corvalet-logview");
        f.prefs->but(0).userClick();
    });
    EXPECT_EQ(f.state().cert_prog, "/usr/bin/checker");
    EXPECT_EQ(stored(f.settings, "cert_prog"), "/usr/bin/checker");
    EXPECT_EQ(stored(f.settings, "log_prog"), "/usr/bin/viewer");
}

TEST(Preferences, StoringWritesEachSettingInItsOwnFormAndReadsBackAlike)
{
    struct Case {
        const char* yesNo;
        const char* plainForm; // fillcval, fillCDesc
        const char* maskForm;  // headComF
    };
    for (const Case& c : {Case{"Yes", "-1", "-1"}, Case{"No", " 0", "0"}}) {
        SCOPED_TRACE(c.yesNo);
        PrefsFixture f;
        std::set<std::string> keys = f.storedKeys();
        f.whileOpen([&] {
            for (int r : {row::fillCVal, row::fillCDesc, row::headComF})
                f.prd().setText(r, 1, c.yesNo);
            f.dblClick(row::poroUnits);
            f.type(row::limeDensity, "2.7");
            f.type(row::colonPos, "55");
            f.prefs->but(0).userClick();
        });
        EXPECT_EQ(stored(f.settings, "fillCVal"), c.plainForm);
        EXPECT_EQ(stored(f.settings, "fillCDESC"), c.plainForm);
        EXPECT_EQ(stored(f.settings, "headComF"), c.maskForm);
        EXPECT_EQ(stored(f.settings, "poro_units"), "V/V");
        EXPECT_EQ(stored(f.settings, "mdenDef"), "1.000|2.650|2.700|2.870|55.500|47.600|43.500");
        EXPECT_EQ(stored(f.settings, "formatdef"), " 6| 15| 55| 50| 13| 5");

        // Only the settings of the grid are written; the hidden row has none.
        keys.insert({"country", "fillcval", "fillcdesc", "headcomf", "cert_prog", "log_prog", "mdendef",
                     "poro_units", "formatdef"});
        EXPECT_EQ(f.storedKeys(), keys);

        // The next start reads what was stored into the same settings.
        core::AppState next;
        parseFormatDef(next, stored(f.settings, "formatdef"));
        parseMatrixDefaults(next, stored(f.settings, "mdenDef"));
        EXPECT_EQ(next.colonPos, f.state().colonPos);
        EXPECT_TRUE(sameMatrixDefaults(next, f.state()));
        EXPECT_EQ(f.state().fillCVal, std::string(c.yesNo) == "Yes");
    }
}

TEST(Preferences, UnusableValuesTakeTheStartupFallbacksWhenStored)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, const char*>> typed;
        const char* formatDef;
        const char* mdenDef;
    };
    const Case cases[] = {
        {"width not above decimals", {{row::dataWidth, "5"}, {row::dataDecimals, "8"}}, " 6| 15| 60| 50| 13| 5",
         "1.000|2.650|2.710|2.870|55.500|47.600|43.500"},
        {"no number and zero", {{row::dotPos, "x"}, {row::colonPlusPos, "0"}, {row::dataWidth, ""}},
         " 6| 15| 60| 10| 13| 5", "1.000|2.650|2.710|2.870|55.500|47.600|43.500"},
        {"too large for a position", {{row::valuePos, "99999999999"}}, " 6| 15| 60| 50| 13| 5",
         "1.000|2.650|2.710|2.870|55.500|47.600|43.500"},
        {"light matrix and slow fluid", {{row::sandDensity, "2.0"}, {row::fluidDensity, "0.5"}, {row::doloSlowness, "40"}},
         " 6| 15| 60| 50| 13| 5", "1.000|2.650|2.710|2.870|55.500|47.600|43.500"},
        {"fluid as dense as a matrix", {{row::fluidDensity, "2.71"}}, " 6| 15| 60| 50| 13| 5",
         "1.000|2.650|2.710|2.870|55.500|47.600|43.500"},
        {"usable values kept", {{row::fluidDensity, "1.1"}, {row::dataWidth, "10"}, {row::dataDecimals, "9"}},
         " 6| 15| 60| 50| 10| 9", "1.100|2.650|2.710|2.870|55.500|47.600|43.500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrefsFixture f;
        f.whileOpen([&] {
            for (const auto& [r, text] : c.typed)
                f.prd().setText(r, 1, text);
            f.prefs->but(0).userClick();
        });
        EXPECT_EQ(stored(f.settings, "formatdef"), c.formatDef);
        EXPECT_EQ(stored(f.settings, "mdenDef"), c.mdenDef);
        // What is in force now is what the next start reads.
        core::AppState next;
        parseFormatDef(next, c.formatDef);
        parseMatrixDefaults(next, c.mdenDef);
        EXPECT_EQ(f.state().dataWidth, next.dataWidth);
        EXPECT_EQ(f.state().dataDecimals, next.dataDecimals);
        EXPECT_EQ(f.state().colonPlusPos, next.colonPlusPos);
        EXPECT_TRUE(sameMatrixDefaults(f.state(), next));
    }
}

TEST(Preferences, LeavingWithoutStoringKeepsTheStoreAndCancelRestoresTheCountry)
{
    struct Case {
        const char* name;
        std::function<void(Preferences&)> leave;
        const char* countryAfter;
        const char* sonicAfter;
    };
    const Case cases[] = {
        {"cancel", [](Preferences& p) { p.but(1).userClick(); }, "Other", "us/f"},
        {"escape", [](Preferences& p) { EXPECT_EQ(p.keyDown(platform::keys::Escape, 0), 0); }, "Canada", "us/m"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrefsFixture f;
        const auto before = f.settings.getAllSettings("Corvalet", "Startup");
        f.whileOpen([&] {
            EXPECT_EQ(f.prefs->keyDown('A', 0), 'A'); // other keys go on to the grid
            f.dblClick(row::country);
            f.prd().setText(row::fillCVal, 1, "Yes");
            c.leave(*f.prefs);
        });
        EXPECT_FALSE(f.prefs->loaded());
        EXPECT_EQ(f.state().country, c.countryAfter);
        EXPECT_EQ(f.state().sonicUnit.unit, c.sonicAfter);
        EXPECT_FALSE(f.state().fillCVal);
        EXPECT_EQ(f.settings.getAllSettings("Corvalet", "Startup"), before);
    }
}

// A store that fails, as a broken settings back end might.
class FailingSettings final : public platform::TableSettings {
public:
    void saveSetting(const std::string&, const std::string&, const std::string&, const std::string&) override
    {
        throw std::runtime_error("store unavailable");
    }
};

TEST(Preferences, AFailingStoreEndsTheHandlerWithTheDefaultPointer)
{
    core::AppState state;
    core::initGlobals(state);
    state.country = "Other";
    setUnitSystem(state);
    FailingSettings settings;
    platform::ScriptedDialogs dialogs;
    platform::HeadlessWindowHost host;
    platform::RecordingPointerDisplay pointer;
    Preferences prefs(state, settings, dialogs, &host, &pointer);
    host.onModal = [&](platform::Window&) {
        core::setMousePointer(pointer, core::kPointerHourglass);
        prefs.but(0).userClick();
        EXPECT_TRUE(prefs.loaded());
        EXPECT_FALSE(pointer.busy());
    };
    host.runModal(prefs);
    EXPECT_EQ(pointer.changes(), (std::vector<bool>{true, false}));
}

} // namespace
} // namespace corvalet::shell
