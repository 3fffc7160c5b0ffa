#pragma once
// The index of a LAS file's section titles. LAS 1.2 and 2.0 titles ("~Version Information",
// "~A  DEPT  GR") and LAS 3.0-style titles with an association and a bracketed index
// ("~Log_Data[1] | Log_Definition") all land in one table, so that the editor can ask which
// sections a file has, what they are called and where each begins.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/Table.h"

namespace corvalet::core {

struct AppState;

// Columns of AppState::sectionTable (rows 1..n, one per title line in file order).
enum class SectionColumn : int {
    Name = 0,         // first word after "~" and before "|"
    Association = 1,  // first word after "|"; " " when "|" ends the title; "" without "|"
    Position = 2,     // 1-based byte position of the line after the title
    BracketIndex = 3, // n of a name ending in "[n]", else -1
    Kind = 4,         // SectionKind
    Spare = 5,        // always empty
};

enum class SectionKind : int { Header = 0, Data = 1, Definition = 2, Parameter = 3, Other = 4 };

// The section name of a title line ("" when the line is no title) and its association.
[[nodiscard]] std::string splitBySeparators(std::string_view titleLine, std::string& association);

// The name without its bracketed index and the index (-1 without brackets). A malformed or too
// large index gives "" and -1.
[[nodiscard]] std::string checkBracketToken(std::string_view token, int& index);

// The kind of a section by its name.
[[nodiscard]] SectionKind sectionKindOf(std::string_view name);

// Rebuilds sectionTable and sectionAssocTable from the file's title lines. True when done, also
// for a missing file (both tables then have no rows); false when the file cannot be read, with
// both tables emptied.
bool indexLasSections(AppState& state, const std::string& path);

// The name of the first indexed section whose name begins with the first character of `letter`
// (ASCII case ignored); "" when none or `letter` is empty.
[[nodiscard]] std::string sectionNameFromLetter(const AppState& state, std::string_view letter);

// Lists the six standard sections V, W, C, P, O, A of the file in `list` (0..1, 0..6): column 0
// the position after the title ("0" when absent, and a section after ~A counts as absent),
// column 1 the name. Rows 1..6 end up ordered by position; absent sections come first in
// V, W, C, P, O, A order. Indexes the file first. False when the file cannot be opened; the
// rows then stay empty.
bool getSectionOrder(AppState& state, const std::string& path, TextTable& list);

} // namespace corvalet::core
