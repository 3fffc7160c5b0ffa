#pragma once
// The program-wide store: run state, settings, current files, window-open flags and every shared
// table. One AppState lives for the whole run and is passed by reference; tests build their own.
#include "core/Records.h"
#include "core/Table.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace corvalet::core {

// A unit with the factor that turns a value in the internal unit into one in this unit.
struct UnitPair {
    double factor = 0;
    std::string unit;
};

// The one internal NULL: every input's own NULL becomes it on reading, a sample is missing when it
// equals it exactly, and empty cells of the inclinometry table hold it too.
inline constexpr double internalNull = -999.25;
inline constexpr float tvdEmpty = static_cast<float>(internalNull);

struct AppState {
    // Run state and progress.
    bool quietMode = false;     // command-line run: no dialogs, no yielding to the event loop
    bool inIDE = false;
    bool userCancelled = false;
    float progressFraction = 0;
    std::string progressText;
    bool jobRunning = false;

    // Command-line values.
    std::string cmdFile, cmdOutput, cmdFilter, cmdDowhat;

    // Settings.
    std::string uiFontName;
    float uiFontSize = 0;
    bool uiFontBold = false;
    int gridColWidth = 0;       // -1 sizes every column to its contents
    std::string fixedFontName;
    std::string unitsIniPath, paraIniPath, curvesIniPath;
    std::string country;        // "Canada" or "Other"
    std::string log_prog, cert_prog;
    std::string poro_units;
    bool headComF = false, fillCVal = false, fillCDESC = false;
    int dotPos = 0, valuePos = 0, colonPos = 0, colonPlusPos = 0, dataWidth = 0, dataDecimals = 0;

    // Unit pairs.
    UnitPair densityUnit;
    UnitPair sonicUnit;
    UnitPair depthUnit;         // empty until the country rule sets it

    // Window-open flags.
    bool certifyOpen = false, listOpen = false, toolsOpen = false, mainOpen = false, mmmOpen = false;
    bool curvLibOpen = false;

    // Current files and folders.
    std::string currentLASFile, sourceFolder, asciiInputFile, outputFile, inDir, outDir;
    std::string procInFile, procOutFile, filterFile, listingFile, viewFile, searchFile, replaceFile;
    std::int64_t viewFirstByte = 0, viewLastByte = 0, viewFileLength = 0;

    // Markers of section titles.
    std::string sectionMarker;  // "~"
    std::string pipeDelimiter;  // "|"

    // Growable tables, (field, row); row 0 stays empty, loaders fill rows from 1.
    TextTable sectionTable;       // (0..5): name, association, position after title, bracket index, kind, -
    TextTable sectionAssocTable;  // (0..3)
    TextTable curveRows;          // (0..6)
    TextTable sectionRows;        // (0..6)
    TextTable fileParams;         // not sized at start-up
    TextTable wellParams;         // not sized at start-up
    TextTable paraTable;          // (0..4): mnemonic, unit, value, description, text after "|"
    TextTable curveLibrary;       // (0..2): group, mnemonic, description
    TextTable curveGroups;        // (0..3): group, unique value, Canadian unit, other unit
    TextTable unitLibrary;        // (0..3): group, unit, factor, offset
    TextTable unitGroups;         // (0..1): group, internal unit
    TextTable certifyResults;     // (0..1): path, result text; rows from 1

    // Inclinometry stations (field 0..3 = MD, TVD, deviation, azimuth; rows 1..n). Element (0, 0)
    // holds n; every other empty cell holds tvdEmpty.
    Table<float> tvdTable;
    Table<double> dataMatrix;     // (output channel, depth index)
    std::array<float, 11> crPoroValues{};

    std::array<FileInfoRec, 5> fileInfo;
    std::array<std::vector<CurveInfoRec>, 4> curveInfo;
    std::string funRecord;

    // Constant tables.
    std::array<std::int32_t, 16> fileColors{};  // 0x00BBGGRR
    std::array<float, 13> matrixValues{};
    Table<float> neutronChart1;  // (point 0..13, column 0..1)
    Table<float> neutronChart2;
    TextTable funTable;          // (0..2, 0..16): caption, default mnemonic, key; row = function + 1
};

// Gives every table its start shape and every constant its value.
void initGlobals(AppState& state);

} // namespace corvalet::core
