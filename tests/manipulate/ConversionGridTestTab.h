#pragma once
// A conversion tab with its own grid, channel-count box, state and recording services.
#include "core/AppState.h"
#include "core/TestFiles.h"
#include "manipulate/ConversionGrid.h"
#include "platform/BusyPointer.h"
#include "platform/Clipboard.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Grid.h"

#include <functional>
#include <string>
#include <vector>

namespace corvalet::manipulate::test {

inline std::string fixture(const std::string& name) { return std::string(CORVALET_FIXTURES) + "/ascii/" + name; }

class CountingPump final : public platform::EventPump {
public:
    void doEvents() override
    {
        ++calls;
        if (onEvents)
            onEvents();
    }
    int calls = 0;
    std::function<void()> onEvents;
};

struct TestTab {
    platform::Grid grd{4, 2, 1, 1, "grd"};
    platform::TextBox nChanT{"nChanT"};
    core::AppState state;
    platform::ScriptedDialogs dialogs;
    platform::MemoryClipboard clipboard;
    CountingPump pump;
    platform::RecordingPointerDisplay pointer;
    ConversionTab tab{grd, nChanT, state, dialogs, clipboard, pump, pointer};

    // The texts of one grid row, columns 1..Cols-1.
    [[nodiscard]] std::vector<std::string> row(int r) const
    {
        std::vector<std::string> cells;
        for (int c = 1; c < grd.cols(); ++c)
            cells.push_back(grd.text(r, c));
        return cells;
    }
};

} // namespace corvalet::manipulate::test
