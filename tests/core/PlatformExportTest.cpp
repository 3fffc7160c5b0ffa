#include "core/PlatformExport.h"

#include "TestFiles.h"
#include "core/AppState.h"
#include "core/HeaderLines.h"
#include "core/SectionReaders.h"
#include "platform/BusyPointer.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace corvalet;
using namespace corvalet::core;
using corvalet::core::test::readFile;
using corvalet::core::test::ScratchDir;
using corvalet::core::test::writeFile;
using platform::DialogKind;
using platform::ScriptedDialogs;

namespace {

const std::string kExport = std::string(CORVALET_FIXTURES) + "/platform-export.las";
const std::string kGolden = std::string(CORVALET_FIXTURES) + "/platform-export.golden.las";

AppState exportState(const std::string& country = "Other")
{
    AppState state;
    initGlobals(state);
    state.dotPos = 6;
    state.valuePos = 15;
    state.colonPos = 50;
    state.dataWidth = 13;
    state.dataDecimals = 5;
    state.country = country;
    state.curveLibrary.redim(2, 1);
    state.curveLibrary(0, 1) = "GAMMA";
    state.curveLibrary(1, 1) = "GR";
    state.curveLibrary(2, 1) = "Gamma Ray (natural)|API";
    return state;
}

// A small export: the ~W lines, the curve mnemonics (the first is the depth) and the data lines
// are the test's; ~P holds `params`.
std::string exportText(const std::string& well, const std::vector<std::string>& curves, const std::string& params,
                       const std::vector<std::string>& data)
{
    std::string text = "~Version Information\r\nVERS.  2.5 : export\r\n~Well Information\r\n" + well;
    text += "~Curve Information\r\n";
    for (const std::string& c : curves)
        text += c + " . U : curve\r\n";
    text += "~Parameter Information\r\n" + params + "~A\r\n";
    for (const std::string& d : data)
        text += d + "\r\n";
    return text;
}

// 1e37 in the number format: wider than the value room of a header line.
const std::string kHuge = "1" + std::string(37, '0') + ".00000";

const std::string kWell = "STRT.M\t100.0\t: s\r\nSTOP.M\t101.0\t: s\r\nSTEP.M\t0.5\t: s\r\n";

class FlagPump final : public platform::EventPump {
public:
    explicit FlagPump(std::function<void()> onEvents) : m_onEvents(std::move(onEvents)) {}
    void doEvents() override
    {
        ++count;
        m_onEvents();
    }
    int count = 0;

private:
    std::function<void()> m_onEvents;
};

// The ~W items of a file as "MNEM=value" in file order.
std::vector<std::string> wellItems(const std::string& path)
{
    std::vector<std::string> items;
    std::string text = readFile(path);
    bool inWell = false;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        const std::string line = text.substr(at, end - at);
        at = end == std::string::npos ? text.size() : end + 2;
        if (!line.empty() && line[0] == '~') {
            inWell = line.rfind("~Well", 0) == 0;
            continue;
        }
        HeaderParts parts;
        if (inWell && splitHeaderLine(line, parts))
            items.push_back(parts[0] + "=" + parts[2]);
    }
    return items;
}

} // namespace

