#pragma once
// The preferences window "prefs": one two-column grid `prd` of the user-settable settings
// (label, value) with an editor per row, and the buttons "E&xit" (store and close) and
// "&Cancel" (close without storing). The shared settings change only when the grid is stored,
// except the country with its unit system (at once, so that the slowness rows follow it) and
// the log viewer path chosen with the row's file dialog.
#include "core/AppState.h"
#include "platform/BusyPointer.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Grid.h"
#include "platform/Settings.h"
#include "platform/Window.h"
#include "platform/WindowHost.h"

#include <string>
#include <vector>

namespace corvalet::shell {

class App;

// The rows of the grid; row 0 is the header row.
namespace prefsRow {
inline constexpr int country = 1;
inline constexpr int fillCVal = 2;
inline constexpr int fillCDesc = 3;
inline constexpr int headComF = 4;
inline constexpr int quickCheck = 5; // never shown, never stored
inline constexpr int certProg = 6;
inline constexpr int logProg = 7;
inline constexpr int sandDensity = 8;
inline constexpr int limeDensity = 9;
inline constexpr int doloDensity = 10;
inline constexpr int fluidDensity = 11;
inline constexpr int sandSlowness = 12;
inline constexpr int limeSlowness = 13;
inline constexpr int doloSlowness = 14;
inline constexpr int poroUnits = 15;
inline constexpr int dotPos = 16;
inline constexpr int valuePos = 17;
inline constexpr int colonPos = 18;
inline constexpr int colonPlusPos = 19;
inline constexpr int dataWidth = 20;
inline constexpr int dataDecimals = 21;
inline constexpr int count = 22;
} // namespace prefsRow

inline constexpr const char* prefsCaption = "Preferences";
inline constexpr const char* certProgTitle = "Select Vettrix program";
inline constexpr const char* logProgTitle = "Select LAS Log viewer program";

class Preferences final : public platform::Window {
public:
    // `host` unloads the window when it is left; without one the window only stores. `pointer`
    // is reset when a button handler fails.
    Preferences(core::AppState& state, platform::Settings& settings, platform::Dialogs& dialogs,
                platform::WindowHost* host = nullptr, platform::PointerDisplay* pointer = nullptr);
    explicit Preferences(App& app);

    [[nodiscard]] platform::Grid& prd() { return m_prd; }
    [[nodiscard]] const platform::Grid& prd() const { return m_prd; }
    // but(0) "E&xit", but(1) "&Cancel".
    [[nodiscard]] platform::Button& but(int index) { return index == 0 ? m_exit : m_cancel; }
    // The country as it was when the window loaded; "&Cancel" puts it back.
    [[nodiscard]] const std::string& loadedCountry() const { return m_loadedCountry; }

    // procedures
    // Fills the grid from the shared settings; unsaved edits are replaced.
    void setupPrd();
    // Stores the grid into the shared settings and the settings store. Values the program cannot
    // work with take the fallbacks that start-up gives them, in memory and in the store alike.
    void savePRD();

    // events
    // The window's own key handler (it sees keys before the grid): Esc closes without storing.
    // Returns the key code, 0 when it was used.
    int keyDown(int keyCode, int shift);

private:
    void onLoad();
    void onBeforeEdit(int row, int col);
    void onKeyPressEdit(int row, int col, int& key);
    void onCellButton(int row, int col);
    void onChangeEdit(int row, int col);
    void onDblClick();
    void onButton(int index);
    // country from the row-1 text, the unit system, and a refill in the new units.
    void applyCountryCell();
    void close();

    core::AppState& m_state;
    platform::Settings& m_settings;
    platform::Dialogs& m_dialogs;
    platform::WindowHost* m_host;
    platform::PointerDisplay* m_pointer;

    platform::Grid m_prd{prefsRow::count, 2, 1, 1, "prd"};
    platform::Button m_exit{"but", 0};
    platform::Button m_cancel{"but", 1};
    std::string m_loadedCountry;
    std::vector<platform::Connection> m_connections;
};

} // namespace corvalet::shell
