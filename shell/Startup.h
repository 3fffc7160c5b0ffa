#pragma once
// The program's persistent settings (application "Corvalet", section "Startup") and what start-up
// makes of them: the shared settings of the run, the unit system, the choice of the library
// files, the standard-parameter table, and the small routines every window runs when it loads.
#include "core/AppState.h"
#include "core/WindowHelpers.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolders.h"
#include "platform/Settings.h"
#include "platform/Window.h"
#include "platform/WindowHost.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace corvalet::shell {

class App;

inline constexpr const char* settingsApplication = "Corvalet";
inline constexpr const char* settingsSection = "Startup";

// Every key of the section. The store compares keys without regard to case, so a writer that
// spells one differently ("fillcval") reaches the same value.
namespace key {
inline constexpr const char* lasFile = "lasfile";
inline constexpr const char* inDir = "inDir";
inline constexpr const char* outDir = "outDir";
inline constexpr const char* fileExt = "fileExt";
inline constexpr const char* gridSize = "gridSize";
inline constexpr const char* gridFontWidth = "gridFontWidth";
inline constexpr const char* certAfter = "certafter";
inline constexpr const char* editAfter = "editafter";
inline constexpr const char* viewAfter = "viewafter";
inline constexpr const char* multButState = "multButState";
inline constexpr const char* country = "country";
inline constexpr const char* logProg = "log_prog";
inline constexpr const char* certProg = "cert_prog";
inline constexpr const char* formatDef = "formatdef";
inline constexpr const char* mdenDef = "mdenDef";
inline constexpr const char* poroUnits = "poro_units";
inline constexpr const char* fillCVal = "fillCVal";
inline constexpr const char* fillCDesc = "fillCDESC";
inline constexpr const char* headComF = "headComF";
inline constexpr const char* listDefs = "listDefs";
inline constexpr const char* listDef = "listdef";
inline constexpr const char* listingFile = "mwLFile";
inline constexpr const char* filterFile = "filFile";
inline constexpr const char* renameDups = "renamedups";
inline constexpr const char* tvdFile = "tvdFile";
inline constexpr const char* pricePerCurveFoot = "pricepercurvefoot";
inline constexpr const char* minPrice = "minPrice";
inline constexpr const char* funLstIndex = "funLstIndex";
inline constexpr const char* crPoro = "CRPORO";
} // namespace key

// Defaults of the keys whose default is a fixed text.
namespace defaults {
inline constexpr const char* fileExt = "las";
inline constexpr const char* gridSize = "Arial|10|0|800";
inline constexpr const char* toolState = "1";        // certafter, editafter, multButState
inline constexpr const char* viewAfter = "0";
inline constexpr const char* country = "Other";
inline constexpr const char* formatDef = "6|15|60|50|13|5";
inline constexpr const char* mdenDef = "1.000|2.650|2.710|2.870|55.500|47.600|43.500";
inline constexpr const char* poroUnits = "PU";
inline constexpr const char* flag = "0";             // fillCVal, fillCDESC, headComF
inline constexpr const char* renameDups = "1";
inline constexpr const char* pricePerCurveFoot = "0.042";
inline constexpr const char* minPrice = "150.00";
} // namespace defaults

// The outside checking program and log viewer the project ships, found beside the program.
inline constexpr const char* checkerProgramName = "corvalet-check";
inline constexpr const char* viewerProgramName = "corvalet-logview";

// The toolbar toggles whose States start-up reads.
inline constexpr const char* toolCertAfter = "ID_certAfter";
inline constexpr const char* toolEditAfter = "ID_EditAfter";
inline constexpr const char* toolViewAfter = "ID_ViewAfter";
inline constexpr const char* toolMultiple = "ID_Multiple";

inline constexpr const char* paraMissingTitle = "PARA.INI File Missing!";
inline constexpr const char* paraMissingText =
    "The pararameter file (para.ini or para_CV.ini) is missing from the program directory. Replace it "
    "from the install diskettes. Without it, you will not be able to fill standard Parameters.";

