#include "manipulate/AsciiImportRows.h"

#include "core/AppState.h"
#include "manipulate/ConversionGrid.h"
#include "platform/EventPump.h"
#include "platform/Text.h"

namespace corvalet::manipulate::detail {

Yielder::Yielder(const core::AppState& state, platform::EventPump& pump) : m_pump(&pump), m_quiet(state.quietMode) {}

bool Yielder::step()
{
    if (m_quiet || ++m_lines < kLinesPerYield)
        return false;
    m_lines = 0;
    m_pump->doEvents();
    return true;
}

void fillGridRows(platform::Grid& grd, const RowBuffer& rows, std::string_view separators, int columns,
                  Yielder* yielder, MissingSamples missing)
{
    grd.clearAll();
    grd.setRows(1);
    grd.setCols(1);
    // Columns first: widening a one-row grid costs nothing, widening a tall one moves every cell.
    grd.setCols(columns + 1);
    grd.setRows(rows.count() + 4);
    platform::Fields fields;
    int row = 4;
    rows.forEach([&](std::string_view line) {
        fields.split(line, separators);
        const int n = std::min(fields.count(), columns);
        for (int j = 1; j <= n; ++j) {
            const std::string_view value = fields.field(j);
            const bool null = missing == MissingSamples::AsNull && isMissingSample(value);
            grd.setText(row, j, std::string(null ? kGrdMissingSample : value));
        }
        ++row;
        if (yielder)
            yielder->step();
    });
}

bool isMissingSample(std::string_view field)
{
    if (!field.empty() && (field.front() == '-' || field.front() == '+'))
        field.remove_prefix(1);
    return platform::equalsNoCase(field, "inf") || platform::equalsNoCase(field, "nan");
}

} // namespace corvalet::manipulate::detail
