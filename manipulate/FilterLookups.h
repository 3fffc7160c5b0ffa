#pragma once
// Bracketed header values of a filter: "[File=wells.txt;Key=LAS(~W:UWI);Col=ELEV]" asks for a
// value from a column of a delimited table, in the row whose key is literal, the input file's
// name, or one of the input file's header items; "[Key=LAS(~W:UWI)]" alone answers the header
// item itself. One filter can so give every file of a batch its own values.
#include <string>

namespace corvalet::core {
struct AppState;
}

namespace corvalet::manipulate {

// Answers one bracketed request for the input in `slot` (0..3) of the editor; "" when there is
// no answer. The table named by "File=File" is the filter file's own item File.
void applyFilterSpecial(const core::AppState& state, const std::string& request, int& slot, std::string& answer);

// The value in column `column` (named in the table's first line, case ignored) of the first row
// whose first field is `key` (case ignored), in a comma- or TAB-separated table whose empty and
// "#" lines are skipped. "" when there is none or the table cannot be read.
void getDBValue(const std::string& path, const std::string& key, const std::string& column, std::string& value);

// The table file a request names: an existing path as it stands; else the name looked up without
// regard to case, relative to the filter file's folder first, then the working folder; "" when
// none exists.
[[nodiscard]] std::string resolveTablePath(const std::string& raw, const std::string& filterFile);

} // namespace corvalet::manipulate
