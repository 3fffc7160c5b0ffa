#pragma once
// ASCII text helpers. Case folding is ASCII only; bytes above 127 pass unchanged. Trimming
// removes blanks only, never TAB.
#include <string>
#include <string_view>

namespace corvalet::platform {

[[nodiscard]] constexpr char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }
[[nodiscard]] constexpr char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

[[nodiscard]] std::string toUpper(std::string_view text);
[[nodiscard]] std::string toLower(std::string_view text);
void upperInPlace(std::string& text);

[[nodiscard]] bool equalsNoCase(std::string_view a, std::string_view b);
// Comparison for sorting: <0, 0, >0, ASCII case folded.
[[nodiscard]] int compareNoCase(std::string_view a, std::string_view b);
[[nodiscard]] bool startsWithNoCase(std::string_view text, std::string_view prefix);
[[nodiscard]] bool endsWithNoCase(std::string_view text, std::string_view suffix);
// Position of the first match at or after `from`, or std::string_view::npos. An empty needle
// matches at `from`.
[[nodiscard]] std::size_t findNoCase(std::string_view hay, std::string_view needle, std::size_t from = 0);
[[nodiscard]] bool containsNoCase(std::string_view hay, std::string_view needle);
// Replaces every match of `search` (ASCII case ignored) with `replacement`; an empty search
// changes nothing. Returns the number of replacements.
std::size_t replaceAllNoCase(std::string& text, std::string_view search, std::string_view replacement);

[[nodiscard]] std::string_view trimBlanks(std::string_view text);
[[nodiscard]] std::string_view trimLeftBlanks(std::string_view text);
[[nodiscard]] std::string_view trimRightBlanks(std::string_view text);

} // namespace corvalet::platform