TEST(RepairPlatformExport, WritesTheGoldenLas20FileUnderScriptedAnswers)
{
    ScratchDir dir;
    const std::string input = dir.file("export.las");
    writeFile(input, readFile(kExport));
    std::string output = dir.file("repaired.las");
    AppState state = exportState();
    ScriptedDialogs dialogs;
    dialogs.answerInput("LIME");
    platform::RecordingPointerDisplay pointer;

    EXPECT_EQ(repairQV25Las(state, dialogs, input, output, 2, nullptr, &pointer), RepairResult::Done);
    EXPECT_EQ(output, dir.file("repaired.las"));
    EXPECT_EQ(readFile(output), readFile(kGolden));
    EXPECT_EQ(readFile(input), readFile(kExport));
    EXPECT_EQ(dir.entryCount(), 2) << "no temporary file is left beside the output";
    EXPECT_EQ(pointer.changes(), (std::vector<bool>{true, false}));

    ASSERT_EQ(dialogs.calls().size(), 2u);
    EXPECT_EQ(dialogs.calls()[0].kind, DialogKind::Input);
    EXPECT_EQ(dialogs.calls()[0].title, "Neutron Matrix Parameter Missing!");
    EXPECT_EQ(dialogs.calls()[0].text, "A Neutron tool was found, but the parameter MATR was not found. Please "
                                       "supply the correct matrix, SAND, LIME or DOLO, and I will add MATR.");
    EXPECT_EQ(dialogs.calls()[0].fileName, "SAND");
    EXPECT_EQ(dialogs.calls()[1].title, "Bad Lines found and Discarding");
    EXPECT_EQ(dialogs.calls()[1].text, "3 bad lines were discarded during processing! Visually inspect and "
                                       "repair the original and try again!");
    EXPECT_EQ(platform::msgIcon(dialogs.calls()[1].style), platform::MsgIcon::Exclamation);

    // Read back with the program's own readers: the curve whose mnemonic held ":" is still a
    // curve, so every data column keeps its curve.
    TextTable curves;
    ASSERT_EQ(readCurveSection(curves, output, 'C'), 6);
    EXPECT_EQ(curves(0, 4), "DT_1");
    EXPECT_EQ(curves(0, 5), "ILD");
    EXPECT_EQ(state.sectionRows.rowUpper(), 4);
    EXPECT_EQ(state.sectionRows(0, 1), "FN");
}

TEST(RepairPlatformExport, CanadaAndOtherCountriesGetTheirOwnWellItems)
{
    struct Case {
        const char* country;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"Other",
         {"STRT=100.00000", "STOP=101.00000", "STEP=0.50000", "NULL=-999.25000", "COMP=", "WELL=", "LOC=", "FLD=",
          "STAT=", "CNTY=", "CTRY=", "API=55-1", "LISF=", "DATE=", "SRVC=Kestrovander"}},
        {"canada",
         {"STRT=100.00000", "STOP=101.00000", "STEP=0.50000", "NULL=-999.25000", "COMP=", "WELL=", "LOC=", "FLD=",
          "PROV=Ardmere", "UWI=100/07-31", "LIC=L-77", "LISF=", "DATE=", "SRVC=Kestrovander"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.country);
        ScratchDir dir;
        const std::string input = dir.file("in.las");
        writeFile(input, exportText(kWell + "APIN. 55-1 : api\r\nPROV. Ardmere : province\r\n", {"DEPT", "GR"},
                                    "UWID. 100/07-31 : uwi\r\nAPIN. L-77 : licence\r\n",
                                    {"100 1", "100.5 2", "101 3"}));
        std::string output = dir.file("out.las");
        AppState state = exportState(c.country);
        ScriptedDialogs dialogs;
        ASSERT_EQ(repairQV25Las(state, dialogs, input, output), RepairResult::Done);
        EXPECT_EQ(wellItems(output), c.items);
        EXPECT_TRUE(dialogs.calls().empty());
    }
}