// Reading and writing one key of the section.
[[nodiscard]] std::string readSetting(const platform::Settings& settings, std::string_view key,
                                      std::string_view defaultValue = {});
void saveSetting(platform::Settings& settings, std::string_view key, const std::string& value);

// Keys read by other windows, with their fallbacks.
// "fileExt": "las" when missing or empty.
[[nodiscard]] std::string readFileExt(const platform::Settings& settings);
// "pricepercurvefoot": 0.042 when missing or 0.
[[nodiscard]] double readPricePerCurveFoot(const platform::Settings& settings);
// "gridFontWidth": the current gridColWidth when missing.
[[nodiscard]] int readGridFontWidth(const platform::Settings& settings, const core::AppState& state);
// "mwLFile": the current listing file; when that gives "", the current LAS file with "txt".
[[nodiscard]] std::string readListingFile(const platform::Settings& settings, const core::AppState& state);

// The default paths of the outside programs: beside the running program.
[[nodiscard]] std::string defaultCheckerPath(const std::filesystem::path& programFile);
[[nodiscard]] std::string defaultViewerPath(const std::filesystem::path& programFile);

// The source folder of a first start: CORVALET_EXAMPLES when set, else the example wells
// shipped with the data folder (inside it when installed, beside it in the source tree), else
// the per-user data folder.
[[nodiscard]] std::string defaultSourceFolder(const App& app);

// The library file of one kind ("units", "para", "curves"). The local variant ("units_CV.ini")
// wins whenever it exists; a file of the per-user data folder wins over the read-only one; a
// file found only in the read-only folder is first copied to the per-user folder, so that the
// user's edits can be saved, and read from there (from the read-only folder when the copy
// fails). "" when neither variant exists anywhere.
[[nodiscard]] std::string chooseLibraryFile(const platform::ProgramFolders& folders, std::string_view kind);
// Sets unitsIniPath, paraIniPath and curvesIniPath; a kind with no file keeps its path.
void chooseLibraryFiles(core::AppState& state, const platform::ProgramFolders& folders);

// Reads the whole section into the shared settings and chooses the library files; the toolbar
// toggles go to app.toolStates(). Every step stands on its own: one that fails is skipped.
void startup(App& app);

// Splits a "gridSize" text (name|size|bold|width) into uiFontName, uiFontSize, uiFontBold and
// gridColWidth, with their fallbacks.
void parseGridSize(core::AppState& state, std::string_view text);
// Splits a "formatdef" text into the six header-layout settings, with their fallbacks.
void parseFormatDef(core::AppState& state, std::string_view text);
// Splits an "mdenDef" text into matrixValues 0, 1, 2, 3, 10, 11 and 12, with their fallbacks.
void parseMatrixDefaults(core::AppState& state, std::string_view text);
// depthUnit, densityUnit and sonicUnit from country ("Canada", any case, is metric).
void setUnitSystem(core::AppState& state);

// Fills paraTable from the file at paraIniPath. A missing file is reported (in every mode) and
// gives false; a read error keeps the rows read so far.
bool loadParaIni(core::AppState& state, platform::Dialogs& dialogs);

// The shared font as the window helpers take it.
[[nodiscard]] core::FontSettings sharedFont(const core::AppState& state);
// Offers the font dialog with the shared font; an accepted choice becomes the shared font and
// is saved as "gridSize". False, with nothing changed, when the dialog was cancelled.
bool chooseGridFont(App& app);
// Every grid of the window takes the shared font.
void applyGridFonts(platform::Window& window, const core::AppState& state);
// The common set-up of a window when it loads: key preview, the shared font on its controls,
// its place beside the splash window `flash`.
void initFormCommon(platform::Window& window, const platform::Window& flash, const core::AppState& state,
                    const platform::WindowHost& host);
// Unloads every loaded window except the main window ("mdi"), the file browser ("main"), windows
// without a name and windows whose name occurs in `keep` (ASCII case ignored). A window that
// refuses to close stays loaded and is not asked again.
void unloadOtherForms(platform::WindowHost& host, std::string_view keep);

} // namespace corvalet::shell
