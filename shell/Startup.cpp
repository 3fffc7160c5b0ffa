#include "shell/Startup.h"

#include "core/FileUtils.h"
#include "core/HeaderLines.h"
#include "platform/Fields.h"
#include "platform/LineReader.h"
#include "platform/Numbers.h"
#include "platform/Text.h"
#include "shell/App.h"

#include <algorithm>
#include <array>
#include <exception>
#include <functional>
#include <system_error>

namespace corvalet::shell {

namespace fs = std::filesystem;
using platform::leadingNumber;
using platform::roundHalfEven;

namespace {

// Settings are read by many steps that must not stop one another: a step that fails is skipped.
void guarded(const std::function<void()>& step)
{
    try {
        step();
    } catch (const std::exception&) {
    }
}

// The header-layout positions were 16-bit integers; anything outside that range, and any
// position that is not positive, is as unusable as a missing field.
int layoutNumber(std::string_view field)
{
    const double value = leadingNumber(field);
    if (!(value > 0) || value > 32767)
        return 0;
    return static_cast<int>(roundHalfEven(value));
}

int settingInteger(std::string_view text)
{
    const double value = leadingNumber(text);
    if (!(value >= -2147483648.0 && value <= 2147483647.0))
        return 0;
    return static_cast<int>(roundHalfEven(value));
}

bool isFile(const fs::path& path) { return core::fileExists(path.string()); }

} // namespace

std::string readSetting(const platform::Settings& settings, std::string_view key, std::string_view defaultValue)
{
    return settings.getSetting(settingsApplication, settingsSection, std::string(key), std::string(defaultValue));
}

void saveSetting(platform::Settings& settings, std::string_view key, const std::string& value)
{
    settings.saveSetting(settingsApplication, settingsSection, std::string(key), value);
}

std::string readFileExt(const platform::Settings& settings)
{
    std::string ext = readSetting(settings, key::fileExt, defaults::fileExt);
    return ext.empty() ? std::string(defaults::fileExt) : ext;
}

double readPricePerCurveFoot(const platform::Settings& settings)
{
    const double rate = leadingNumber(readSetting(settings, key::pricePerCurveFoot, defaults::pricePerCurveFoot));
    return rate == 0 ? leadingNumber(defaults::pricePerCurveFoot) : rate;
}

int readGridFontWidth(const platform::Settings& settings, const core::AppState& state)
{
    return settingInteger(readSetting(settings, key::gridFontWidth, platform::numberText(state.gridColWidth)));
}

std::string readListingFile(const platform::Settings& settings, const core::AppState& state)
{
    std::string file = readSetting(settings, key::listingFile, state.listingFile);
    if (file.empty())
        file = core::changeExtension(state.currentLASFile, "txt");
    return file;
}

std::string defaultCheckerPath(const fs::path& programFile)
{
    return (programFile.parent_path() / checkerProgramName).string();
}

std::string defaultViewerPath(const fs::path& programFile)
{
    return (programFile.parent_path() / viewerProgramName).string();
}

std::string defaultSourceFolder(const App& app)
{
    if (auto examples = app.environment("CORVALET_EXAMPLES"); examples && !examples->empty())
        return *examples;
    const fs::path& data = app.folders().dataFolder();
    for (const fs::path& candidate : {data / "examples", data.parent_path() / "examples"}) {
        std::error_code ec;
        if (!data.empty() && fs::is_directory(candidate, ec))
            return candidate.lexically_normal().string();
    }
    return app.folders().userFolderPath().string();
}

std::string chooseLibraryFile(const platform::ProgramFolders& folders, std::string_view kind)
{
    const std::string local = std::string(kind) + "_CV.ini";
    const std::string standard = std::string(kind) + ".ini";
    for (const std::string& name : {local, standard}) {
        const fs::path user = folders.userFolderPath() / name;
        if (isFile(user))
            return user.string();
        const fs::path shipped = folders.dataFile(name);
        if (!isFile(shipped))
            continue;
        try {
            const fs::path copy = folders.userFile(name); // creates the per-user folder
            fs::copy_file(shipped, copy, fs::copy_options::skip_existing);
            if (isFile(copy))
                return copy.string();
        } catch (const std::exception&) {
            // A per-user folder that cannot be written still lets the program read its defaults.
        }
        return shipped.string();
    }
    return {};
}

void chooseLibraryFiles(core::AppState& state, const platform::ProgramFolders& folders)
{
    const std::array<std::pair<const char*, std::string*>, 3> kinds{{
        {"units", &state.unitsIniPath},
        {"para", &state.paraIniPath},
        {"curves", &state.curvesIniPath},
    }};
    for (const auto& [kind, path] : kinds) {
        std::string chosen = chooseLibraryFile(folders, kind);
        if (!chosen.empty())
            *path = std::move(chosen);
    }
}

void parseGridSize(core::AppState& state, std::string_view text)
{
    const platform::Fields fields(text, "|");
    state.uiFontName = std::string(platform::trimBlanks(fields.field(1)));
    if (state.uiFontName.empty())
        state.uiFontName = "Arial";
    state.uiFontSize = static_cast<float>(leadingNumber(fields.field(2)));
    if (!(state.uiFontSize >= 6))
        state.uiFontSize = 6;
    state.uiFontBold = leadingNumber(fields.field(3)) != 0;
    state.gridColWidth = settingInteger(fields.field(4));
    if (state.gridColWidth < 200 && state.gridColWidth != -1)
        state.gridColWidth = 200;
}

void parseFormatDef(core::AppState& state, std::string_view text)
{
    const platform::Fields fields(text, "|");
    struct Position {
        int* value;
        int fallback;
    };
    const std::array<Position, 6> positions{{
        {&state.dotPos, 6},
        {&state.valuePos, 15},
        {&state.colonPos, 50},
        {&state.colonPlusPos, 10},
        {&state.dataWidth, 13},
        {&state.dataDecimals, 5},
    }};
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const int value = layoutNumber(fields.field(static_cast<int>(i) + 1));
        *positions[i].value = value == 0 ? positions[i].fallback : value;
    }
    if (state.dataWidth <= state.dataDecimals) {
        state.dataWidth = 13;
        state.dataDecimals = 5;
    }
}

