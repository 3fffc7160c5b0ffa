#include "functions/LibraryEditor.h"

#include "core/FileUtils.h"
#include "core/SectionReaders.h"
#include "core/TextUtils.h"
#include "core/WindowHelpers.h"
#include "functions/Library.h"
#include "platform/FileDialogs.h"
#include "platform/Text.h"

namespace corvalet::functions {

using platform::equalsNoCase;

namespace {

constexpr int kBar = 124; // "|" splits every field of the library files
constexpr int kExtraTwips = 50;

bool isBlank(const std::string& text) { return platform::trimBlanks(text).empty(); }

// A new empty entry at `at` (1..n + 1): the entries from there on move down by one.
void insertEntry(core::TextTable& table, int at)
{
    const int last = table.rowUpper() + 1;
    table.redimPreserve(last);
    for (int r = last; r > at; --r)
        for (int f = 0; f <= table.fieldUpper(); ++f)
            table(f, r) = std::move(table(f, r - 1));
    for (int f = 0; f <= table.fieldUpper(); ++f)
        table(f, at).clear();
}

// Removes entry `at` (1..n): the later entries move up by one.
void removeEntry(core::TextTable& table, int at)
{
    for (int r = at; r < table.rowUpper(); ++r)
        for (int f = 0; f <= table.fieldUpper(); ++f)
            table(f, r) = std::move(table(f, r + 1));
    table.redimPreserve(table.rowUpper() - 1);
}

// The table entry shown on the grid's current row; 0 when the hidden row, the header or no row
// is current.
int currentEntry(const platform::Grid& grid, const core::TextTable& table)
{
    const int entry = grid.row() - 1;
    return entry >= 1 && entry <= table.rowUpper() ? entry : 0;
}

int firstMemberOf(const core::TextTable& members, const std::string& group)
{
    for (int r = 1; r <= members.rowUpper(); ++r)
        if (equalsNoCase(members(0, r), group))
            return r;
    return 0;
}

int countGroupsNamed(const core::TextTable& groups, const std::string& name)
{
    int n = 0;
    for (int r = 1; r <= groups.rowUpper(); ++r)
        n += equalsNoCase(groups(0, r), name) ? 1 : 0;
    return n;
}

} // namespace

LibraryEditor::LibraryEditor(core::AppState& state, platform::Dialogs& dialogs, platform::WindowHost* host,
                             platform::EventPump* pump, std::filesystem::path userFolder, OpenDocument openDocument)
    : platform::Window("curvLib", libraryEditorCaption), m_state(state), m_dialogs(dialogs), m_host(host),
      m_pump(pump), m_userFolder(std::move(userFolder)), m_openDocument(std::move(openDocument))
{
    addControl(tabb);
    for (platform::Grid* g : {&lrd, &crd, &ugd, &urd, &ard, &lsrd})
        addControl(*g);
    for (platform::Button& b : m_but)
        addControl(b);
    tabb.setCaptions({"&Channels", "&Units", "Add From...", "Listings"});
    lrd.setTag("Curve Groups");
    crd.setTag("Curves of this group");
    ugd.setTag("Unit Groups");
    urd.setTag("Units of this group");
    ard.setTag("LAS Channels");
    lsrd.setTag("Mnemonic Listing");
    lsrd.setEditable(false);
    const std::array<const char*, 9> captions{"&Add", "&Delete", "Add to Library Now!", "&Add", "&Delete",
                                              "&Add", "&Delete", "&Add", "&Delete"};
    for (std::size_t i = 0; i < m_but.size(); ++i) {
        m_but[i].setCaption(captions[i]);
        m_connections.push_back(m_but[i].click.connect([this, i] { onButton(int(i)); }));
    }

    fileOpen.setCaption("&Open LAS");
    fileAddCurrent.setCaption("Add from &Current");
    fileExit.setCaption("E&xit");
    const std::array<const char*, 3> clipCaptions{"C&ut", "&Copy", "&Paste"};
    for (std::size_t i = 0; i < editClip.size(); ++i) {
        editClip[i].setCaption(clipCaptions[i]);
        editClip[i].setEnabled(false);
    }
    editAddGroup.setCaption("&Add Group");
    editDeleteGroup.setCaption("&Delete Group");
    m_listings = {{"Kestrovander", "Kestrovander", ""},   {"Tucker Wireline", "Tucker Wireline", ""},
                  {"Atlas Wireline", "Atlas Wireline", ""}, {"Halliburton", "", ""},
                  {"Reeves 9BPB)", "Reeves (BPB)", ""},    {"SPWLA listing", "SPWLA", ""}};
    for (std::size_t i = 0; i < mnem.size(); ++i) {
        mnem[i].setCaption(m_listings[i].caption);
        mnem[i].setEnabled(false);
        m_connections.push_back(mnem[i].click.connect([this, i] { openListing(int(i)); }));
    }

    m_connections.push_back(fileOpen.click.connect([this] {
        std::string extension = "las";
        std::string folder = core::folderOfPath(m_state.currentLASFile);
        const std::string path = platform::getFileName(m_dialogs, platform::FileMode::OpenLas, extension,
                                                       openLasTitle, folder, "", m_pump, m_state.quietMode);
        if (!path.empty())
            openLas(path);
    }));
    m_connections.push_back(fileAddCurrent.click.connect([this] { openLas(m_state.currentLASFile); }));
    m_connections.push_back(fileExit.click.connect([this] {
        if (!saveLibraries())
            return;
        m_exiting = true;
        if (m_host)
            m_host->unload(*this);
        m_exiting = false;
    }));
    m_connections.push_back(editAddGroup.click.connect(
        [this] { onButton(tabb.currentTab() == libPage::channels ? 0 : 5); }));
    m_connections.push_back(editDeleteGroup.click.connect(
        [this] { onButton(tabb.currentTab() == libPage::channels ? 1 : 6); }));

    m_connections.push_back(load.connect([this] { onLoad(); }));
    m_connections.push_back(queryUnload.connect([this](bool& cancel) { onQueryUnload(cancel); }));
    m_connections.push_back(unload.connect([this] { onUnload(); }));
    m_connections.push_back(tabb.click.connect([this] { onTab(); }));

    for (platform::Grid* g : {&lrd, &crd, &ugd, &urd})
        connectLibraryGrid(*g);
    m_connections.push_back(lrd.click.connect([this] { curveGroupChosen(); }));
    m_connections.push_back(lrd.selectionChanged.connect([this] { curveGroupChosen(); }));
    m_connections.push_back(ugd.selectionChanged.connect([this] { unitGroupChosen(); }));
    for (platform::Grid* g : {&lrd, &ugd})
        m_connections.push_back(g->mouseDown.connect([this](int button, int, int, int) {
            if (button == 2)
                popupEditMenu.send();
        }));

    m_connections.push_back(ard.beforeEdit.connect([this](int r, int c, bool& cancel) { onArdBeforeEdit(r, c, cancel); }));
    m_connections.push_back(ard.keyPressEdit.connect([](int, int, int& key) {
        // The group cell takes a choice from its list only.
        if (key != platform::keys::Backspace && key != platform::keys::Enter)
            key = 0;
    }));
    m_connections.push_back(ard.changeEdit.connect([this](int r, int c) {
        if (c == 5) {
            ard.setText(r, c, ard.editText());
            ardChoice(r);
        }
    }));
    m_connections.push_back(ard.afterEdit.connect([this](int r, int c) {
        if (c != 5)
            return;
        ardChoice(r);
        ard.setRow(r);
        ard.setCol(1);
    }));
    m_connections.push_back(ard.dblClick.connect([this] { ard.editCell(); }));
}

void LibraryEditor::setListingAddress(int entry, std::string address)
{
    if (entry < 0 || entry >= int(m_listings.size()))
        return;
    mnem[std::size_t(entry)].setEnabled(!address.empty());
    m_listings[std::size_t(entry)].address = std::move(address);
}

void LibraryEditor::connectLibraryGrid(platform::Grid& grid)
{
    m_connections.push_back(grid.dblClick.connect([&grid] { grid.editCell(); }));
    m_connections.push_back(grid.beforeEdit.connect([&grid](int r, int, bool& cancel) {
        grid.setEditList("");
        cancel = r < 2; // the header and the row of entry 0 hold no data
    }));
    m_connections.push_back(
        grid.keyPressEdit.connect([this, &grid](int, int c, int& key) { onLibraryKey(grid, c, key); }));
    m_connections.push_back(grid.afterEdit.connect([this, &grid](int r, int c) { onLibraryEdit(grid, r, c); }));
}

void LibraryEditor::onLibraryKey(const platform::Grid& grid, int col, int& key) const
{
    if (key == platform::keys::Backspace || key == platform::keys::Enter)
        return;
    // Filtered columns as the files need them; in every column "|" would split the field on the
    // next load, a "]" in a group line stops it being one, and a member line that begins with "["
    // ends its group's members.
    int mode = -1;
    if (&grid == &lrd && (col == 2 || col == 3))
        mode = 12;
    else if (&grid == &crd && col == 1)
        mode = 11;
    else if (&grid == &crd && col == 2)
        mode = 12;
    else if (&grid == &ugd && col == 1)
        mode = 12;
    else if (&grid == &urd && (col == 2 || col == 3))
        mode = 1;
    if (mode >= 0)
        key = core::filterKeyAscii(key, mode);
    const bool groupLine = &grid == &lrd || &grid == &ugd;
    const bool memberKey = (&grid == &crd || &grid == &urd) && col == 1;
    if (key == kBar || (groupLine && key == ']') || (memberKey && key == '['))
        key = 0;
}

core::TextTable& LibraryEditor::tableOf(const platform::Grid& grid)
{
    if (&grid == &lrd)
        return m_state.curveGroups;
    if (&grid == &crd)
        return m_state.curveLibrary;
    if (&grid == &ugd)
        return m_state.unitGroups;
    return m_state.unitLibrary;
}

void LibraryEditor::onLibraryEdit(platform::Grid& grid, int row, int col)
{
    core::TextTable& table = tableOf(grid);
    const int entry = row - 1;
    if (entry < 1 || entry > table.rowUpper() || col > table.fieldUpper())
        return;
    const std::string old = table(col, entry);
    table(col, entry) = grid.text(row, col);
    m_libraryChanged = true;
    // A renamed group keeps its members: they name their group by name, and a member whose group
    // is gone is dropped by the next save.
    const bool groups = &grid == &lrd || &grid == &ugd;
    if (!groups || col != 0 || isBlank(old) || equalsNoCase(old, table(0, entry)) || countGroupsNamed(table, old) > 0)
        return;
    platform::Grid& members = &grid == &lrd ? crd : urd;
    core::TextTable& memberTable = tableOf(members);
    for (int r = 1; r <= memberTable.rowUpper(); ++r)
        if (equalsNoCase(memberTable(0, r), old))
            memberTable(0, r) = table(0, entry);
    std::string& shown = &grid == &lrd ? m_curveGroupShown : m_unitGroupShown;
    if (equalsNoCase(shown, old))
        shown = table(0, entry);
    refill(members);
}

void LibraryEditor::onLoad()
{
    m_state.curvLibOpen = true;
    setWindowState(platform::WindowState::Maximized);
    tabb.setCurrentTab(libPage::channels);
    showMembers(crd, 3, false);
    showMembers(urd, 7, false);
    setupLrd();
    setupUrd();
    core::applyFontToControls(*this, core::FontSettings{m_state.uiFontName.empty() ? "Arial" : m_state.uiFontName,
                                                        m_state.uiFontSize > 0 ? m_state.uiFontSize : 10.0,
                                                        m_state.uiFontBold});
}

void LibraryEditor::onQueryUnload(bool& cancel)
{
    // "E&xit" has saved already; a close without it asks, so that edits are never dropped unseen.
    if (m_exiting || !m_libraryChanged || m_state.quietMode)
        return;
    const int answer = m_dialogs.msgBox(saveChangesText, platform::MsgStyle::YesNo + platform::MsgStyle::Question,
                                        saveChangesTitle);
    if (answer == platform::MsgResult::Yes) {
        if (!saveLibraries())
            cancel = true;
    } else {
        reloadLibraries();
    }
}

void LibraryEditor::onUnload()
{
    if (lrd.isEditing() || crd.isEditing() || ugd.isEditing() || urd.isEditing() || ard.isEditing())
        for (platform::Grid* g : {&lrd, &crd, &ugd, &urd, &ard})
            g->cancelEdit();
    m_state.curvLibOpen = false;
}

bool LibraryEditor::saveLibraries()
{
    // A library that had no file at start-up is saved under its standard name in the user's folder.
    auto pathFor = [this](std::string& path, const char* name) {
        if (path.empty() && !m_userFolder.empty())
            path = (m_userFolder / name).string();
    };
    pathFor(m_state.curvesIniPath, "curves.ini");
    pathFor(m_state.unitsIniPath, "units.ini");
    auto named = [](const std::string& path, const char* name) { return path.empty() ? std::string(name) : path; };
    std::string failed;
    if (!saveCurveLibrary(m_state))
        failed = named(m_state.curvesIniPath, "curves.ini");
    if (!saveUnitLibrary(m_state))
        failed += (failed.empty() ? "" : " and ") + named(m_state.unitsIniPath, "units.ini");
    if (failed.empty()) {
        m_libraryChanged = false;
        return true;
    }
    m_dialogs.msgBox("The library could not be saved to " + failed +
                         ". The window stays open so that the changes are not lost.",
                     platform::MsgStyle::OkOnly + platform::MsgStyle::Exclamation, libraryEditorCaption);
    return false;
}

void LibraryEditor::reloadLibraries()
{
    loadCurveLibrary(m_state);
    loadUnitLibrary(m_state);
    m_libraryChanged = false;
    setupLrd();
    setupUrd();
}

void LibraryEditor::refill(platform::Grid& grid)
{
    const core::TextTable& table = tableOf(grid);
    m_filling = true;
    grid.setRedraw(false);
    grid.setRows(table.rowCount() + 1);
    for (int entry = 0; entry <= table.rowUpper(); ++entry) {
        for (int f = 0; f < grid.cols() && f <= table.fieldUpper(); ++f)
            grid.setText(entry + 1, f, table(f, entry));
        grid.setRowHidden(entry + 1, entry == 0);
    }
    const std::string& shown = &grid == &crd ? m_curveGroupShown : m_unitGroupShown;
    if ((&grid == &crd || &grid == &urd) && !isBlank(shown)) {
        if (&grid == &crd)
            showCurvesOfGroup(shown);
        else
            showUnitsOfGroup(shown);
    }
    grid.setRedraw(true);
    m_filling = false;
}

void LibraryEditor::setupLrd()
{
    for (platform::Grid* g : {&lrd, &crd}) {
        g->setRedraw(false);
        g->setFixedCols(0);
        g->setCols(g == &lrd ? 4 : 3);
    }
    const std::array<const char*, 4> groupHeads{"Group Name", "Unique Value", "Canadian Unit", "Other Unit"};
    for (int c = 0; c < 4; ++c)
        lrd.setText(0, c, groupHeads[std::size_t(c)]);
    crd.setText(0, 0, "Group Name");
    crd.setText(0, 1, "Known Channels");
    crd.setText(0, 2, "Description");
    refill(lrd);
    refill(crd);
    lrd.autoSizeCols(0, lrd.cols() - 1);
    crd.autoSizeCols(0, crd.cols() - 1);
    lrd.setRedraw(true);
    crd.setRedraw(true);
}

void LibraryEditor::setupUrd()
{
    for (platform::Grid* g : {&ugd, &urd}) {
        g->setRedraw(false);
        g->setFixedCols(0);
        g->setCols(g == &ugd ? 2 : 4);
    }
    ugd.setText(0, 0, "Group Name");
    ugd.setText(0, 1, "Internal Units");
    urd.setText(0, 0, "Group Name");
    urd.setText(0, 1, "Known Units");
    urd.setText(0, 2, "Gain");
    urd.setText(0, 3, "Offset");
    refill(ugd);
    refill(urd);
    ugd.autoSizeCols(0, ugd.cols() - 1);
    urd.autoSizeCols(0, urd.cols() - 1);
    ugd.setRedraw(true);
    urd.setRedraw(true);
}

namespace {

int showRowsOfGroup(platform::Grid& grid, const std::string& group)
{
    int shown = 0;
    for (int r = 1; r < grid.rows(); ++r) {
        const bool member = equalsNoCase(grid.text(r, 0), group);
        grid.setRowHidden(r, !member);
        shown += member ? 1 : 0;
    }
    return shown;
}

} // namespace

int LibraryEditor::showCurvesOfGroup(const std::string& group)
{
    if (isBlank(group))
        return 0;
    const bool redraw = crd.redraw();
    crd.setRedraw(false);
    const int shown = showRowsOfGroup(crd, group);
    crd.autoSizeCols(0, 1);
    crd.setRedraw(redraw);
    return shown;
}

int LibraryEditor::showUnitsOfGroup(const std::string& group)
{
    if (isBlank(group))
        return 0;
    const bool redraw = urd.redraw();
    urd.setRedraw(false);
    const int shown = showRowsOfGroup(urd, group);
    urd.autoSizeCols(0, urd.cols() - 1, kExtraTwips);
    urd.setRedraw(redraw);
    return shown;
}

void LibraryEditor::showMembers(platform::Grid& members, int memberButtons, bool on)
{
    members.setVisible(on);
    but(memberButtons).setVisible(on);
    but(memberButtons + 1).setVisible(on);
    if (!on) {
        if (&members == &crd)
            m_curveGroupShown.clear();
        else
            m_unitGroupShown.clear();
    }
}

void LibraryEditor::curveGroupChosen()
{
    if (m_filling || lrd.col() < 0 || lrd.col() > 3 || lrd.row() < 2 || isBlank(lrd.text(lrd.row(), lrd.col())))
        return;
    m_curveGroupShown = lrd.text(lrd.row(), 0);
    showMembers(crd, 3, true);
    crd.setText(0, 1, "Known Channels");
    crd.setText(0, 2, "Description");
    crd.setColHidden(0, true);
    crd.setTag("Member of Channel group " + m_curveGroupShown);
    refill(crd);
}

void LibraryEditor::unitGroupChosen()
{
    if (m_filling || ugd.col() < 0 || ugd.col() > 1 || ugd.row() < 2 || isBlank(ugd.text(ugd.row(), ugd.col())))
        return;
    m_unitGroupShown = ugd.text(ugd.row(), 0);
    showMembers(urd, 7, true);
    urd.setText(0, 1, "Known Units");
    urd.setText(0, 2, "Gain");
    urd.setText(0, 3, "Offset");
    urd.setColHidden(0, true);
    urd.setTag("Members of Unit group " + m_unitGroupShown + "  " + ugd.text(ugd.row(), 1) +
               " x Gain + Offset = each unit");
    refill(urd);
}

void LibraryEditor::onButton(int index)
{
    switch (index) {
    case 0: addGroup(lrd, crd, 3); break;
    case 1: deleteGroup(lrd, crd, 3); break;
    case 2: addToLibrary(); break;
    case 3: addMember(lrd, crd, 3); break;
    case 4: deleteMember(crd); break;
    case 5: addGroup(ugd, urd, 7); break;
    case 6: deleteGroup(ugd, urd, 7); break;
    case 7: addMember(ugd, urd, 7); break;
    case 8: deleteMember(urd); break;
    default: break;
    }
}

void LibraryEditor::addGroup(platform::Grid& groups, platform::Grid& members, int memberButtons)
{
    showMembers(members, memberButtons, false);
    core::TextTable& table = tableOf(groups);
    const int current = currentEntry(groups, table);
    const int at = current > 0 ? current : table.rowUpper() + 1;
    insertEntry(table, at);
    m_libraryChanged = true;
    refill(groups);
    groups.setRow(at + 1);
    groups.setCol(0);
}

void LibraryEditor::deleteGroup(platform::Grid& groups, platform::Grid& members, int memberButtons)
{
    showMembers(members, memberButtons, false);
    core::TextTable& table = tableOf(groups);
    // Without a group row chosen there is nothing the user asked to delete.
    const int current = currentEntry(groups, table);
    if (current == 0)
        return;
    removeEntry(table, current);
    m_libraryChanged = true;
    refill(groups);
}

void LibraryEditor::addMember(platform::Grid& groups, platform::Grid& members, int memberButtons)
{
    const core::TextTable& groupTable = tableOf(groups);
    const int group = currentEntry(groups, groupTable);
    // A member needs a group to belong to, or the next save drops it.
    if (group == 0 || isBlank(groupTable(0, group)))
        return;
    const std::string name = groupTable(0, group);
    showMembers(members, memberButtons, true);
    core::TextTable& table = tableOf(members);
    const int current = currentEntry(members, table);
    const int at = current > 0 ? current : 1;
    insertEntry(table, at);
    table(0, at) = name;
    if (&members == &urd) {
        table(2, at) = "1";
        table(3, at) = "0";
    }
    m_libraryChanged = true;
    if (&members == &crd)
        m_curveGroupShown = name;
    else
        m_unitGroupShown = name;
    refill(members);
    members.setRow(at + 1);
    members.setCol(1);
}

void LibraryEditor::deleteMember(platform::Grid& members)
{
    core::TextTable& table = tableOf(members);
    const int current = currentEntry(members, table);
    if (current == 0 || members.rowHidden(current + 1))
        return;
    removeEntry(table, current);
    m_libraryChanged = true;
    refill(members);
}

std::string LibraryEditor::getCurveString(const std::string& group) const
{
    std::string joined;
    const core::TextTable& library = m_state.curveLibrary;
    for (int r = 1; r <= library.rowUpper(); ++r) {
        if (!equalsNoCase(library(0, r), group))
            continue;
        if (!joined.empty())
            joined += '|';
        joined += library(1, r);
    }
    return joined;
}

bool LibraryEditor::openLASLibAdd(const std::string& path)
{
    core::TextTable items(3, 0);
    const int last = core::readSectionToArray(items, path, 'C');
    // The reader puts the first item in row 0 and leaves one empty row when there is none.
    const int count = last < 0 || (last == 0 && items(0, 0).empty()) ? 0 : last + 1;
    m_lasChannels.redim(3, count);
    for (int i = 0; i < count; ++i)
        for (int f = 0; f <= 3; ++f)
            m_lasChannels(f, i + 1) = items(f, i);

    ard.setRedraw(false);
    ard.setRows(1);
    ard.setCols(1);
    ard.clearAll();
    ard.setRows(count + 1);
    ard.setCols(6);
    const std::array<const char*, 6> heads{"#", "Channel Name", "Channel Units", "Channel Value", "Channel Desc",
                                           "Channel Group"};
    for (int c = 0; c < 6; ++c)
        ard.setText(0, c, heads[std::size_t(c)]);
    for (int i = 1; i <= count; ++i) {
        ard.setText(i, 0, std::to_string(i));
        for (int f = 0; f <= 3; ++f)
            ard.setText(i, f + 1, m_lasChannels(f, i));
        const int group = findLibRow(m_lasChannels(0, i), m_state.curveGroups, m_state.curveLibrary);
        ard.setText(i, 5, group > 0 ? m_state.curveGroups(0, group) : noGroupChoice);
        ardChoice(i);
    }
    ard.autoSizeCols(0, 5, kExtraTwips);
    ard.setRedraw(true);
    return true;
}

void LibraryEditor::onArdBeforeEdit(int row, int col, bool& cancel)
{
    if (col != 5 || row < 1) {
        cancel = true;
        return;
    }
    std::string list = noGroupChoice;
    const core::TextTable& groups = m_state.curveGroups;
    for (int r = 1; r <= groups.rowUpper(); ++r)
        if (!isBlank(groups(0, r)))
            list += "|" + groups(0, r);
    ard.setEditList(list);
}

void LibraryEditor::ardChoice(int row)
{
    ard.setBackColor(row, 5, equalsNoCase(ard.text(row, 5), noGroupChoice) ? kGroupMissing : kGroupFound);
}

void LibraryEditor::addToLibrary()
{
    core::TextTable& library = m_state.curveLibrary;
    for (int r = 1; r < ard.rows(); ++r) {
        const std::string& mnemonic = ard.text(r, 1);
        const std::string& group = ard.text(r, 5);
        if (equalsNoCase(group, noGroupChoice) || isBlank(group) ||
            findLibRow(mnemonic, m_state.curveGroups, library) != 0 || countGroupsNamed(m_state.curveGroups, group) == 0)
            continue;
        // Beside the group's first member; a group without members yet gets its first one at the end.
        const int first = firstMemberOf(library, group);
        const int at = first > 0 ? first : library.rowUpper() + 1;
        insertEntry(library, at);
        library(0, at) = group;
        library(1, at) = mnemonic;
        library(2, at) = ard.text(r, 4);
    }
    m_libraryChanged = true;
    showMembers(crd, 3, false);
    refill(crd);
}

void LibraryEditor::onTab()
{
    if (tabb.currentTab() == libPage::addFrom)
        but(2).setEnabled(ard.rows() > 1);
}

void LibraryEditor::fileMenuOpened() { fileAddCurrent.setEnabled(core::fileExists(m_state.currentLASFile)); }

void LibraryEditor::openLas(const std::string& path)
{
    if (path.empty() || !openLASLibAdd(path))
        return;
    tabb.setCurrentTab(libPage::addFrom);
    if (m_pump && !m_state.quietMode)
        m_pump->doEvents();
    ard.setTag("LAS Channels from :" + path);
    but(2).setEnabled(true);
}

void LibraryEditor::openListing(int entry)
{
    const MnemonicListing& listing = m_listings[std::size_t(entry)];
    // An entry without a page has nothing to open.
    if (listing.address.empty())
        return;
    const std::string question = "Open the " + listing.company + " mnenonics web page (" + listing.address +
                                 ") to generate a listing of all mnemonics? ";
    if (m_dialogs.msgBox(question, platform::MsgStyle::YesNo + platform::MsgStyle::Question, "Please Confirm") !=
        platform::MsgResult::Yes)
        return;
    if (m_openDocument)
        m_openDocument(listing.address);
}

} // namespace corvalet::functions
