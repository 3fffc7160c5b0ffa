#include "engine/NullFill.h"

#include "core/AppState.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvalet::engine {
namespace {

constexpr double N = nullSample;

// A sample array of one channel per column; rows 1.. from `channels[c]`, row 0 left NULL.
core::AppState stateWith(const std::vector<std::vector<double>>& channels)
{
    core::AppState state;
    const int rows = static_cast<int>(channels.front().size());
    state.dataMatrix.redim(static_cast<int>(channels.size()) - 1, rows);
    for (int c = 0; c < static_cast<int>(channels.size()); ++c) {
        state.dataMatrix(c, 0) = N;
        for (int r = 1; r <= rows; ++r)
            state.dataMatrix(c, r) = channels[c][r - 1];
    }
    return state;
}

std::vector<double> channel(const core::AppState& state, int c)
{
    std::vector<double> out;
    for (int r = 1; r <= state.dataMatrix.rowUpper(); ++r)
        out.push_back(state.dataMatrix(c, r));
    return out;
}

TEST(DoNullFilling, TechniquesFillTheGapsTheyShould)
{
    const struct {
        const char* name;
        NullFillTechnique technique;
        std::vector<double> in;
        std::vector<double> out;
    } cases[] = {
        {"linear gap", NullFillTechnique::Linear, {N, N, 10, N, N, N, 20, N}, {N, N, 10, 12.5, 15, 17.5, 20, N}},
        {"linear single", NullFillTechnique::Linear, {1.0, N, 3.0}, {1.0, 2.0, 3.0}},
        {"linear two gaps", NullFillTechnique::Linear, {0, N, 4, N, N, 10}, {0, 2, 4, 6, 8, 10}},
        {"linear all null", NullFillTechnique::Linear, {N, N, N}, {N, N, N}},
        {"linear one sample", NullFillTechnique::Linear, {N, 5, N}, {N, 5, N}},
        {"other nulls are data", NullFillTechnique::Linear, {-999.0, N, -99999}, {-999.0, -50499.0, -99999}},
        {"flat top", NullFillTechnique::FlatTop, {N, 5, N, N, 8, N, N}, {N, 5, 5, 5, 8, 8, 8}},
        {"flat top other nulls", NullFillTechnique::FlatTop, {-999.0, N}, {-999.0, -999.0}},
        {"none", NullFillTechnique::None, {1, N, 3}, {1, N, 3}},
        // The filled row equals the NULL value; the scan must go on past it.
        {"fill equal to null", NullFillTechnique::Linear, {-1000, N, -998.5, N, 0}, {-1000, N, -998.5, -499.25, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        core::AppState state = stateWith({c.in});
        EXPECT_EQ(doNullFilling(state, c.technique, 0, 0), NullFillResult::Done);
        EXPECT_EQ(channel(state, 0), c.out);
        EXPECT_EQ(state.dataMatrix(0, 0), N);  // row 0 is never touched
        EXPECT_EQ(state.progressText, "Doing Null Filling ...");
    }
}

TEST(DoNullFilling, OnlyTheInputsChannelsChangeAndFaultsFail)
{
    core::AppState state = stateWith({{1, N, 3}, {1, N, 3}, {1, N, 3}});
    EXPECT_EQ(doNullFilling(state, NullFillTechnique::Linear, 1, 2), NullFillResult::Done);
    EXPECT_EQ(channel(state, 0), (std::vector<double>{1, N, 3}));
    EXPECT_EQ(channel(state, 2), (std::vector<double>{1, 2, 3}));

    core::AppState outside = stateWith({{1, N, 3}});
    EXPECT_EQ(doNullFilling(outside, NullFillTechnique::Linear, 0, 1), NullFillResult::Failed);
    EXPECT_EQ(channel(outside, 0), (std::vector<double>{1, N, 3}));

    // An overflowing interpolation stops the fill; the channels done before keep their rows.
    core::AppState overflow = stateWith({{1, N, 3}, {-1.7e308, N, 1.7e308}});
    EXPECT_EQ(doNullFilling(overflow, NullFillTechnique::Linear, 0, 1), NullFillResult::Failed);
    EXPECT_EQ(channel(overflow, 0), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(overflow.dataMatrix(1, 2), N);
}

TEST(NullFillTechniqueFromName, NamesAndDefault)
{
    EXPECT_EQ(nullFillTechniqueFromName("linear"), NullFillTechnique::Linear);
    EXPECT_EQ(nullFillTechniqueFromName("Flat Top"), NullFillTechnique::FlatTop);
    EXPECT_EQ(nullFillTechniqueFromName("None"), NullFillTechnique::None);
    EXPECT_EQ(nullFillTechniqueFromName(""), NullFillTechnique::None);
}

core::CurveInfoRec curve(int channel, float from, float to, bool selected = true)
{
    core::CurveInfoRec rec;
    rec.selected = selected;
    rec.outChannel = channel;
    rec.fromDepth = from;
    rec.toDepth = to;
    return rec;
}

TEST(NullFillAsRequired, ClearsOnlyTheRowsOutsideEachCurvesLimits)
{
    // STRT 1000, STEP 0.5, 41 rows: depths 1000 .. 1020.
    const struct {
        const char* name;
        core::CurveInfoRec rec;
        int firstKept;  // rows firstKept..lastKept keep their samples, the others become NULL
        int lastKept;
    } cases[] = {
        {"no limits", curve(0, 0, 0), 1, 41},
        {"not selected", curve(0, 1010, 1015, false), 1, 41},
        {"from", curve(0, 1010, 0), 21, 41},
        {"to", curve(0, 0, 1015), 1, 31},
        {"both", curve(0, 1005, 1015), 11, 31},
        {"from above the start", curve(0, 900, 1015), 1, 31},
        {"to below the stop", curve(0, 1005, 2000), 11, 41},
        {"interval above the file", curve(0, 900, 950), 1, 0},
        {"interval below the file", curve(0, 1100, 1200), 1, 0},
        {"channel outside the array", curve(5, 1010, 0), 1, 41},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        core::AppState state = stateWith({std::vector<double>(41, 7.0), std::vector<double>(41, 8.0)});
        nullFillAsRequired(state, {c.rec}, 1000, 0.5);
        EXPECT_EQ(state.progressText, "Null filling as required...");
        for (int r = 1; r <= 41; ++r) {
            const bool kept = r >= c.firstKept && r <= c.lastKept;
            ASSERT_EQ(state.dataMatrix(0, r), kept ? 7.0 : N) << "row " << r;
            ASSERT_EQ(state.dataMatrix(1, r), 8.0) << "row " << r;
        }
    }
}

TEST(GapActionFor, IrregularCoarserAndOtherInputs)
{
    EXPECT_EQ(gapActionFor(0, 0.5), GapAction::AskUser);
    EXPECT_EQ(gapActionFor(1.0, 0.5), GapAction::ForceLinear);
    EXPECT_EQ(gapActionFor(-1.0, 0.5), GapAction::ForceLinear);
    EXPECT_EQ(gapActionFor(0.5, 0.5), GapAction::UseChosen);  // an equal step keeps the user's choice
    EXPECT_EQ(gapActionFor(-0.5, 0.5), GapAction::UseChosen);
    EXPECT_EQ(gapActionFor(0.25, 0.5), GapAction::UseChosen);
}

TEST(TreatInputGaps, AsksForIrregularInputsAndKeepsLinearOnceForced)
{
    const std::vector<core::CurveInfoRec> curves{curve(0, 0, 1001)};  // rows 1..3 kept
    const OutputDepths out{1000, 0.5};
    auto run = [&](double inputStep, NullFillTechnique& technique, platform::ScriptedDialogs& dialogs) {
        core::AppState state = stateWith({{1, N, 3, N, 7}});
        ReadInput input{"well.las", inputStep, 0, 0, &curves};
        EXPECT_EQ(treatInputGaps(state, dialogs, technique, input, out), NullFillResult::Done);
        return channel(state, 0);
    };

    platform::ScriptedDialogs dialogs;
    NullFillTechnique technique = NullFillTechnique::FlatTop;
    dialogs.answerMsg(platform::MsgResult::No);
    EXPECT_EQ(run(0, technique, dialogs), (std::vector<double>{1, N, 3, N, N}));
    EXPECT_EQ(technique, NullFillTechnique::FlatTop);
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].title, "Fill in Samples?");
    EXPECT_EQ(dialogs.calls()[0].style, platform::MsgStyle::YesNo + platform::MsgStyle::Question);
    EXPECT_EQ(dialogs.calls()[0].text,
              "well.las has a non-constant sample rate. Do you want to linearly fill any possible NULL gaps "
              "between non-null data (using the specified Null Fill technique), 0.5000 (Yes), or leave "
              "discrete values, moved to closest sample depth? (No)");

    // An equal step uses the chosen technique, without asking.
    EXPECT_EQ(run(0.5, technique, dialogs), (std::vector<double>{1, 1, 3, N, N}));
    // Yes fills linearly and Linear stays for the later inputs.
    dialogs.answerMsg(platform::MsgResult::Yes);
    EXPECT_EQ(run(0, technique, dialogs), (std::vector<double>{1, 2, 3, N, N}));
    EXPECT_EQ(technique, NullFillTechnique::Linear);
    EXPECT_EQ(run(0.5, technique, dialogs), (std::vector<double>{1, 2, 3, N, N}));

    // A coarser input is filled linearly whatever was chosen; None leaves an ordinary input alone.
    NullFillTechnique none = NullFillTechnique::None;
    EXPECT_EQ(run(0.25, none, dialogs), (std::vector<double>{1, N, 3, N, N}));
    EXPECT_EQ(run(1.0, none, dialogs), (std::vector<double>{1, 2, 3, N, N}));
    EXPECT_EQ(none, NullFillTechnique::Linear);
    EXPECT_EQ(dialogs.calls().size(), 2u);
}

} // namespace
} // namespace corvalet::engine
