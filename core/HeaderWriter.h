#pragma once
// Composing header lines at fixed columns, editing one item of a LAS file on disk, wrapping data
// records, completing header items from a reference table and the curve-function key look-up.
#include "core/HeaderLines.h"
#include "core/Table.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalet::core {

struct AppState;

// The longest header line that is ever written.
inline constexpr int maxHeaderLineLength = 254;

// Lays the parts (trimmed in place) out with "." at dotPos, the value from valuePos and ":" at
// colonPos (columns from 1); a field that does not fit pushes the later ones right. "" when a
// field would begin beyond column 254.
[[nodiscard]] std::string buildHeaderLine(HeaderParts& parts, int dotPos, int colonPos, int valuePos);

enum class EditResult { Done = -1, Failed = 0, NotFound = 1 };

// Shows a message to the user: title, text. Empty in quiet runs.
using ShowMessage = std::function<void(const std::string& title, const std::string& text)>;

// Replaces one field ('M', 'U', 'V' or 'D') of the first item `mnemonic` of section V, W, P, O or
// C ("" for the whole header) of the LAS file on disk. Only that line changes: when the new line
// fits the old one's length it is padded to it, otherwise the line grows; every other byte of the
// file stays as it was. The new copy is written completely beside the file and renamed over it.
// NotFound for a refused section or mnemonic or an item not found; Failed for a missing file, a
// line shorter than 20 characters (after the message), a value too long for a header line, or a
// failed write - the file is then unchanged.
EditResult editHeaderLine(const std::string& path, std::string_view mnemonic, char field, std::string_view newText,
                          std::string_view section, const ShowMessage& showMessage = {});

// Breaks a data record into lines: the index value (the first `width` characters) on the first,
// then the other values, as many as fit in 78 columns, per line; continuation lines start with
// the first character of `prefix` when it is given. A value is never split. Lines are joined by
// CR LF, without one after the last.
[[nodiscard]] std::string wrapWords(std::string_view record, int width, std::string_view prefix);
// Breaks a record of fixed-width values: the index value, then `valuesPerLine` values per line.
// `lineCount` is the number of continuation lines the caller expects; the record's length decides,
// so no value is lost or repeated.
[[nodiscard]] std::string wrapFixed(std::string_view record, int width, int valuesPerLine, int lineCount);

// Completes header items (column 0 mnemonic, 2 value, 4 blank-separated alias names) from
// reference rows (column 0 name, 2 value). rows[i] is the reference row + 1 used for item row i,
// -1 when none. STRT, STOP, STEP and NULL are left alone.
void resolveBracketRefs(TextTable& items, const TextTable& references, std::vector<int>& rows);

// The function number (funTable row - 1) of a curve-function key, ASCII case ignored; -1 when no
// row holds the key.
[[nodiscard]] int curveFunctionIndex(const AppState& state, std::string_view key);

} // namespace corvalet::core