void parseMatrixDefaults(core::AppState& state, std::string_view text)
{
    const platform::Fields fields(text, "|");
    struct Value {
        std::size_t element;
        float below;
        float fallback;
    };
    // Fluid density; sand, lime and dolomite matrix density; their slownesses in us/ft.
    static constexpr std::array<Value, 7> values{{
        {0, 0.9f, 1.0f},
        {1, 2.5f, 2.65f},
        {2, 2.5f, 2.71f},
        {3, 2.5f, 2.87f},
        {10, 55.0f, 55.5f},
        {11, 47.0f, 47.6f},
        {12, 43.0f, 43.5f},
    }};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const float value = static_cast<float>(leadingNumber(fields.field(static_cast<int>(i) + 1)));
        state.matrixValues[values[i].element] = value < values[i].below ? values[i].fallback : value;
    }
}

void setUnitSystem(core::AppState& state)
{
    if (platform::equalsNoCase(state.country, "Canada")) {
        state.depthUnit = {0.3048, "M"};
        state.densityUnit = {1, "K/M3"};
        state.sonicUnit = {1 / 0.3048, "us/m"};
    } else {
        state.depthUnit = {1, "F"};
        state.densityUnit = {0.001, "G/C3"};
        state.sonicUnit = {1, "us/f"};
    }
}

void startup(App& app)
{
    core::AppState& s = app.state();
    const platform::Settings& settings = app.settings();
    auto read = [&](const char* name, std::string_view fallback = {}) { return readSetting(settings, name, fallback); };

    guarded([&] { chooseLibraryFiles(s, app.folders()); });

    guarded([&] {
        if (s.currentLASFile.empty())
            s.currentLASFile = read(key::lasFile);
        if (!core::fileExists(s.currentLASFile))
            s.currentLASFile.clear();
    });

    guarded([&] {
        // A first start browses the example wells; the per-user folder is the program folder.
        s.inDir = read(key::inDir, defaultSourceFolder(app));
        // Every user of outDir joins a file name to it, so it always ends in a separator.
        s.outDir = core::addBackslash(read(key::outDir, app.folders().userFolderPath().string()));
    });

    guarded([&] { parseGridSize(s, read(key::gridSize, defaults::gridSize)); });

    guarded([&] {
        std::vector<ToolState> tools{
            {toolCertAfter, key::certAfter, settingInteger(read(key::certAfter, defaults::toolState))},
            {toolEditAfter, key::editAfter, settingInteger(read(key::editAfter, defaults::toolState))},
            {toolMultiple, key::multButState, settingInteger(read(key::multButState, defaults::toolState))},
            {toolViewAfter, key::viewAfter, settingInteger(read(key::viewAfter, defaults::viewAfter))},
        };
        app.setToolStates(std::move(tools));
    });

    guarded([&] {
        s.country = read(key::country, defaults::country);
        setUnitSystem(s);
    });

    guarded([&] {
        s.log_prog = read(key::logProg, defaultViewerPath(app.services().programFile));
        s.cert_prog = read(key::certProg, defaultCheckerPath(app.services().programFile));
    });

    guarded([&] { parseFormatDef(s, read(key::formatDef, defaults::formatDef)); });
    guarded([&] { parseMatrixDefaults(s, read(key::mdenDef, defaults::mdenDef)); });

    guarded([&] {
        s.poro_units = read(key::poroUnits, defaults::poroUnits);
        if (s.poro_units.empty())
            s.poro_units = "V/V";
    });

    guarded([&] {
        s.fillCVal = settingInteger(read(key::fillCVal, defaults::flag)) != 0;
        s.fillCDESC = settingInteger(read(key::fillCDesc, defaults::flag)) != 0;
        s.headComF = settingInteger(read(key::headComF, defaults::flag)) != 0;
    });

    // "listDefs" seeds the listing selection; the selection the user saved last ("listdef")
    // is kept unless there is a seed to replace it with.
    guarded([&] {
        const std::string seed = read(key::listDefs);
        if (!seed.empty())
            saveSetting(app.settings(), key::listDef, seed);
    });
}

