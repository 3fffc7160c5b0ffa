#pragma once
// What the conversion-grid importers share: the accepted lines of a table held in one buffer,
// the grid filled from them in one pass, the yield to the event loop during long loops, redraw
// suspension for the whole of an import, and the sample texts that stand for "no value".
#include "platform/Fields.h"
#include "platform/Grid.h"

#include <cstring>
#include <string>
#include <string_view>

namespace corvalet::core {
struct AppState;
}
namespace corvalet::platform {
class EventPump;
}

namespace corvalet::manipulate::detail {

// Table lines kept for the grid: one buffer for all of them (each line followed by "\n", which
// no line read from a file holds), so a file of many MB costs one growing string, not one
// allocation per line or value.
class RowBuffer {
public:
    void add(std::string_view line)
    {
        m_text.append(line);
        m_text.push_back('\n');
        ++m_count;
    }
    [[nodiscard]] int count() const { return m_count; }
    template <class Fn> void forEach(Fn&& each) const
    {
        const char* p = m_text.data();
        const char* end = p + m_text.size();
        while (p < end) {
            const char* stop = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
            each(std::string_view(p, std::size_t(stop - p)));
            p = stop + 1;
        }
    }

private:
    std::string m_text;
    int m_count = 0;
};

// Lets the event loop run every so many lines, unless the run is quiet, so that the window
// stays alive and a cancel request can arrive.
class Yielder {
public:
    static constexpr int kLinesPerYield = 512;
    Yielder(const core::AppState& state, platform::EventPump& pump);
    // Call once per line; true when the event loop ran this time.
    bool step();

private:
    platform::EventPump* m_pump;
    bool m_quiet;
    int m_lines = 0;
};

// Switches the grid's redrawing off for the lifetime of the guard and back to what it was after.
class RedrawOff {
public:
    explicit RedrawOff(platform::Grid& grid) : m_grid(grid), m_was(grid.redraw()) { grid.setRedraw(false); }
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;
    ~RedrawOff() { m_grid.setRedraw(m_was); }

private:
    platform::Grid& m_grid;
    bool m_was;
};

// What fillGridRows writes for a sample that reads NaN or inf.
enum class MissingSamples { AsRead, AsNull };

// Empties the grid and gives it the header rows plus one row per table line and a label column
// plus `columns` channel columns; field j of table line i (both from 1) goes to row i + 3,
// column j. The lines are split with `separators`. The grid is shaped once, so a table of many
// MB costs one allocation of its cells. `yielder` may be null (no yielding).
void fillGridRows(platform::Grid& grd, const RowBuffer& rows, std::string_view separators, int columns,
                  Yielder* yielder, MissingSamples missing = MissingSamples::AsRead);

// "inf" or "NaN" in any case, with an optional sign: a sample the writers cannot use.
[[nodiscard]] bool isMissingSample(std::string_view field);

} // namespace corvalet::manipulate::detail
