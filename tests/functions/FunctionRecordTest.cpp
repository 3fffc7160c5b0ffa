#include "functions/FunctionRecord.h"

#include "core/AppState.h"
#include "platform/Dialogs.h"
#include "platform/Grid.h"

#include <gtest/gtest.h>

namespace corvalet::functions {
namespace {

using core::UnitPair;

const UnitPair kgPerM3{1, "K/M3"};
const UnitPair gPerCc{0.001, "G/C3"};
const UnitPair usPerFt{1, "us/f"};
const UnitPair usPerM{1 / 0.3048, "us/m"};

FunctionRequestInput request(int function, int curveIndex, std::string curve, std::string newName = {})
{
    FunctionRequestInput in;
    in.function = function;
    in.inputCurveIndex = curveIndex;
    in.inputCurveText = std::move(curve);
    in.newMnemonic = std::move(newName);
    return in;
}

struct BuildCase {
    const char* name;
    FunctionRequestInput input;
    UnitPair density;
    UnitPair sonic;
    const char* record;
};

std::vector<BuildCase> buildCases()
{
    std::vector<BuildCase> cases;
    auto add = [&](const char* name, FunctionRequestInput in, const char* record, UnitPair density = kgPerM3,
                   UnitPair sonic = usPerFt) { cases.push_back({name, std::move(in), density, sonic, record}); };

    auto neutron = request(9, 1, "CNC", "NPHI");
    neutron.ncr = {"1200", "300", "45", "2"};
    add("count rates", neutron, " 9|1200|300|45|2| 2|NPHI|was :CNC Low Count=300 Hi Count=1200 Low Poro=2 Hi poro=45");

    auto fromLog = neutron;
    fromLog.ncr = {"From_Log", "300", "45", "2"};
    add("high count rate from the log", fromLog,
        " 9|From_Log|300|45|2| 2|NPHI|was :CNC Low Count=300 Hi Count=From_Log Low Poro=2 Hi poro=45");

    add("no parameters, input name as new name", request(0, 0, "RILD"), " 0||||| 1|RILD|was :RILD ");

    auto density = request(2, 3, "RHOB", "DPHI");
    density.parT = {"2.65", "1"};
    density.matrixIndex = {0, 1};
    add("density shown in G/C3 stored in K/M3", density, " 2|2650.00|1000.00| 0| 1| 4|DPHI|was :RHOB Matrix=2.65 Fluid=1",
        gPerCc);
    density.parT = {"2650", "1000"};
    add("density shown in K/M3", density, " 2|2650.00|1000.00| 0| 1| 4|DPHI|was :RHOB Matrix=2650 Fluid=1000");

    auto sonic = request(5, 0, "DT", "SPHI");
    sonic.parT = {"182.09", "620.08"};
    add("slowness shown in us/m stored in us/ft", sonic, " 5|55.50|189.00|-1|-1| 1|SPHI|was :DT Matrix=182.09 Fluid=620.08",
        kgPerM3, usPerM);

    auto denMatrix = request(4, 1, "DPHI", "DPHL");
    denMatrix.parT = {"2.65", "1.00"};
    denMatrix.matrixIndex = {0, 1};
    denMatrix.matrixEntry = {"Sand: 2.650", "Lime: 2.710"};
    add("density matrix: whole entries", denMatrix,
        " 4|2.65|1.00| 0| 1| 2|DPHL|was :DPHI Matrix In=Sand: 2.650 Matrix Out=Lime: 2.710");
    auto chart = denMatrix;
    chart.function = 8;
    chart.matrixIndex = {2, 0};
    chart.matrixEntry = {"Dolo: 2.870", "Sand: 2.650"};
    add("neutron chart: rock names", chart, " 8|2.65|1.00| 2| 0| 2|DPHL|was :DPHI Matrix In=Dolo Matrix Out=Sand");

    auto math = request(10, 2, "GR", "GRN");
    math.fT = {"2", "0", "5", "1"};
    add("math", math, " 10|2|0|5|1| 3|GRN|was :GR A=2 B=0 C=5 n=1");

    auto clip = request(11, 0, "GR");
    clip.parT = {"", "100"};
    add("maximum only", clip, " 11||100||| 1|GR|was :GR Max =100");
    clip.parT = {"0", "100"};
    add("both limits", clip, " 11|0|100||| 1|GR|was :GR Min =0. Max = 100");
    clip.parT = {"0", ""};
    add("minimum only", clip, " 11|0|||| 1|GR|was :GR Min =0");
    clip.parT = {"", ""};
    add("no limits", clip, " 11||||| 1|GR|was :GR ");

    auto average = request(14, 0, "GR");
    average.aveT = "5";
    add("weighted average", average,
        " 14|1|5||| 1|GR|was :GR Averaged 1 * point , 0.5 * point before,  0.5 * point after");
    average.weightedAverage = false;
    add("plain average", average, " 14|2|5||| 1|GR|was :GR Averaged over Point");

    auto replace = request(13, 0, "GR");
    replace.parT = {"0", "1"};
    add("replace", replace, " 13|0|1||| 1|GR|was :GR Replace 0 with 1");
    auto avePoro = request(12, 0, "NPHI", "PHIT");
    avePoro.parT = {"1", "2"};
    add("average porosity", avePoro, " 12|1|2||| 1|PHIT|was :NPHI Compute PHIT from 1 and 2");

    auto scale = request(15, 0, "RT");
    scale.linlogT = {"0.2", "2000", "3.25", "5.75"};
    scale.logScale = true;
    add("logarithmic scale: right track negative, description as typed", scale,
        " 15|0.2|2000|3.25|-5.75| 1|RT|was :RT New Left Scale=0.2New Right Scale=2000 Old Left Track =3.25Old Right Track =5.75");

    add("no input curve selected", request(1, -1, ""), " 1||||| 0||was : ");
    return cases;
}

TEST(FunctionRequest, BuildsTheRecordFromTheBoxes)
{
    for (const BuildCase& c : buildCases()) {
        SCOPED_TRACE(c.name);
        platform::ScriptedDialogs dialogs;
        const RequestResult result = buildFunctionRequest(c.input, c.density, c.sonic, dialogs);
        EXPECT_EQ(result.outcome, RequestOutcome::Built);
        EXPECT_EQ(result.record, c.record);
        EXPECT_TRUE(dialogs.calls().empty());
        // Every record reads back into the same fields and is written again unchanged.
        const FunctionRecord parsed = parseFunctionRecord(result.record);
        EXPECT_EQ(parsed.function, c.input.function);
        EXPECT_EQ(parsed.inputCurve, c.input.inputCurveIndex + 1);
        EXPECT_EQ(formatFunctionRecord(parsed), result.record);
    }
}

TEST(FunctionRequest, CountRateAndPorosityChecks)
{
    const char* const countTitle = "Invalid Court Rate Values";
    const char* const poroTitle = "Invalid Porosity Values";
    struct Case {
        std::array<std::string, 4> ncr;  // high CR, low CR, high porosity, low porosity
        const char* refusedBy;           // nullptr: accepted
    };
    const Case cases[] = {
        {{"500", "500", "45", "2"}, countTitle},
        {{"500", "600", "45", "2"}, countTitle},
        {{"1200", "300", "0", "0"}, poroTitle},
        {{"1200", "300", "45", "-1"}, poroTitle},
        {{"1200", "300", "2", "45"}, poroTitle},
        {{"1200", "300", "45", "0"}, poroTitle},  // a zero porosity has no logarithm
        {{"From_Log", "300", "45", "2"}, nullptr},
        {{"1200", "from_log", "45", "2"}, nullptr},
        {{"From_Log", "From_Log", "0", "0"}, poroTitle},
        {{"1200", "300", "0.4", "0.02"}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ncr[0] + "/" + c.ncr[1] + "/" + c.ncr[2] + "/" + c.ncr[3]);
        auto in = request(9, 0, "CNC");
        in.ncr = c.ncr;
        platform::ScriptedDialogs dialogs;
        const RequestResult result = buildFunctionRequest(in, kgPerM3, usPerFt, dialogs);
        if (!c.refusedBy) {
            EXPECT_EQ(result.outcome, RequestOutcome::Built);
            EXPECT_TRUE(dialogs.calls().empty());
            continue;
        }
        EXPECT_EQ(result.outcome, RequestOutcome::Refused);
        EXPECT_EQ(result.record, "");
        ASSERT_EQ(dialogs.calls().size(), 1u);
        const platform::DialogCall& call = dialogs.calls()[0];
        EXPECT_EQ(call.title, c.refusedBy);
        EXPECT_EQ(call.style, platform::MsgStyle::OkOnly + platform::MsgStyle::Critical);
        EXPECT_EQ(call.text, c.refusedBy == countTitle
                                 ? "Count rates must not be equal and High must be greater than Low"
                                 : "Porosities must not be equal and High must be greater than Low, and neither can be "
                                   "less than 0. ");
    }
}

TEST(FunctionRequest, RequestsThatMakeNoRecord)
{
    struct Case {
        const char* name;
        FunctionRequestInput input;
        RequestOutcome outcome;
    };
    auto chartWithoutColon = request(7, 0, "NPHI");
    chartWithoutColon.matrixEntry = {"Sand", "Lime: 2.710"};
    auto pastedSeparator = request(10, 0, "GR", "GR|N");
    auto separatorInBox = request(13, 0, "GR");
    separatorInBox.parT = {"1|2", "3"};
    const Case cases[] = {
        {"no function chosen", request(-1, 0, "GR"), RequestOutcome::NoFunction},
        {"function past the list", request(16, 0, "GR"), RequestOutcome::NoFunction},
        {"matrix entry without a colon", chartWithoutColon, RequestOutcome::Failed},
        {"separator in the new name", pastedSeparator, RequestOutcome::Failed},
        {"separator in a box", separatorInBox, RequestOutcome::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::ScriptedDialogs dialogs;
        const RequestResult result = buildFunctionRequest(c.input, kgPerM3, usPerFt, dialogs);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.record, "");
        EXPECT_TRUE(dialogs.calls().empty());
    }
    // A shown unit without a usable factor can not give the internal value.
    auto density = request(2, 0, "RHOB");
    density.parT = {"2.65", "1"};
    platform::ScriptedDialogs dialogs;
    EXPECT_EQ(buildFunctionRequest(density, UnitPair{0, ""}, usPerFt, dialogs).outcome, RequestOutcome::Failed);
}

TEST(FunctionRecordText, ParsesRecordsOfEveryOrigin)
{
    struct Case {
        const char* text;
        std::optional<int> function;
        std::array<std::string, 4> parameters;
        int inputCurve;
        const char* mnemonic;
        const char* history;
    };
    const Case cases[] = {
        {" 9|From_Log|300|45|2| 2|NPHI|was :CNC Low Count=300", 9, {"From_Log", "300", "45", "2"}, 2, "NPHI",
         "was :CNC Low Count=300"},
        {"4| 0 | 0 |0|1|3|DPHI|", 4, {" 0 ", " 0 ", "0", "1"}, 3, "DPHI", ""},  // as filter files write it
        {" 15|0.2|2000|3.25|-5.75| 1|RT", 15, {"0.2", "2000", "3.25", "-5.75"}, 1, "RT", ""},
        {" 10|2|0|5|1| 3|GRN|was :a|b", 10, {"2", "0", "5", "1"}, 3, "GRN", "was :a|b"},
        {"| 1|RILD|was :RILD ", std::nullopt, {" 1", "RILD", "was :RILD ", ""}, 0, "", ""},
        {" 16||||| 1|X|h", std::nullopt, {}, 1, "X", "h"},
        {"-1||||| 1|X|h", std::nullopt, {}, 1, "X", "h"},
        {"2.5||||| 1|X|h", std::nullopt, {}, 1, "X", "h"},
        {"", std::nullopt, {}, 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const FunctionRecord r = parseFunctionRecord(c.text);
        EXPECT_EQ(r.function, c.function);
        EXPECT_EQ(r.parameters, c.parameters);
        EXPECT_EQ(r.inputCurve, c.inputCurve);
        EXPECT_EQ(r.mnemonic, c.mnemonic);
        EXPECT_EQ(r.history, c.history);
    }
}

TEST(FunctionRecordText, ParametersReadAsLeadingNumbers)
{
    const FunctionRecord r = parseFunctionRecord(" 11|2650.00|| 7abc|From_Log| 1|X|h");
    EXPECT_DOUBLE_EQ(r.parameterValue(0), 2650.0);
    EXPECT_DOUBLE_EQ(r.parameterValue(1), 0.0);
    EXPECT_DOUBLE_EQ(r.parameterValue(2), 7.0);
    EXPECT_DOUBLE_EQ(r.parameterValue(3), 0.0);
    EXPECT_FALSE(r.parameterEmpty(0));
    EXPECT_TRUE(r.parameterEmpty(1));
    EXPECT_FALSE(r.parameterEmpty(3));
}

class ChannelRecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        core::initGlobals(state);
        channels.setText(channelMnemRow, 2, "CNC");
        channels.setText(channelFunctionRow, 2, std::string(noFunctionText));
    }
    core::AppState state;
    platform::Grid channels{22, 4};
};

TEST_F(ChannelRecordTest, StoredRecordShowsItsFunctionAndNewName)
{
    const std::string record = " 9|1200|300|45|2| 2|NPHI|was :CNC Low Count=300 Hi Count=1200 Low Poro=2 Hi poro=45";
    storeFunctionRecord(channels, 2, record, state);
    EXPECT_EQ(channels.cellData(channelFunctionRow, 2), record);
    EXPECT_EQ(channels.text(channelFunctionRow, 2), state.funTable(0, 10));
    EXPECT_EQ(channels.text(channelMnemRow, 2), "NPHI");
    EXPECT_EQ(channelFunctionRecord(channels, 2), record);
    EXPECT_EQ(channelFunctionRecord(channels, 1), "");
}

TEST_F(ChannelRecordTest, EmptyOrFunctionlessRecordClearsTheChannel)
{
    for (const std::string& record : {std::string(), std::string("| 1|RILD|was :RILD ")}) {
        SCOPED_TRACE(record);
        storeFunctionRecord(channels, 2, " 0||||| 1|RILD|was :RILD ", state);
        storeFunctionRecord(channels, 2, record, state);
        EXPECT_EQ(channels.cellData(channelFunctionRow, 2), "");
        EXPECT_EQ(channels.text(channelFunctionRow, 2), noFunctionText);
        EXPECT_EQ(channelFunctionRecord(channels, 2), "");
    }
}

TEST_F(ChannelRecordTest, RecordBehindNoneComputesNothing)
{
    channels.setCellData(channelFunctionRow, 3, " 0||||| 1|RILD|was :RILD ");
    channels.setText(channelFunctionRow, 3, std::string(noFunctionText));
    EXPECT_EQ(channelFunctionRecord(channels, 3), "");
}

} // namespace
} // namespace corvalet::functions
