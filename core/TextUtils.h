#pragma once
// Small stateless text and number helpers shared by every subsystem: padding, field and
// occurrence counts, tidying of number texts, a decimal power and logarithm, a range test, the
// keystroke filter of every entry field, a depth text in three units and one curve-library look-up.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalet::core {

struct AppState;

// Numbers.
// 10 to the power x for -50 <= x <= 50; 0 outside that range.
[[nodiscard]] double pow10(double x);
// The base-10 logarithm; empty for x <= 0.
[[nodiscard]] std::optional<double> log10(double x);
// True when value lies between the two bounds, bounds included, whichever bound is the larger.
[[nodiscard]] bool isBetween(double value, double bound1, double bound2);
// The same for texts, compared without regard to ASCII case.
[[nodiscard]] bool isBetween(std::string_view value, std::string_view bound1, std::string_view bound2);
void swapDbl(double& a, double& b);
void swapLng(int& a, int& b);

// Text.
// The value followed by blanks up to `width` characters (left-aligned); never cut.
[[nodiscard]] std::string padLeft(std::string_view value, int width);
[[nodiscard]] std::string padLeft(double value, int width);
// Blanks followed by the value, `width` characters in all (right-aligned); never cut.
[[nodiscard]] std::string padRight(std::string_view value, int width);
[[nodiscard]] std::string padRight(double value, int width);
// Number of fields of the blank-trimmed line; with a blank delimiter a run of blanks is one
// separator, with any other two delimiters in a row enclose an empty field. An empty line, and an
// empty delimiter, count 1.
[[nodiscard]] int countFields(std::string_view line, std::string_view delimiter);
// Non-overlapping occurrences of `part`, ASCII case ignored; 0 when either is "".
[[nodiscard]] int countOccurrences(std::string_view text, std::string_view part);
// The text trimmed of blanks and of leading and trailing CR LF pairs (trimCr: CR characters).
[[nodiscard]] std::string trimCrLf(std::string_view text);
[[nodiscard]] std::string trimCr(std::string_view text);
// A number text with a decimal point stripped of superfluous zeros ("12.50000" -> "12.5",
// "0.00000" -> "0.0"); a text without "." comes back unchanged.
[[nodiscard]] std::string trimZeros(std::string_view text);
// A display mask for the value text: "0", "0." plus one "0" per decimal, or "0.00E+00" for
// 100000 and more; "" for "" and " ".
[[nodiscard]] std::string numFormatMask(std::string_view text);
// The trimmed text when it is empty or a number above 0; "1".."12" for "One".."Twelve" (any case);
// "" for anything else.
[[nodiscard]] std::string numberWordToDigits(std::string_view text);
// The depth or step as inches, feet and metres: 6" 0.5000 f (0.1524 m). The unit is trimmed in
// place; a non-empty unit without "F" means metres, and the value is then rewritten in feet.
[[nodiscard]] std::string formatDepthFtM(std::string& value, std::string& unit);

// The keystroke filter of entry fields and grid editors: the key code to keep, or 0 to swallow
// it. "|" is never let through; Backspace and Enter always pass; modes 0..12.
[[nodiscard]] int filterKeyAscii(int key, int mode);

// Fills `list` with one empty entry and then the mnemonics of every curve-library row of the
// same group as `mnemonic` (that mnemonic included), in library order. Always true.
bool curvesOfSameKind(const AppState& state, std::string_view mnemonic, std::vector<std::string>& list);

} // namespace corvalet::core
