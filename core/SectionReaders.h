#pragma once
// Readers of one header section of a LAS (or filter) file into text tables, and the ~Curve reader
// that fills an input slot's curve records. Tables are (column, row) as everywhere in the program.
#include <functional>
#include <string>
#include <string_view>

#include "core/Table.h"

namespace corvalet::core {

struct AppState;

// The unit library's factor of a unit (1 when absent) and its offset; the unit text may be
// tidied in place. Supplied by the caller so that these readers need no library of their own.
using UnitFactorLookup = std::function<float(std::string& unit, float& offset)>;

// Filter files: columns 0..7 (mnemonic, unit, value, description cut at "|", the text after the
// line's first "|", unit factor, unit offset, empty), first item in row 0. The letter is trimmed
// and upper-cased in place. -1 when read; 1 when "~A" comes before the title; 0 when the file is
// missing or the title absent. The table changes only when the section is found.
int readSectionTable(const std::string& path, TextTable& table, std::string& letter,
                     const UnitFactorLookup& lookup = {});

// Columns 0..4 (mnemonic, unit, value, description, empty), one row per item line, TABs removed.
// The number of rows; 0 when the section is absent (table unchanged) or has no item line.
int readCurveSection(TextTable& table, const std::string& path, char letter);

// Columns as the caller sized them (0..3 filled), first item in row 0. The last row index; -1
// when the section has no item line; 0 when absent (one empty row).
int readSectionToArray(TextTable& table, const std::string& path, char letter);

// As readSectionToArray, with the unit's factor and offset in columns 5 and 6 and a numeric value
// converted to the unit's group internal unit ("0.00"). The last row index (0 for one or none).
int readParamSectionNumeric(TextTable& table, const std::string& path, char letter,
                            const UnitFactorLookup& lookup = {});

// Columns 0..4 for the export repair: a unit written apart from the dot ("STRT . M 1000.0") is
// recognised. The number of rows; 0 when absent or empty.
int readSectionToGrid(TextTable& table, const std::string& path, char letter);

// Fills curveInfo[slot] (0..3) from the file's ~Curve section; a slot outside 0..3 is read but
// stored nowhere. The number of curves; 0 (records unchanged) without a ~C item line.
int readCurveSectionsOfInputs(AppState& state, const std::string& path, int slot);

} // namespace corvalet::core