TEST(RepairPlatformExport, DepthUnitDirectionAndStopFollowTheInput)
{
    struct Case {
        const char* name;
        std::string well;
        std::vector<std::string> data;
        std::string unit;
        std::string strt, stop, step;
        std::string firstData;
    };
    const Case cases[] = {
        {"increasing, unit from the STRT line", "STRT.ft\t100.0\t: s\r\nSTOP.F\t101.0\t: s\r\nSTEP.F\t0.5\t: s\r\n",
         {"1 1", "2 2", "3 3"}, "F", "100.00000", "101.00000", "0.50000", "    100.00000"},
        {"decreasing: a negative step", "STRT.M\t101.0\t: s\r\nSTOP.M\t100.0\t: s\r\nSTEP.M\t0.5\t: s\r\n",
         {"1 1", "2 2", "3 3"}, "M", "101.00000", "100.00000", "-0.50000", "    101.00000"},
        {"unit before the number", "STRT . M 50.0 : s\r\nSTOP . M 51.0 : s\r\nSTEP . M 0.25 : s\r\n", {"1 1", "2 2"},
         "M", "50.00000", "50.25000", "0.25000", "     50.00000"},
        {"a STRT line without TAB", "STRT.F 100.0 : s\r\nSTOP.F 101.0 : s\r\nSTEP.F 0.5 : s\r\n", {"1 1"}, "M",
         "100.00000", "100.00000", "0.50000", "    100.00000"},
        {"a TAB before the dot", "\tSTRT.ft\t100.0\t: s\r\nSTOP.F\t101.0\t: s\r\nSTEP.F\t0.5\t: s\r\n", {"1 1"},
         "F", "100.00000", "100.00000", "0.50000", "    100.00000"},
        {"STOP is the last line written", kWell, {"1 1", "2 2 2", "3 3", ""}, "M", "100.00000", "101.00000",
         "0.50000", "    100.00000"},
        {"a STOP wider than the line first written", "STRT.M\t1e37\t: s\r\nSTOP.M\t0\t: s\r\nSTEP.M\t0.5\t: s\r\n",
         {"1 1", "2 2"}, "M", kHuge, kHuge, "-0.50000", std::string(kHuge).substr(0, 13)},
        {"STEP 0 keeps the input depths", "STRT.M\t10.0\t: s\r\nSTOP.M\t12.0\t: s\r\nSTEP.M\t0\t: s\r\n",
         {"10 1", "10.7 2", "11.9 3"}, "M", "10.00000", "11.90000", "0.00000", "     10.00000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        const std::string input = dir.file("in.las");
        writeFile(input, exportText(c.well, {"DEPT", "GR"}, "", c.data));
        std::string output = dir.file("out.las");
        AppState state = exportState();
        ScriptedDialogs dialogs;
        dialogs.answerMsg(platform::MsgResult::Ok);
        ASSERT_EQ(repairQV25Las(state, dialogs, input, output), RepairResult::Done);
        WellRange range;
        std::string columns;
        getWellRange(output, range, columns);
        EXPECT_EQ(range[0][0], c.strt);
        EXPECT_EQ(range[1][0], c.stop);
        EXPECT_EQ(range[2][0], c.step);
        EXPECT_EQ(range[0][1], c.unit);
        const std::string text = readFile(output);
        const std::size_t data = text.find("\r\n", text.find("~Ascii")) + 2;
        EXPECT_EQ(text.substr(data, 13), c.firstData);
    }
}

TEST(RepairPlatformExport, AsksForTheMatrixOnlyForANeutronCurveWithoutMatr)
{
    struct Case {
        const char* name;
        std::vector<std::string> curves;
        std::string params;
        bool answer;        // false: the box is cancelled
        int questions;
        std::string matr;   // the MATR line's value, "-" when there is no MATR line
    };
    const Case cases[] = {
        {"neutron, answered", {"DEPT", "TNPH"}, "", true, 1, "DOLO"},
        {"neutron, cancelled", {"DEPT", "npss"}, "", false, 1, ""},
        {"neutron with MATR", {"DEPT", "TNPH"}, "matr. LIME : matrix\r\n", true, 0, "LIME"},
        {"parts of neutron names", {"DEPT", "PL", "HD", "NP"}, "", true, 0, "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        const std::string input = dir.file("in.las");
        std::string line = "1";
        for (std::size_t i = 1; i < c.curves.size(); ++i)
            line += " 5";
        writeFile(input, exportText(kWell, c.curves, c.params, {line}));
        std::string output = dir.file("out.las");
        AppState state = exportState();
        ScriptedDialogs dialogs;
        if (c.answer)
            dialogs.answerInput("DOLO");
        else
            dialogs.cancelInput();
        ASSERT_EQ(repairQV25Las(state, dialogs, input, output), RepairResult::Done);
        EXPECT_EQ(static_cast<int>(dialogs.calls().size()), c.questions);
        std::string matr = "-";
        if (readFile(output).find(" MATR.") != std::string::npos) {
            std::string status, unit;
            matr = getHeaderItem(output, "MATR", "P", status, unit);
        }
        EXPECT_EQ(matr, c.matr);
    }
}

TEST(RepairPlatformExport, AnOutputNamedAsTheInputAsksForAnotherName)
{
    struct Case {
        const char* name;
        int answer;  // 0 cancel, 1 the input again (spelled differently), 2 a new name
        RepairResult result;
        bool duplicateMessage;
    };
    const Case cases[] = {
        {"cancelled save dialog", 0, RepairResult::Failed, false},
        {"the input again", 1, RepairResult::Failed, true},
        {"a new name", 2, RepairResult::Done, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        const std::string input = dir.file("in.las");
        const std::string original = exportText(kWell, {"DEPT", "GR"}, "", {"1 1", "2 2", "3 3"});
        writeFile(input, original);
        ScriptedDialogs dialogs;
        if (c.answer == 0)
            dialogs.cancelFile();
        else if (c.answer == 1)
            dialogs.answerFile((dir.path() / "." / "in.las").string());
        else
            dialogs.answerFile(dir.file("new.las"));
        AppState state = exportState();
        std::string output = input;
        EXPECT_EQ(repairQV25Las(state, dialogs, input, output), c.result);
        EXPECT_EQ(readFile(input), original);

        ASSERT_GE(dialogs.calls().size(), 1u);
        const platform::DialogCall& save = dialogs.calls()[0];
        EXPECT_EQ(save.kind, DialogKind::SaveFile);
        EXPECT_EQ(save.title, "Save LAS");
        EXPECT_EQ(save.text, "las Files (*.las)|*.las");
        EXPECT_EQ(save.folder, dir.path().string());
        EXPECT_EQ(dialogs.calls().size(), c.duplicateMessage ? 2u : 1u);
        if (c.duplicateMessage) {
            const platform::DialogCall& box = dialogs.calls()[1];
            EXPECT_EQ(box.title, "Duplicate Filename");
            EXPECT_EQ(box.text, "Must supply different file name or different path for new file. Try again.");
            EXPECT_EQ(platform::msgIcon(box.style), platform::MsgIcon::Critical);
        }
        if (c.result == RepairResult::Done) {
            EXPECT_EQ(output, dir.file("new.las"));
            EXPECT_NE(readFile(output).find("~Ascii"), std::string::npos);
        }
        EXPECT_EQ(dir.entryCount(), c.result == RepairResult::Done ? 2 : 1);
    }
}

TEST(RepairPlatformExport, CancelAndFailuresLeaveNoFileAndClearTheCancelFlag)
{
    ScratchDir dir;
    const std::string input = dir.file("in.las");
    writeFile(input, exportText(kWell, {"DEPT", "GR"}, "", {"1 1", "2 2", "3 3"}));
    AppState state = exportState();
    {
        SCOPED_TRACE("cancelled while the data are written");
        FlagPump pump([&] { state.userCancelled = true; });
        ScriptedDialogs dialogs;
        std::string output = dir.file("out.las");
        EXPECT_EQ(repairQV25Las(state, dialogs, input, output, 2, &pump), RepairResult::Cancelled);
        EXPECT_EQ(pump.count, 1);
        EXPECT_FALSE(state.userCancelled);
        EXPECT_EQ(dir.entryCount(), 1);
    }
    {
        SCOPED_TRACE("a flag left from an earlier job does not cancel this one");
        state.userCancelled = true;
        FlagPump pump([] {});
        ScriptedDialogs dialogs;
        std::string output = dir.file("out.las");
        EXPECT_EQ(repairQV25Las(state, dialogs, input, output, 2, &pump), RepairResult::Done);
        std::filesystem::remove(output);
    }
    struct Failure {
        const char* name;
        std::string text;  // "" for a missing input
        std::string output;
    };
    const Failure failures[] = {
        {"missing input", "", dir.file("out.las")},
        {"no curves", "~Well Information\r\n" + kWell + "~A\r\n1 2\r\n", dir.file("out.las")},
        {"no data section", "~Curve Information\r\nDEPT . M : d\r\n", dir.file("out.las")},
        {"output folder missing", exportText(kWell, {"DEPT", "GR"}, "", {"1 1"}), dir.file("nowhere/out.las")},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.name);
        const std::string path = dir.file("bad.las");
        if (!f.text.empty())
            writeFile(path, f.text);
        std::string output = f.output;
        ScriptedDialogs dialogs;
        platform::RecordingPointerDisplay pointer;
        EXPECT_EQ(repairQV25Las(state, dialogs, path, output, 2, nullptr, &pointer), RepairResult::Failed);
        EXPECT_TRUE(dialogs.calls().empty());
        EXPECT_FALSE(pointer.busy());
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.las")));
        std::filesystem::remove(path);
    }
}
