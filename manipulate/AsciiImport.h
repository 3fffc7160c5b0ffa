#pragma once
// The importers of the conversion grid: a generic delimited ASCII table, a survey-report listing
// (an inclinometry listing), and the PrimaryIndex ASCII export of the interpretation platform.
// Each replaces the grid's content and writes its header rows; none shows an error message.
#include "manipulate/ConversionGrid.h"

#include <string>

namespace corvalet::manipulate {

// Result codes of the importers.
enum class ImportResult : int { Done = -1, Failed = 0, Cancelled = 1 };

// Imports a text file into the grid. A platform export goes to loadPlatformAsciiToGrid (whose
// result is returned), a survey report to the survey import, anything else is a generic table:
// its column count is the field count of its last non-empty line, and every line with that many
// fields becomes a grid row from row 4. `delimiter` is " ", a tab, "," or "" to find it from the
// last line (a tab before a comma before a blank); the delimiter used is written back.
ImportResult loadAsciiToGrid(ConversionTab& tab, const std::string& path, std::string& delimiter);

// Imports a PrimaryIndex export: channel names from the heading line, units from the line above
// the first data line, one grid row per data line. Lines with the wrong field count are skipped
// and reported in one message; NaN and inf samples become -999.25. Done when no line was skipped;
// Failed when the file is no such export or lines were skipped; Cancelled when the user cancelled
// (the rows read so far stay, the header rows are not written).
ImportResult loadPlatformAsciiToGrid(ConversionTab& tab, const std::string& path);

} // namespace corvalet::manipulate
