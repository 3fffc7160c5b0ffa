#include "functions/MatrixConversions.h"

#include "core/AppState.h"
#include "core/TextUtils.h"

#include <cmath>

namespace corvalet::functions {

namespace {

constexpr float nullValue = static_cast<float>(core::internalNull);

struct RockPair {
    int in;
    int out;
};

// Codes 1..6 in order; index 0 stands for "none".
constexpr RockPair codePairs[7] = {{-1, -1},
                                   {Rock::Sand, Rock::Lime},
                                   {Rock::Sand, Rock::Dolo},
                                   {Rock::Lime, Rock::Sand},
                                   {Rock::Lime, Rock::Dolo},
                                   {Rock::Dolo, Rock::Sand},
                                   {Rock::Dolo, Rock::Lime}};

// One branch of the neutron chart quadratic phi = a t^2 + b t + c.
struct Quadratic {
    double a, b, c;
    [[nodiscard]] double at(double t) const { return a * t * t + b * t + c; }
};

// A rock's chart: the lower branch up to the break, the upper branch past it. Lime switches branches
// at the break itself; sand and dolomite keep the lower branch at the break.
struct RockChart {
    Quadratic lower, upper;
    double tBreak;
    double phiBreak;
    bool lowerIncludesBreak;

    [[nodiscard]] const Quadratic& branchForPorosity(double phi) const
    {
        const bool lowerBranch = lowerIncludesBreak ? phi <= phiBreak : phi < phiBreak;
        return lowerBranch ? lower : upper;
    }
    [[nodiscard]] const Quadratic& branchForVariable(double t) const
    {
        const bool lowerBranch = lowerIncludesBreak ? t <= tBreak : t < tBreak;
        return lowerBranch ? lower : upper;
    }
};

const RockChart& rockChart(int rock)
{
    static const RockChart sand{{0.0040514, 0.13226, -0.081409}, {0.18785, -1.3406, 2.8694}, 4.0152, 0.5151088408642, true};
    static const RockChart lime{{0.013803, 0.08562, -0.077296}, {0.18149, -1.261, 2.6261}, 4.01507245439747, 0.48899, false};
    static const RockChart dolo{{0.0086505, 0.0908, -0.084268}, {0.25786, -1.9104, 3.9333}, 4.0152, 0.419837271974399, true};
    switch (rock) {
    case Rock::Sand: return sand;
    case Rock::Lime: return lime;
    default: return dolo;
    }
}

std::optional<double> finite(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

// Lime porosity (column 1) to the porosity of column 0 by linear interpolation between the chart's
// points 0 to 12. Every interval holding the value is visited, so at a chart point the later
// interval gives the (equal) result.
double interpolateChart(const core::Table<float>& chart, double value)
{
    // The chart tables are indexed (point, column). The value is compared at the charts' own
    // single precision, so that a value clamped to the chart's first point (-0.02) meets it.
    const double v = static_cast<float>(value);
    double result = 0;
    for (int k = 1; k <= 12; ++k) {
        const double lo = chart(k - 1, 1);
        const double hi = chart(k, 1);
        if (!core::isBetween(v, lo, hi))
            continue;
        if (hi == lo) {
            result = chart(k - 1, 0);
            continue;
        }
        const float fraction = static_cast<float>((v - lo) / (hi - lo));
        result = chart(k - 1, 0) + (static_cast<double>(chart(k, 0)) - chart(k - 1, 0)) * fraction;
    }
    return result;
}

// Sand to lime: solve value = g + 0.125 sqrt(g + 0.04) (1 - g)^1.5 for g by damped iteration. It
// converges within a few dozen rounds over the clamped range; the cap only guards odd inputs.
std::optional<double> sandToLime(double value)
{
    constexpr int maxRounds = 1000;
    double g = value;
    double t = 100;
    for (int round = 0; round < maxRounds && std::fabs(t - g) > 0.00005; ++round) {
        t = value - 0.125 * std::sqrt(g + 0.04) * std::pow(1 - g, 1.5);
        g = (t + g) / 2;
    }
    return finite(g);
}

double doloToLime(double x)
{
    if (x < 0.1)
        return -5.3 * x * x + 2.06 * x + 0.025;
    if (x < 0.35)
        return -0.6 * x * x + 1.12 * x + 0.072;
    return 0.9377 * x + 0.0623;
}

} // namespace

std::int16_t matrixConversionCode(int matrixIn, int matrixOut)
{
    if (matrixIn == matrixOut)
        return MatrixCode::None;
    for (std::int16_t code = 1; code <= 6; ++code) {
        if (codePairs[code].in == matrixIn && codePairs[code].out == matrixOut)
            return code;
    }
    return MatrixCode::None;
}

std::optional<float> densityMatrixConvert(float value, std::int16_t code, const core::AppState& state)
{
    if (value == nullValue)
        return nullValue;
    if (code < 1 || code > 6)
        return value;
    const RockPair pair = codePairs[code];
    const float rin = state.matrixValues[static_cast<std::size_t>(4 + pair.in)];
    const float rout = state.matrixValues[static_cast<std::size_t>(7 + pair.out)];
    const float rf = state.matrixValues[0];
    if (rout == rf)
        return std::nullopt;
    const float bulk = static_cast<float>(static_cast<double>(rin) - static_cast<double>(value) * (static_cast<double>(rin) - rf));
    const double result = (static_cast<double>(rout) - bulk) / (static_cast<double>(rout) - rf);
    if (!std::isfinite(result))
        return std::nullopt;
    return static_cast<float>(result);
}

std::optional<double> porosityChartConvert(double value, std::int16_t code, const core::AppState& state)
{
    if (value == static_cast<double>(nullValue))
        return static_cast<double>(nullValue);
    if (code == MatrixCode::None)
        return value;
    if (!std::isfinite(value))
        return std::nullopt;
    value = std::min(value, 1.0);
    value = std::max(value, -0.02);
    switch (code) {
    case MatrixCode::SandToLime:
        return sandToLime(value);
    case MatrixCode::SandToDolo: {
        const auto lime = sandToLime(value);
        if (!lime)
            return std::nullopt;
        return porosityChartConvert(*lime, MatrixCode::LimeToDolo, state);
    }
    case MatrixCode::LimeToSand:
        return interpolateChart(state.neutronChart1, value);
    case MatrixCode::LimeToDolo:
        return interpolateChart(state.neutronChart2, value);
    case MatrixCode::DoloToSand:
        return porosityChartConvert(doloToLime(value), MatrixCode::LimeToSand, state);
    case MatrixCode::DoloToLime:
        return doloToLime(value);
    default:
        return 0.0;
    }
}

std::optional<double> neutronMatrixConvert(float value, std::int16_t code)
{
    if (code == MatrixCode::None)
        return static_cast<double>(value);
    if (code < 0 || code > 6)
        return 0.0;
    const RockPair pair = codePairs[code];
    const double phi = value;
    const Quadratic& in = rockChart(pair.in).branchForPorosity(phi);
    const double discriminant = in.b * in.b - 4 * in.a * (in.c - phi);
    if (!(discriminant >= 0))
        return std::nullopt;
    const double t = (-in.b + std::sqrt(discriminant)) / (2 * in.a);
    return finite(rockChart(pair.out).branchForVariable(t).at(t));
}

} // namespace corvalet::functions
