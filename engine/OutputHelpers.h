#pragma once
// Small helpers of the combine run's output side: the separator of a plain delimited ~Ascii
// section, the fixed-width mask that stands in for a value too wide for its column, and the preset
// of a sample array.
#include "core/Table.h"

#include <string>
#include <string_view>

namespace corvalet::core {
struct AppState;
}

namespace corvalet::engine {

// The separator chosen by name in the output settings: "Tab" gives a TAB, "Comma" gives ",";
// every other name ("Space", "", an unknown one) gives one blank. Case is ignored.
[[nodiscard]] std::string delimiterFromName(std::string_view name);

// `dataWidth` characters "9", with a blank first and "." at 1-based position
// dataWidth - dataDecimals, so that dataDecimals digits follow the point (10, 4 -> " 9999.9999").
// Empty when the settings leave no room: a width below 1 or a point position outside the mask.
[[nodiscard]] std::string buildNumberMask(int dataWidth, int dataDecimals);
// The same from the run's format settings.
[[nodiscard]] std::string buildNumberMask(const core::AppState& state);

// Sets every element (i, j), i 0..fieldUpper, j 0..rowUpper, to the value. The value is a double
// so that a preset NULL compares equal to the NULL the writer looks for.
void fillArray2D(core::Table<double>& array, double value);

} // namespace corvalet::engine
