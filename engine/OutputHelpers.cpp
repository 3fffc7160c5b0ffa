#include "engine/OutputHelpers.h"

#include "core/AppState.h"
#include "platform/Text.h"

namespace corvalet::engine {

std::string delimiterFromName(std::string_view name)
{
    if (platform::equalsNoCase(name, "Tab"))
        return "\t";
    if (platform::equalsNoCase(name, "Comma"))
        return ",";
    return " ";
}

std::string buildNumberMask(int dataWidth, int dataDecimals)
{
    if (dataWidth < 1)
        return {};
    const long long pointPos = static_cast<long long>(dataWidth) - dataDecimals;  // 1-based
    if (pointPos < 1 || pointPos > dataWidth)
        return {};
    std::string mask(static_cast<std::size_t>(dataWidth), '9');
    mask[0] = ' ';
    mask[static_cast<std::size_t>(pointPos - 1)] = '.';
    return mask;
}

std::string buildNumberMask(const core::AppState& state)
{
    return buildNumberMask(state.dataWidth, state.dataDecimals);
}

void fillArray2D(core::Table<double>& array, double value)
{
    for (int j = 0; j <= array.rowUpper(); ++j)
        for (int i = 0; i <= array.fieldUpper(); ++i)
            array(i, j) = value;
}

} // namespace corvalet::engine
