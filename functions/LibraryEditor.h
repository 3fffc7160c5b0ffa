#pragma once
// The library editor window "curvLib": the curve groups and their mnemonics, the unit groups and
// their units, each shown in a grid that stays in step with its shared table (table entry k on
// grid row k + 1, the row of the unused entry 0 hidden, a cell edit written into the table at
// once), the ~Curve items of a LAS file that can be added to the curve library, and the saves of
// both library files.
#include "core/AppState.h"
#include "core/Table.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Grid.h"
#include "platform/Window.h"
#include "platform/WindowHost.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace corvalet::functions {

inline constexpr const char* libraryEditorCaption = "Curve Library - Under Construction!";
inline constexpr const char* openLasTitle = "Open LAS To Add to Library";
inline constexpr const char* saveChangesTitle = "Save Changes?";
inline constexpr const char* saveChangesText =
    "Changes were made to either Channels or Units that should saved. Do you want to save them before quitting "
    "this window?";
inline constexpr const char* noGroupChoice = "<none>";

// The pages of tabb.
namespace libPage {
inline constexpr int channels = 0;
inline constexpr int units = 1;
inline constexpr int addFrom = 2;
inline constexpr int listings = 3;
} // namespace libPage

// The background of a LAS channel's group cell: green for a library group, red for none.
inline constexpr platform::Color kGroupFound = 65280;
inline constexpr platform::Color kGroupMissing = 255;

// One entry of the "Mnemonic Listings" menu.
struct MnemonicListing {
    std::string caption;
    std::string company; // as named in the question
    std::string address; // the page handed to the desktop; empty: the entry is disabled
};

class LibraryEditor final : public platform::Window {
public:
    // Opens a document or web page with the desktop's program; 0 when started.
    using OpenDocument = std::function<int(const std::string&)>;

    // `userFolder` is where a library without a file of its own is saved ("curves.ini",
    // "units.ini"); `host` closes the window on "E&xit"; `pump` lets the window repaint after a
    // LAS file was read.
    LibraryEditor(core::AppState& state, platform::Dialogs& dialogs, platform::WindowHost* host = nullptr,
                  platform::EventPump* pump = nullptr, std::filesystem::path userFolder = {},
                  OpenDocument openDocument = {});

    platform::TabControl tabb{"tabb"};
    platform::Grid lrd{2, 4, 1, 0, "lrd"};
    platform::Grid crd{2, 3, 1, 0, "crd"};
    platform::Grid ugd{2, 2, 1, 0, "ugd"};
    platform::Grid urd{2, 4, 1, 0, "urd"};
    platform::Grid ard{1, 6, 1, 0, "ard"};
    platform::Grid lsrd{1, 1, 1, 0, "Lsrd"};
    // Menu items: file_M(0) "&Open LAS", file_M(1) "Add from &Current", file_M(3) "E&xit";
    // edit_M(0..2) cut, copy, paste (disabled: they have nothing to do), edit_M(4) "&Add Group",
    // edit_M(5) "&Delete Group"; mnem_M(0..5) the mnemonic listings.
    platform::Button fileOpen{"file_M", 0};
    platform::Button fileAddCurrent{"file_M", 1};
    platform::Button fileExit{"file_M", 3};
    std::array<platform::Button, 3> editClip{platform::Button{"edit_M", 0}, platform::Button{"edit_M", 1},
                                             platform::Button{"edit_M", 2}};
    platform::Button editAddGroup{"edit_M", 4};
    platform::Button editDeleteGroup{"edit_M", 5};
    std::array<platform::Button, 6> mnem{platform::Button{"mnem_M", 0}, platform::Button{"mnem_M", 1},
                                         platform::Button{"mnem_M", 2}, platform::Button{"mnem_M", 3},
                                         platform::Button{"mnem_M", 4}, platform::Button{"mnem_M", 5}};

    // but(0..8) as laid out under the grids.
    [[nodiscard]] platform::Button& but(int index) { return m_but[std::size_t(index)]; }
    [[nodiscard]] bool libraryChanged() const { return m_libraryChanged; }
    // The ~Curve items of the LAS file last read: (0..3, 0..n) mnemonic, unit, value, description,
    // rows from 1.
    [[nodiscard]] const core::TextTable& lasChannelTable() const { return m_lasChannels; }
    [[nodiscard]] const std::vector<MnemonicListing>& listings() const { return m_listings; }
    // Gives a listing its page; an entry with an address is enabled.
    void setListingAddress(int entry, std::string address);

    // procedures
    // Adds the LAS channels of ard that have a group chosen and are not in the library yet.
    void addToLibrary();
    // The mnemonics of the group's members joined with "|".
    [[nodiscard]] std::string getCurveString(const std::string& group) const;
    // Fills ard (and lasChannelTable) from the file's ~Curve items; true when done.
    bool openLASLibAdd(const std::string& path);
    void setupLrd();
    void setupUrd();
    // Shows only the member rows of one group; the count shown (0 for a blank name, which
    // changes nothing).
    int showCurvesOfGroup(const std::string& group);
    int showUnitsOfGroup(const std::string& group);

    // events
    void pressButton(int index) { onButton(index); }
    // The "&File" menu opens: "Add from &Current" only for an existing current LAS file.
    void fileMenuOpened();
    // A right-button press on lrd or ugd asks the view for the "&Edit" pop-up.
    platform::Signal<> popupEditMenu;

private:
    void onLoad();
    void onQueryUnload(bool& cancel);
    void onUnload();
    void onButton(int index);
    void onTab();
    void connectLibraryGrid(platform::Grid& grid);
    void onLibraryKey(const platform::Grid& grid, int col, int& key) const;
    void onLibraryEdit(platform::Grid& grid, int row, int col);
    void curveGroupChosen();
    void unitGroupChosen();
    void onArdBeforeEdit(int row, int col, bool& cancel);
    void ardChoice(int row);
    void openLas(const std::string& path);
    void openListing(int entry);
    // The table a library grid shows.
    [[nodiscard]] core::TextTable& tableOf(const platform::Grid& grid);
    void refill(platform::Grid& grid);
    void addGroup(platform::Grid& groups, platform::Grid& members, int memberButtons);
    void deleteGroup(platform::Grid& groups, platform::Grid& members, int memberButtons);
    void addMember(platform::Grid& groups, platform::Grid& members, int memberButtons);
    void deleteMember(platform::Grid& members);
    void showMembers(platform::Grid& members, int memberButtons, bool on);
    // Both files; on a failure the user is told and false returned.
    bool saveLibraries();
    void reloadLibraries();

    core::AppState& m_state;
    platform::Dialogs& m_dialogs;
    platform::WindowHost* m_host;
    platform::EventPump* m_pump;
    std::filesystem::path m_userFolder;
    OpenDocument m_openDocument;

    std::array<platform::Button, 9> m_but{
        platform::Button{"but", 0}, platform::Button{"but", 1}, platform::Button{"but", 2},
        platform::Button{"but", 3}, platform::Button{"but", 4}, platform::Button{"but", 5},
        platform::Button{"but", 6}, platform::Button{"but", 7}, platform::Button{"but", 8}};
    std::vector<MnemonicListing> m_listings;
    core::TextTable m_lasChannels{3, 0};
    // The groups whose members crd and urd show ("" when none).
    std::string m_curveGroupShown;
    std::string m_unitGroupShown;
    bool m_libraryChanged = false;
    bool m_exiting = false;
    bool m_filling = false;
    std::vector<platform::Connection> m_connections;
};

} // namespace corvalet::functions
