#pragma once
// The curve mnemonic library and the unit library: their text files (curves.ini, units.ini and
// the local "_CV" variants), the four tables they fill, and the small lookups over those tables.
//
// Tables are (field, row) with row 0 an empty placeholder; rows 1..n hold data in file order.
//   curveGroups  (0..3): group name, unique value, Canadian unit, other unit
//   curveLibrary (0..2): group name of the member, mnemonic, description
//   unitGroups   (0..1): group name, internal unit
//   unitLibrary  (0..3): group name of the member, unit, factor, offset
// Members name their group by name, matched without regard to ASCII case.
//
// Unit factors: a value in a unit divided by the unit's factor is the value in its group's
// internal unit; with an offset, unit value = internal value x factor + offset.
#include <string>
#include <string_view>
#include <vector>

#include "core/AppState.h"
#include "core/Records.h"
#include "core/Table.h"

namespace corvalet::functions {

// The four comment lines that head every saved unit file.
inline constexpr std::string_view unitFileComments[4] = {
    "#[] line contains unit group name and internal unit symbol with | separator",
    "#Each line in the section contains External unit | Factor to divide external to get internal and | Offset",
    "#eg. 2650 KG/M3 / 1000 gives the internal 2.65 G/C3",
    "#each section can have 10 units max. An others are ignored",
};

// The longest description kept for a curve member.
inline constexpr std::size_t maxCurveDescription = 1000;

// Empty start shapes: curveGroups (0..3, 0..0), curveLibrary (0..2, 0..0), unitGroups (0..1, 0..0),
// unitLibrary (0..3, 0..0).
void resetCurveTables(core::TextTable& curveGroups, core::TextTable& curveLibrary);
void resetUnitTables(core::TextTable& unitGroups, core::TextTable& unitLibrary);

// Readers. Both start from empty tables and return true when the file existed and was read to its
// end; false when it is missing or cannot be read (the tables then hold what was read so far).
// CR LF, CR and LF all end a line.
bool loadCurveLibrary(const std::string& path, core::TextTable& curveGroups, core::TextTable& curveLibrary);
bool loadUnitLibrary(const std::string& path, core::TextTable& unitGroups, core::TextTable& unitLibrary);

// The same readers over text already in memory (used by the file readers; handy for the editor).
void parseCurveLibrary(std::string_view text, core::TextTable& curveGroups, core::TextTable& curveLibrary);
void parseUnitLibrary(std::string_view text, core::TextTable& unitGroups, core::TextTable& unitLibrary);

// The exact bytes a save writes (every line ends in CR LF).
[[nodiscard]] std::string curveLibraryText(const core::TextTable& curveGroups, const core::TextTable& curveLibrary);
[[nodiscard]] std::string unitLibraryText(const core::TextTable& unitGroups, const core::TextTable& unitLibrary);

// Writers. The file is written completely under a temporary name in the same folder and renamed
// over the target only then, so a failed save leaves the previous file untouched. True when the
// new file is in place.
bool saveCurveLibrary(const std::string& path, const core::TextTable& curveGroups,
                      const core::TextTable& curveLibrary);
bool saveUnitLibrary(const std::string& path, const core::TextTable& unitGroups,
                     const core::TextTable& unitLibrary);

// How library cells are read as numbers: blanks and tabs anywhere are skipped, then the leading
// number of what remains; 0 when the text does not begin with a number.
[[nodiscard]] double libraryNumber(std::string_view text);

// Row of curveGroups of the mnemonic's group; 0 when the mnemonic, its group name or the group is
// absent. Mnemonics compare without regard to case, as passed (no trimming).
[[nodiscard]] int findLibRow(std::string_view mnemonic, const core::TextTable& curveGroups,
                             const core::TextTable& curveLibrary);
// The unique value of the mnemonic's group; "" when the mnemonic or its group is absent.
[[nodiscard]] std::string libKeyOf(std::string_view mnemonic, const core::TextTable& curveGroups,
                                   const core::TextTable& curveLibrary);
// The description of the mnemonic's first library row; "" when absent.
[[nodiscard]] std::string libDescription(std::string_view mnemonic, const core::TextTable& curveLibrary);

// The unit's factor (1.0 when absent or stored as 0) and its offset (0 when absent). The unit text
// is trimmed of blanks in place first, as the callers keep the trimmed text.
float libraryFactorLookup(std::string& unit, float& offset, const core::TextTable& unitLibrary);

// Element 0 the group of the unit's first library row, then every unit of that group in table
// order (the given unit among them). Just {""} when the unit is empty or not in the library.
[[nodiscard]] std::vector<std::string> unitsOfSameGroup(std::string_view unit, const core::TextTable& unitLibrary);

// The factor and offset of one curve's unit as read from its file.
struct UnitFactor {
    float factor = 1.0f;
    float offset = 0.0f;
};

// Sets the factor and offset of each curve from its unit text (units[i] goes with factors[i];
// factors is resized to match). An empty unit gets 1.0 and 0. A unit the library does not hold
// keeps factor 1.0 and its previous offset and is added to `missing`, the names separated by ", ".
// A factor stored as 0 gives 1.0, so that no later division by the factor fails. Returns false,
// with every factor 1.0 and offset 0, when the library has no rows.
bool assignUnitFactors(const std::vector<std::string>& units, std::vector<UnitFactor>& factors,
                       std::string& missing, const core::TextTable& unitLibrary);

// The same over curve records: each record's unit as read from its file sets its unitFactor and
// unitOffset.
bool assignUnitFactors(std::vector<core::CurveInfoRec>& curves, std::string& missing,
                       const core::TextTable& unitLibrary);

// The program's own calls: the curves of the first input slot against the shared unit library.
bool assignUnitFactors(core::AppState& state, std::string& missing);

// The readers and writers on the shared tables, at the library paths chosen at start-up
// (curvesIniPath, unitsIniPath).
bool loadCurveLibrary(core::AppState& state);
bool loadUnitLibrary(core::AppState& state);
bool saveCurveLibrary(const core::AppState& state);
bool saveUnitLibrary(const core::AppState& state);

// A value in one unit expressed in another of the same group, through the group's internal unit:
// internal = (value - offset(from)) / factor(from); result = internal x factor(to) + offset(to).
// Units the library does not hold count as factor 1 and offset 0.
[[nodiscard]] double convertUnitValue(double value, std::string_view fromUnit, std::string_view toUnit,
                                      const core::TextTable& unitLibrary);

} // namespace corvalet::functions
