#include "manipulate/SettingsGrid.h"

#include "core/AppState.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <algorithm>
#include <string>

namespace corvalet::manipulate {

using platform::CheckState;
using platform::Grid;

namespace {

constexpr const char* kSettingsApplication = "Corvalet";
constexpr const char* kSettingsSection = "Startup";
constexpr int kInputSlots = 4;

// Labels of column 0 by row; rows 17 and 23 have none.
constexpr std::array<const char*, kPrdRows> kLabels{
    "Item",
    "From",
    "To",
    "Sample Rate",
    "Depth Units",
    "Depth Offset",
    "Direction",
    "WRAP",
    "VERS",
    "Null",
    "Header File",
    "Format: Dot @",
    "Value @",
    "Colon @",
    "+ in Well  @",
    "Data Width",
    "Data # decimals",
    "",
    "Processing Options",
    "Apply TVD",
    "Null Fill",
    "Rename Duplicates?",
    "Parsing Options",
    "",
    "Divide File",
    "Fill Empty VALU and DESC",
    "Merge ~P sections",
    "Make into Plain Ascii",
    "Keep Input Details",
    "Apply KVZ Filter",
};

CheckState checkedIf(bool on) { return on ? CheckState::Checked : CheckState::Unchecked; }

bool slotUsed(const core::AppState& state, int slot) { return !state.fileInfo[std::size_t(slot)].filePath.empty(); }

// "1" and "2" are the two check states; anything else (a non-number reads as 0) keeps the row
// checked.
CheckState storedRenameDups(const platform::Settings& settings)
{
    const double value =
        platform::leadingNumber(settings.getSetting(kSettingsApplication, kSettingsSection, kRenameDupsKey, "1"));
    if (value == 2)
        return CheckState::Unchecked;
    return CheckState::Checked;
}

void shadeAppearance(Grid& prd)
{
    prd.setRangeBold(prdRow::Heading, 0, prdRow::Heading, kPrdCols - 1, true);
    prd.setRangeBold(prdRow::ProcessingOptions, 0, prdRow::ProcessingOptions, kPrdCols - 1, true);
    prd.setRangeBackColor(prdRow::ProcessingOptions, kPrdSettingCol, prdRow::ProcessingOptions, kPrdOptionCol,
                          kShadeColor);
    for (int r = 1; r < kPrdRows; ++r) {
        // The rows whose column 2 carries an option keep the normal background there.
        const bool hasOption = r == prdRow::From || r == prdRow::To || r == prdRow::HeaderFile ||
                               r == prdRow::FormatDot || r == prdRow::FilterFile;
        if (!hasOption)
            prd.setBackColor(r, kPrdOptionCol, kShadeColor);
    }
    prd.setRangeBackColor(1, kPrdExtraCol, prdRow::PlainAscii, kPrdExtraCol, kShadeColor);
}

std::string joinSampleRates()
{
    std::string list;
    for (const SampleRateChoice& choice : kSampleRateChoices) {
        if (!list.empty())
            list += '|';
        list += choice.text;
    }
    return list;
}

std::string usedSlotPaths(const core::AppState& state)
{
    std::string list;
    for (int k = 0; k < kInputSlots; ++k) {
        if (!slotUsed(state, k))
            continue;
        if (!list.empty())
            list += '|';
        list += state.fileInfo[std::size_t(k)].filePath;
    }
    return list;
}

std::string formatSources(const core::AppState& state)
{
    std::string list = "User|";
    for (int k = 0; k < kInputSlots; ++k)
        if (slotUsed(state, k))
            list += "File " + std::to_string(k + 1) + "|";
    return list;
}

std::string settingColumnList(const core::AppState& state, int row)
{
    switch (row) {
    case prdRow::SampleRate: return joinSampleRates();
    case prdRow::DepthUnits: return "F|M|FT";
    case prdRow::Direction: return "Deep to Shallow|Shallow to Deep";
    case prdRow::Wrap: return "No|Yes";
    case prdRow::Vers: return "1.2|2.0";
    // The leading "|" makes the list editable: any null value may be typed.
    case prdRow::Null: return "|-999.25|-99999";
    case prdRow::HeaderFile: return usedSlotPaths(state);
    case prdRow::NullFill: return "None|Linear|Flat Top";
    case prdRow::ParsingOptions: return "Auto (preferred)|Column width of:";
    case prdRow::FilterFile: return "...";
    case prdRow::DivideFile: return "None|By Depth|By Curve";
    default: return {};
    }
}

// The format setting a header-format row feeds.
int* formatSetting(core::AppState& state, int row)
{
    switch (row) {
    case prdRow::FormatDot: return &state.dotPos;
    case prdRow::FormatValue: return &state.valuePos;
    case prdRow::FormatColon: return &state.colonPos;
    case prdRow::FormatColonPlus: return &state.colonPlusPos;
    case prdRow::DataWidth: return &state.dataWidth;
    case prdRow::DataDecimals: return &state.dataDecimals;
    default: return nullptr;
    }
}

// The typed number as a whole column count; a number beyond any line length is held at a bound
// instead of overflowing.
int typedPosition(const std::string& text)
{
    const double value = std::clamp(platform::leadingNumber(text), -1.0e6, 1.0e6);
    return int(platform::roundHalfEven(value));
}

// The run writes its headers and data with the format settings, not with the grid's text, so an
// edit takes effect there. A data width and decimals that cannot make a column (no width, or no
// room left for the integer digits) are refused: the cell shows the setting still in force.
void takeFormatSetting(Grid& prd, core::AppState& state, int row)
{
    int* setting = formatSetting(state, row);
    if (!setting)
        return;
    const int typed = typedPosition(prd.text(row, kPrdSettingCol));
    if (row == prdRow::DataWidth || row == prdRow::DataDecimals) {
        const int width = row == prdRow::DataWidth ? typed : state.dataWidth;
        const int decimals = row == prdRow::DataDecimals ? typed : state.dataDecimals;
        if (width < 1 || decimals < 0 || width <= decimals) {
            prd.setText(row, kPrdSettingCol, std::to_string(*setting));
            return;
        }
    }
    *setting = typed;
}

} // namespace

std::string_view sampleRateInches(std::string_view text)
{
    for (const SampleRateChoice& choice : kSampleRateChoices)
        if (choice.text == text)
            return choice.inches;
    return {};
}

double parseSampleRate(std::string_view text, std::string_view depthUnit)
{
    const std::size_t f = text.find_first_of("fF");
    if (f == std::string_view::npos)
        return platform::leadingNumber(text);
    const std::string unit = platform::toUpper(platform::trimBlanks(depthUnit));
    const bool metres = !unit.empty() && unit.find('F') == std::string::npos;
    if (metres) {
        if (const std::size_t open = text.find('(', f); open != std::string_view::npos)
            return platform::leadingNumber(text.substr(open + 1));
    }
    // The number token that ends just before the "f".
    std::size_t end = f;
    while (end > 0 && text[end - 1] == ' ')
        --end;
    std::size_t begin = end;
    while (begin > 0 && std::string_view("0123456789.+-eE").find(text[begin - 1]) != std::string_view::npos)
        --begin;
    const double feet = platform::leadingNumber(text.substr(begin, end - begin));
    return metres ? feet * 0.3048 : feet;
}

void fillPrd(Grid& prd, const core::AppState& state, const platform::Settings& settings)
{
    const bool wasRedraw = prd.redraw();
    prd.setRedraw(false);
    prd.clearAll();
    prd.setRows(kPrdRows);
    prd.setCols(kPrdCols);
    prd.setFixedRows(1);
    prd.setFixedCols(1);
    for (int r = 0; r < kPrdRows; ++r)
        prd.setRowHidden(r, false);

    for (int r = 0; r < kPrdRows; ++r)
        prd.setText(r, kPrdLabelCol, kLabels[std::size_t(r)]);
    prd.setText(prdRow::Heading, kPrdSettingCol, "Setting");
    prd.setText(prdRow::Heading, kPrdOptionCol, "Options");

    prd.setText(prdRow::FormatDot, kPrdOptionCol, "User");
    prd.setText(prdRow::NullFill, kPrdSettingCol, "None");
    prd.setText(prdRow::ParsingOptions, kPrdSettingCol, "Auto (preferred)");
    prd.setText(prdRow::DivideFile, kPrdSettingCol, "None");

    prd.setCheckState(prdRow::ApplyTvd, kPrdSettingCol, CheckState::Unchecked);
    prd.setCheckState(prdRow::RenameDuplicates, kPrdSettingCol, storedRenameDups(settings));
    prd.setCheckState(prdRow::FillEmptyValDesc, kPrdSettingCol, checkedIf(state.fillCVal || state.fillCDESC));
    prd.setCheckState(prdRow::MergeParameters, kPrdSettingCol, checkedIf(slotUsed(state, 1)));
    for (int r : {prdRow::PlainAscii, prdRow::KeepInputDetails, prdRow::ApplyKvzFilter})
        prd.setCheckState(r, kPrdSettingCol, CheckState::Unchecked);

    prd.setRowHidden(prdRow::FilterFile, true);
    shadeAppearance(prd);
    prd.autoSizeCols(0, kPrdCols - 1, 100);
    prd.setRedraw(wasRedraw);
}

void checkFormatSpec(Grid& prd, const core::AppState& state)
{
    prd.setRangeBackColor(prdRow::FormatDot, kPrdSettingCol, prdRow::DataDecimals, kPrdSettingCol, kWhite);
    const int dot = state.dotPos, value = state.valuePos, colon = state.colonPos;
    struct Rule {
        bool applies;
        int row;
        platform::Color color;
    };
    // In this order: the first rule that applies decides, so a warning never hides an error.
    const Rule rules[] = {
        {dot < 1, prdRow::FormatDot, kFormatErrorColor},
        {value < 1, prdRow::FormatValue, kFormatErrorColor},
        {colon < 1, prdRow::FormatColon, kFormatErrorColor},
        {value < dot + 2, prdRow::FormatValue, kFormatErrorColor},
        {colon < value + 2, prdRow::FormatColon, kFormatErrorColor},
        {dot < 5, prdRow::FormatDot, kFormatWarningColor},
        {value < 7, prdRow::FormatValue, kFormatWarningColor},
        {colon < 9, prdRow::FormatColon, kFormatWarningColor},
    };
    for (const Rule& rule : rules) {
        if (rule.applies) {
            prd.setBackColor(rule.row, kPrdSettingCol, rule.color);
            return;
        }
    }
}

std::string prdChoiceList(const Grid& prd, const core::AppState& state, int row, int col)
{
    if (col == kPrdSettingCol)
        return settingColumnList(state, row);
    const bool plainAscii = prd.checkState(prdRow::PlainAscii, kPrdSettingCol) == CheckState::Checked;
    if (col == kPrdOptionCol) {
        if (row == prdRow::From || row == prdRow::To)
            return "Min|Max|Fit";
        if (row == prdRow::FormatDot)
            return formatSources(state);
        if (row == prdRow::PlainAscii && plainAscii)
            return "No Header|MNEM|MNEM.UNIT|One line each";
    }
    if (col == kPrdExtraCol && row == prdRow::PlainAscii && plainAscii)
        return "Space|Tab|Comma";
    return {};
}

void prdBeforeEdit(Grid& prd, const core::AppState& state, int row, int col)
{
    prd.setEditList(prdChoiceList(prd, state, row, col));
}

void prdAfterEdit(Grid& prd, core::AppState& state, platform::Settings& settings, int row, int col)
{
    if (row >= prdRow::FormatDot && row <= prdRow::DataDecimals) {
        if (col == kPrdSettingCol)
            takeFormatSetting(prd, state, row);
        checkFormatSpec(prd, state);
    } else if (row == prdRow::RenameDuplicates && col == kPrdSettingCol) {
        const bool checked = prd.checkState(row, col) == CheckState::Checked;
        settings.saveSetting(kSettingsApplication, kSettingsSection, kRenameDupsKey, checked ? "1" : "2");
    }
}

std::vector<platform::Connection> connectSettingsGrid(Grid& prd, core::AppState& state, platform::Settings& settings)
{
    std::vector<platform::Connection> links;
    links.push_back(
        prd.beforeEdit.connect([&prd, &state](int row, int col, bool&) { prdBeforeEdit(prd, state, row, col); }));
    links.push_back(prd.afterEdit.connect(
        [&prd, &state, &settings](int row, int col) { prdAfterEdit(prd, state, settings, row, col); }));
    return links;
}

} // namespace corvalet::manipulate
