#pragma once
// Depth mapping through the inclinometry table: measured depth to true vertical depth and back,
// interpolated between the two stations that bracket the depth and extrapolated along the line
// through two boundary stations outside the table.
#include "core/Table.h"

#include <string>

namespace corvalet::core {
struct AppState;
}

namespace corvalet::engine {

enum class DepthDirection : int { TvdToMd = 0, MdToTvd = 1 };

// Maps one depth through `tvdTable` (field 0 MD, field 1 TVD, rows 1..n, n in element (0, 0),
// empty cells -999.25). A table of fewer than two stations, a station with an empty cell in the
// rows used, and a mapping that cannot be computed (two equal keys) give the depth unchanged.
[[nodiscard]] double convertDepth(const core::Table<float>& tvdTable, double depth,
                                  DepthDirection direction = DepthDirection::MdToTvd);
[[nodiscard]] double convertDepth(const core::AppState& state, double depth,
                                  DepthDirection direction = DepthDirection::MdToTvd);

// An output depth measured to true vertical: the table holds the depth in the unit that
// `unitFactor` divides the depth into; a factor of 1 (or an unusable one: 0, not finite) maps the
// depth as it is.
[[nodiscard]] double mapOutputDepth(const core::Table<float>& tvdTable, double depth, double unitFactor);

// Why the table cannot map the depths of a run, or "" when it can: every station 1..n has its
// measured and true vertical depth, and the measured depths never decrease. Rows are named as the
// TVD grid shows them (station r on grid row r + 1).
[[nodiscard]] std::string tvdTableProblem(const core::Table<float>& tvdTable);

} // namespace corvalet::engine
