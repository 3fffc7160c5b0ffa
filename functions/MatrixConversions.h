#pragma once
// Porosity conversions from one rock matrix to another, one routine per curve function that needs
// them: density porosity (DENMATRIX) and the two neutron charts (NPORCP1E, NPHICP1c). Porosities
// are fractions (0.1 = 10 %). Each routine is called once per sample with the sample already in
// the internal unit and the matrix conversion code of the request.
//
// An empty result means the arithmetic has no answer for this sample (a zero divisor, a root of a
// negative number, a value that is not finite); the caller writes the NULL value for it and goes on
// with the next sample, so one odd sample never stops the whole file.
#include <cstdint>
#include <optional>

namespace corvalet::core {
struct AppState;
}

namespace corvalet::functions {

// Matrix conversion codes: 0 none, then the six ordered pairs of the three rocks.
namespace MatrixCode {
inline constexpr std::int16_t None = 0;
inline constexpr std::int16_t SandToLime = 1;
inline constexpr std::int16_t SandToDolo = 2;
inline constexpr std::int16_t LimeToSand = 3;
inline constexpr std::int16_t LimeToDolo = 4;
inline constexpr std::int16_t DoloToSand = 5;
inline constexpr std::int16_t DoloToLime = 6;
} // namespace MatrixCode

// Rock list indexes as the matrix lists of the function dialog hold them.
namespace Rock {
inline constexpr int Sand = 0;
inline constexpr int Lime = 1;
inline constexpr int Dolo = 2;
} // namespace Rock

// The conversion code for a (matrix in, matrix out) pair of rock indexes; 0 for the same rock on
// both sides or for any pair that is not two different rocks.
[[nodiscard]] std::int16_t matrixConversionCode(int matrixIn, int matrixOut);

// DENMATRIX: the density porosity of the "in" matrix turned into that of the "out" matrix through
// the bulk density, with the fluid and matrix densities of `matrixValues` (element 0 the fluid,
// 4 to 6 the "in" and 7 to 9 the "out" densities of sand, lime and dolomite). -999.25 stays
// -999.25; code 0 and codes outside 1..6 return the value unchanged. Single precision throughout,
// as the densities are kept. Empty when the "out" and fluid densities are equal.
[[nodiscard]] std::optional<float> densityMatrixConvert(float value, std::int16_t code, const core::AppState& state);

// NPHICP1c: the neutron chart conversion through `neutronChart1` (sand/lime) and `neutronChart2`
// (dolomite/lime). -999.25 stays -999.25; code 0 returns the value; otherwise the value is clamped
// to -0.02..1.0 first and a code outside 1..6 gives 0. Sand to lime solves the chart equation by
// iteration; lime to sand and lime to dolomite interpolate in the charts (0 when the value lies
// in no interval of the chart); dolomite to lime is a formula; the other two go through lime.
[[nodiscard]] std::optional<double> porosityChartConvert(double value, std::int16_t code, const core::AppState& state);

// NPORCP1E: the porosity of the "in" matrix gives the chart variable on that matrix's piecewise
// quadratic (the larger root), and the "out" matrix's quadratic gives the porosity at that
// variable. Code 0 returns the value, a code outside 0..6 gives 0. Double precision. Empty when
// the porosity lies so far outside the chart that the quadratic has no real root.
[[nodiscard]] std::optional<double> neutronMatrixConvert(float value, std::int16_t code);

} // namespace corvalet::functions
