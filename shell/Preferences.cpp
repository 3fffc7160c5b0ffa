#include "shell/Preferences.h"

#include "core/FileUtils.h"
#include "core/TextUtils.h"
#include "core/WindowHelpers.h"
#include "platform/FileDialogs.h"
#include "platform/Numbers.h"
#include "platform/Text.h"
#include "shell/App.h"
#include "shell/Startup.h"

#include <array>
#include <cmath>
#include <exception>

namespace corvalet::shell {

namespace row = prefsRow;
using platform::equalsNoCase;
using platform::formatMask;

namespace {

constexpr int kLabel = 0;
constexpr int kValue = 1;

// The labels keep their blanks exactly: the density rows 9 to 11 have two before "(G/C3)".
constexpr std::array<const char*, row::count> labels{
    "",
    "Country",
    "Fill empty VALUE field in ~Curve",
    "Fill empty DESC field in ~Curve",
    "Fix illegal lines by adding #",
    "Do Quick Check as files are selected",
    "Path to Vettrix.exe",
    "Path to LAS viewer like Plotvane",
    "Sand Density (G/C3)",
    "Lime Density  (G/C3)",
    "Dolo Density  (G/C3)",
    "Fluid Density  (G/C3)",
    "Sand Slowness ",
    "Lime Slowness ",
    "Dolo Slowness ",
    "Default Porosity units",
    "Dot Position",
    "Value Position",
    "Colon Position",
    "Colon + Position",
    "Data Column Width",
    "Data # Decimals",
};

// The matrixValues element shown in each density and slowness row, rows 8 to 14.
constexpr std::array<std::size_t, 7> matrixElementOfRow{1, 2, 3, 0, 10, 11, 12};
// The elements "mdenDef" holds, in its order.
constexpr std::array<std::size_t, 7> mdenDefElements{0, 1, 2, 3, 10, 11, 12};

bool isDensityOrSlowness(int r) { return r >= row::sandDensity && r <= row::doloSlowness; }
bool isSlowness(int r) { return r >= row::sandSlowness && r <= row::doloSlowness; }
bool isLayoutInteger(int r) { return r >= row::dotPos && r <= row::dataDecimals; }
bool isYesNo(int r) { return r >= row::fillCVal && r <= row::quickCheck; }

// The value of a typed cell; text that is no number (or one too large to hold) counts as 0.
double cellNumber(const std::string& text)
{
    const double value = platform::leadingNumber(text);
    return std::isfinite(value) ? value : 0.0;
}

std::string yesNo(bool on) { return on ? "Yes" : "No"; }

// Bar-joined settings text, one field at a time.
void appendField(std::string& joined, const std::string& field)
{
    if (!joined.empty())
        joined += '|';
    joined += field;
}

} // namespace

Preferences::Preferences(core::AppState& state, platform::Settings& settings, platform::Dialogs& dialogs,
                         platform::WindowHost* host, platform::PointerDisplay* pointer)
    : platform::Window("prefs", prefsCaption), m_state(state), m_settings(settings), m_dialogs(dialogs),
      m_host(host), m_pointer(pointer)
{
    addControl(m_prd);
    addControl(m_exit);
    addControl(m_cancel);
    // Room for the two columns and every row without scrolling.
    move(0, 0, 9600, 8400);
    m_exit.setCaption("E&xit");
    m_cancel.setCaption("&Cancel");

    m_connections.push_back(load.connect([this] { onLoad(); }));
    m_connections.push_back(m_prd.beforeEdit.connect([this](int r, int c, bool&) { onBeforeEdit(r, c); }));
    m_connections.push_back(m_prd.keyPressEdit.connect([this](int r, int c, int& key) { onKeyPressEdit(r, c, key); }));
    m_connections.push_back(m_prd.cellButtonClick.connect([this](int r, int c) { onCellButton(r, c); }));
    m_connections.push_back(m_prd.changeEdit.connect([this](int r, int c) { onChangeEdit(r, c); }));
    m_connections.push_back(m_prd.dblClick.connect([this] { onDblClick(); }));
    m_connections.push_back(m_exit.click.connect([this] { onButton(0); }));
    m_connections.push_back(m_cancel.click.connect([this] { onButton(1); }));
}

Preferences::Preferences(App& app)
    : Preferences(app.state(), app.settings(), app.dialogs(), app.services().host, app.services().pointer)
{
}

void Preferences::onLoad()
{
    m_loadedCountry = m_state.country;
    applyGridFonts(*this, m_state);
    setupPrd();
}

void Preferences::setupPrd()
{
    platform::Grid& g = m_prd;
    g.setEditable(false);
    g.setRedraw(false);
    g.setCols(2);
    g.setRows(row::count);

    const std::string& sonicText = m_state.sonicUnit.unit;
    for (int r = 0; r < row::count; ++r)
        g.setText(r, kLabel, isSlowness(r) ? labels[std::size_t(r)] + sonicText : labels[std::size_t(r)]);
    g.setText(0, kValue, "Value");

    // A unit system that was never set (factor 0) shows and stores the slownesses in us/ft.
    const double sonic = m_state.sonicUnit.factor > 0 ? m_state.sonicUnit.factor : 1.0;
    g.setText(row::country, kValue, m_state.country);
    g.setText(row::fillCVal, kValue, yesNo(m_state.fillCVal));
    g.setText(row::fillCDesc, kValue, yesNo(m_state.fillCDESC));
    g.setText(row::headComF, kValue, yesNo(m_state.headComF));
    g.setText(row::quickCheck, kValue, "");
    g.setText(row::certProg, kValue, m_state.cert_prog);
    g.setText(row::logProg, kValue, m_state.log_prog);
    for (int r = row::sandDensity; r <= row::doloSlowness; ++r) {
        const double value = m_state.matrixValues[matrixElementOfRow[std::size_t(r - row::sandDensity)]];
        g.setText(r, kValue, formatMask(isSlowness(r) ? value * sonic : value, "0.00"));
    }
    g.setText(row::poroUnits, kValue, m_state.poro_units);
    const std::array<int, 6> layout{m_state.dotPos,   m_state.valuePos,  m_state.colonPos,
                                    m_state.colonPlusPos, m_state.dataWidth, m_state.dataDecimals};
    for (int i = 0; i < 6; ++i)
        g.setText(row::dotPos + i, kValue, platform::plainText(layout[std::size_t(i)]));

    // Numbers, words and paths read best in one column when they all start at its left edge.
    g.setColAlignment(kValue, platform::Align::LeftCenter);
    g.setRowHidden(row::quickCheck, true);
    g.autoSizeCols(kLabel, kValue);
    g.setRedraw(true);
    g.setEditable(true);
}

void Preferences::onBeforeEdit(int r, int)
{
    m_prd.setEditList("");
    if (r == row::country)
        m_prd.setEditList("Canada|Other");
    else if (isYesNo(r))
        m_prd.setEditList("Yes|No");
    else if (r == row::certProg || r == row::logProg)
        m_prd.setEditList("...");
    else if (r == row::poroUnits)
        m_prd.setEditList("V/V|PU");
}

void Preferences::onKeyPressEdit(int r, int c, int& key)
{
    if (c != kValue)
        return;
    if (r >= row::country && r <= row::logProg)
        key = 0; // lists, buttons and double clicks set these values
    else if (isDensityOrSlowness(r))
        key = core::filterKeyAscii(key, 0);
    else if (r == row::poroUnits)
        key = core::filterKeyAscii(key, 4);
    else if (isLayoutInteger(r))
        key = core::filterKeyAscii(key, 8);
}

void Preferences::onCellButton(int r, int)
{
    if (r != row::certProg && r != row::logProg)
        return;
    const bool checker = r == row::certProg;
    const std::string& current = checker ? m_state.cert_prog : m_state.log_prog;
    std::string extension = "exe";
    std::string folder = core::folderOfPath(current);
    const std::string proposed = checker ? core::fileNameOfPath(current) : current;
    const std::string chosen = platform::getFileName(m_dialogs, platform::FileMode::OpenProgram, extension,
                                                     checker ? certProgTitle : logProgTitle, folder, proposed);
    if (chosen.empty())
        return;
    if (!checker)
        m_state.log_prog = chosen;
    m_prd.setText(r, kValue, chosen);
}

void Preferences::onChangeEdit(int r, int c)
{
    if (r != row::country || c != kValue)
        return;
    m_prd.setText(r, c, m_prd.editText());
    applyCountryCell();
}

void Preferences::applyCountryCell()
{
    m_state.country = equalsNoCase(m_prd.text(row::country, kValue), "Canada") ? "Canada" : "Other";
    setUnitSystem(m_state);
    setupPrd();
}

void Preferences::onDblClick()
{
    const int r = m_prd.row();
    if (m_prd.col() != kValue || r < m_prd.fixedRows())
        return;
    const std::string& text = m_prd.text(r, kValue);
    if (r == row::country) {
        m_prd.setText(r, kValue, equalsNoCase(text, "Canada") ? "Other" : "Canada");
        applyCountryCell();
    } else if (isYesNo(r)) {
        m_prd.setText(r, kValue, equalsNoCase(text, "Yes") ? "No" : "Yes");
    } else if (r == row::poroUnits) {
        m_prd.setText(r, kValue, equalsNoCase(text, "V/V") ? "PU" : "V/V");
    } else if (r != row::certProg && r != row::logProg) {
        m_prd.editCell();
    }
}

void Preferences::savePRD()
{
    const platform::Grid& g = m_prd;
    auto cell = [&](int r) -> const std::string& { return g.text(r, kValue); };

    m_state.country = cell(row::country);
    saveSetting(m_settings, key::country, m_state.country);
    setUnitSystem(m_state);

    m_state.fillCVal = equalsNoCase(cell(row::fillCVal), "Yes");
    m_state.fillCDESC = equalsNoCase(cell(row::fillCDesc), "Yes");
    m_state.headComF = equalsNoCase(cell(row::headComF), "Yes");
    saveSetting(m_settings, key::fillCVal, platform::numberText(m_state.fillCVal ? -1 : 0));
    saveSetting(m_settings, key::fillCDesc, platform::numberText(m_state.fillCDESC ? -1 : 0));
    saveSetting(m_settings, key::headComF, formatMask(m_state.headComF ? -1 : 0, "0"));

    m_state.cert_prog = cell(row::certProg);
    m_state.log_prog = cell(row::logProg);
    saveSetting(m_settings, key::certProg, m_state.cert_prog);
    saveSetting(m_settings, key::logProg, m_state.log_prog);

    const double sonic = m_state.sonicUnit.factor > 0 ? m_state.sonicUnit.factor : 1.0;
    // The grid shows two decimals in the current unit: a cell the user left as shown keeps the
    // value behind it, so storing in us/m does not turn 55.5 us/ft into 55.501.
    std::array<double, 13> typed{};
    for (int r = row::sandDensity; r <= row::doloSlowness; ++r) {
        const std::size_t element = matrixElementOfRow[std::size_t(r - row::sandDensity)];
        const double held = m_state.matrixValues[element];
        if (cell(r) == formatMask(isSlowness(r) ? held * sonic : held, "0.00")) {
            typed[element] = held;
            continue;
        }
        const double value = cellNumber(cell(r));
        typed[element] = isSlowness(r) ? value / sonic : value;
    }
    // The densities and slownesses go through start-up's own reading of "mdenDef", so values it
    // would replace at the next start are replaced now, before the porosity conversions use them.
    std::string mdenDef;
    for (std::size_t element : mdenDefElements)
        appendField(mdenDef, formatMask(typed[element], "0.000"));
    parseMatrixDefaults(m_state, mdenDef);
    // A fluid as dense as a matrix makes the density porosity a division by zero.
    auto asStored = [&](std::size_t element) { return formatMask(m_state.matrixValues[element], "0.000"); };
    for (std::size_t matrix : {1u, 2u, 3u})
        if (asStored(0) == asStored(matrix))
            m_state.matrixValues[0] = 1.0f;
    mdenDef.clear();
    for (std::size_t element : mdenDefElements)
        appendField(mdenDef, asStored(element));
    saveSetting(m_settings, key::mdenDef, mdenDef);

    m_state.poro_units = cell(row::poroUnits);
    saveSetting(m_settings, key::poroUnits, m_state.poro_units);
    if (m_state.poro_units.empty())
        m_state.poro_units = "V/V";

    // The header layout likewise takes start-up's fallbacks (a width of 0, decimals not below
    // the width), and the store gets the values in force.
    std::string formatDef;
    for (int r = row::dotPos; r <= row::dataDecimals; ++r) {
        double value = cellNumber(cell(r));
        if (std::fabs(value) > 1e9)
            value = 0;
        appendField(formatDef, platform::numberText(double(platform::roundHalfEven(value))));
    }
    parseFormatDef(m_state, formatDef);
    formatDef.clear();
    for (int value : {m_state.dotPos, m_state.valuePos, m_state.colonPos, m_state.colonPlusPos, m_state.dataWidth,
                      m_state.dataDecimals})
        appendField(formatDef, platform::numberText(value));
    saveSetting(m_settings, key::formatDef, formatDef);
}

void Preferences::onButton(int index)
{
    try {
        if (index == 0) {
            // A value still in the cell editor is part of what the user stores.
            if (m_prd.isEditing())
                m_prd.commitEdit();
            savePRD();
        } else {
            m_state.country = m_loadedCountry;
            setUnitSystem(m_state);
        }
        close();
    } catch (const std::exception&) {
        if (m_pointer)
            core::setMousePointer(*m_pointer, core::kPointerDefault);
    }
}

int Preferences::keyDown(int keyCode, int)
{
    if (keyCode != platform::keys::Escape)
        return keyCode;
    close();
    return 0;
}

void Preferences::close()
{
    m_prd.cancelEdit();
    if (m_host)
        m_host->unload(*this);
}

} // namespace corvalet::shell