bool loadParaIni(core::AppState& state, platform::Dialogs& dialogs)
{
    if (!core::fileExists(state.paraIniPath)) {
        dialogs.notify(paraMissingText, platform::MsgStyle::OkOnly + platform::MsgStyle::Exclamation,
                       paraMissingTitle);
        return false;
    }
    platform::LineReader reader;
    if (!reader.open(state.paraIniPath))
        return true;
    try {
        platform::Line line;
        core::HeaderParts parts;
        while (reader.next(line)) {
            std::string text = platform::toUpper(platform::trimBlanks(line.text));
            if (text.empty() || text.front() == '#')
                continue;
            if (!core::splitHeaderLine(text, parts))
                continue;
            const int row = state.paraTable.rowUpper() + 1;
            state.paraTable.redimPreserve(row);
            std::string description = parts[3];
            if (const std::size_t bar = description.find('|'); bar != std::string::npos) {
                state.paraTable(4, row) = parts[0] + " " + description.substr(bar + 1);
                description.erase(bar);
            }
            state.paraTable(0, row) = parts[0];
            state.paraTable(1, row) = parts[1];
            state.paraTable(2, row) = parts[2];
            state.paraTable(3, row) = description;
        }
    } catch (const std::exception&) {
        // The rows read so far stay.
    }
    reader.close();
    return true;
}

core::FontSettings sharedFont(const core::AppState& state)
{
    return {state.uiFontName, state.uiFontSize, state.uiFontBold};
}

bool chooseGridFont(App& app)
{
    core::AppState& s = app.state();
    platform::FontChoice font{s.uiFontName, s.uiFontSize, s.uiFontBold};
    try {
        if (!app.dialogs().chooseFont(font))
            return false;
    } catch (const std::exception&) {
        return false;
    }
    s.uiFontName = font.name;
    s.uiFontSize = static_cast<float>(font.size);
    s.uiFontBold = font.bold;
    saveSetting(app.settings(), key::gridSize,
                s.uiFontName + "|" + platform::formatMask(s.uiFontSize, "0.00") + "|" +
                    platform::formatMask(s.uiFontBold ? -1 : 0, "0") + "|" + platform::numberText(s.gridColWidth));
    return true;
}

void applyGridFonts(platform::Window& window, const core::AppState& state)
{
    core::applyGridFonts(window, sharedFont(state));
}

void initFormCommon(platform::Window& window, const platform::Window& flash, const core::AppState& state,
                    const platform::WindowHost& host)
{
    window.setKeyPreview(true);
    core::applyFontToControls(window, sharedFont(state));
    core::positionForm(window, flash, host);
}

void unloadOtherForms(platform::WindowHost& host, std::string_view keep)
{
    std::vector<const platform::Window*> refused;
    auto stays = [&](const platform::Window& window) {
        const std::string& tag = window.name();
        if (platform::equalsNoCase(tag, "mdi") || platform::equalsNoCase(tag, "main"))
            return true;
        if (platform::containsNoCase(keep, tag)) // an empty name always occurs
            return true;
        return std::find(refused.begin(), refused.end(), &window) != refused.end();
    };
    for (bool unloaded = true; unloaded;) {
        unloaded = false;
        for (platform::Window* window : host.loadedWindows()) {
            if (stays(*window))
                continue;
            if (!host.unload(*window))
                refused.push_back(window);
            unloaded = true; // the list changed (or a refusal was noted): walk it again
            break;
        }
    }
}

} // namespace corvalet::shell
