#pragma once
// The LAS header-line grammar and the header queries. An item line reads
//     MNEM.UNIT  VALUE : DESCRIPTION
// and every reader of a header goes through the functions here. The queries read a file only up
// to its ~A line, so asking for a header item of a large file reads only its header.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvalet::platform {
class LineReader;
}

namespace corvalet::core {

enum class LineClass : int {
    Item = -1,       // "." before the first ":"
    Other = 0,       // no ":", no ".", or the first ":" before the first "."
    Comment = 1,     // first character "#"
    Title = 2,       // first character "~"
    Blank = 3,       // nothing but blanks
    NoMnemonic = 4,  // an item line whose first character is "."
};

// Mnemonic, unit, value, description.
using HeaderParts = std::array<std::string, 4>;

// The class of the line trimmed of blanks (TAB is not a blank).
[[nodiscard]] LineClass classifyLasLine(std::string_view line);
// The text before the first ".", trimmed of blanks and TABs; "" without ".".
[[nodiscard]] std::string getMnem(std::string_view line);
// The unit: the first token right after the first "." and before the first ":"; "" when a blank
// follows the "." or the line lacks "." or ":".
[[nodiscard]] std::string getUnit(std::string_view line);
// The value of an item line; "" for any other. Changes the caller's line: every TAB becomes a
// blank and every ":" but the last becomes "|", so that a unit read afterwards from the same
// line sees the value's colons as ordinary characters.
[[nodiscard]] std::string getValue(std::string& line);
// The trimmed text after the last ":", or the whole trimmed line without ":". Turns the
// caller's TABs into blanks.
[[nodiscard]] std::string getDescr(std::string& line);
// True for the ~W range items STRT, STOP, STEP and NULL (ASCII case ignored).
[[nodiscard]] bool isRangeMnemonic(std::string_view mnem);
// Fills the four parts of an item line (true); any other line gives four "" (false).
bool splitHeaderLine(std::string_view line, HeaderParts& parts);

// Positions the reader on the line after the title "~" + letter and returns that 1-based
// position. 0, with the reader back at byte 1, when the section is absent: any line holding "~A"
// ends the search unless "A" is asked for.
std::int64_t seekSection(platform::LineReader& reader, char letter);

// The body of section "~" + letter: its lines after the title, up to the next title line, joined
// by CR LF. "" when the section is absent or empty, or the file has no ~A line.
[[nodiscard]] std::string getSectionText(const std::string& path, char letter);

// The ~W STRT, STOP, STEP and NULL items: range[item][0] the value, range[item][1] the unit.
using WellRange = std::array<std::array<std::string, 2>, 4>;
// Fills the range and the format columns "dot|value|colon" of the raw STRT line ("0|0|0" without
// one). Always returns "DEPT"; a caller judges success from the range.
std::string getWellRange(const std::string& path, WellRange& range, std::string& formatColumns);

// The value of the first item `mnemonic` in section V, W, P, O or C ("" or any other letter:
// every section). Status "NOT" and value " " when the ~A line comes first; "" and status "" when
// the file ends first or cannot be read. The unit is set only when the item is found. With
// section "W" the file's VERS decides the LAS 1.2 rule: a 1.2 ~W item other than STRT, STOP,
// STEP and NULL holds its value in the description field.
[[nodiscard]] std::string getHeaderItem(const std::string& path, std::string_view mnemonic, std::string_view section,
                                        std::string& status, std::string& unit);
// The same over every header section, always with the LAS 1.2 rule; " " when ~A comes first.
[[nodiscard]] std::string getHeaderValue(const std::string& path, std::string_view mnemonic, std::string& unit);
// The value of the first item `mnemonic` at or after section "~" + letter of an open file, with
// every TAB and ":" removed; "" when ~A comes first. The reader is left where the search ended.
[[nodiscard]] std::string readHeaderValue(platform::LineReader& reader, std::string_view mnemonic, char letter);

} // namespace corvalet::core
