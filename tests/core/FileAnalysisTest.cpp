#include "core/AppState.h"
#include "core/FileAnalysis.h"
#include "core/Records.h"
#include "platform/LineReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace corvalet::core;
namespace fs = std::filesystem;

namespace {

fs::path tempDir()
{
    const auto dir = fs::temp_directory_path() / ("corvalet-analysis-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir;
}

std::string write(const std::string& name, const std::string& text)
{
    const auto path = (tempDir() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string header(const std::string& strtLine = " STRT.M        1000.0000 : START DEPTH",
                   const std::string& stop = "1012.0000", const std::string& vers = "2.0")
{
    return "~VERSION INFORMATION\r\n VERS.   " + vers + " : CWLS LOG ASCII STANDARD\r\n WRAP.   NO : ONE LINE\r\n"
           "~WELL INFORMATION\r\n" +
           strtLine + "\r\n STOP.FT       " + stop + " : STOP DEPTH\r\n STEP.M        0.2500 : STEP\r\n"
                      " NULL.         -999.25 : NULL VALUE\r\n~CURVE INFORMATION\r\n DEPT.M : DEPTH\r\n GR.GAPI : GAMMA\r\n"
                      "~A  DEPTH GR\r\n";
}

// One line per step: depth then `values - 1` values.
std::string unwrappedData(int steps, int values, double start = 1000.0, double step = 0.25)
{
    std::string s;
    char buf[64];
    for (int i = 0; i < steps; ++i) {
        std::snprintf(buf, sizeof buf, "%10.4f", start + step * i);
        s += buf;
        for (int v = 1; v < values; ++v) {
            std::snprintf(buf, sizeof buf, "%12.4f", 10.0 * v + i * 0.01);
            s += buf;
        }
        s += "\r\n";
    }
    return s;
}

// Depth alone on a line, then lines of the given value counts.
std::string wrappedData(int steps, const std::vector<int>& lineValues, double start = 1000.0, double step = 0.5)
{
    std::string s;
    char buf[64];
    for (int i = 0; i < steps; ++i) {
        std::snprintf(buf, sizeof buf, "%.4f\r\n", start + step * i);
        s += buf;
        for (int n : lineValues) {
            for (int v = 0; v < n; ++v) {
                std::snprintf(buf, sizeof buf, "%11.4f", 1.5 * v + i);
                s += buf;
            }
            s += "\r\n";
        }
    }
    return s;
}

std::string lineAt(const std::string& path, std::int64_t pos)
{
    corvalet::platform::LineReader r;
    EXPECT_TRUE(r.open(path));
    r.seek(pos);
    corvalet::platform::Line l;
    return r.next(l) ? std::string(l.text) : std::string("<end>");
}

} // namespace

TEST(DetectDataWrap, JudgesTheLayoutFromTheData)
{
    struct Case {
        const char* name;
        std::string data;
        WrapKind kind;
        std::int64_t lines, values;
    } const cases[] = {
        {"500 lines of 6 values", unwrappedData(500, 6), WrapKind::OneLine, 1, 6},
        {"depth + 5 + 3", wrappedData(40, {5, 3}), WrapKind::Wrapped, 3, 9},
        {"period opening with 12 values", [] {
             std::string s;
             for (int i = 0; i < 30; ++i)
                 s += "   1 2 3 4 5 6 7 8 9 10 11 12\r\n4 5\r\n";
             return s;
         }(),
         WrapKind::Wrapped, 2, 14},
        {"two lines only", unwrappedData(2, 4), WrapKind::OneLine, 1, 4},
        {"irregular", "1 2 3\r\n4 5\r\n6 7 8 9\r\n1\r\n2 3\r\n4 5 6 7 8\r\n9 9\r\n", WrapKind::Undetermined, 0, 0},
        {"period not opening with 1", "1 2 3\r\n4 5\r\n1 2 3\r\n4 5\r\n1 2 3\r\n4 5\r\n", WrapKind::Undetermined, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = write("wrap.las", header() + c.data);
        DataWrap w;
        EXPECT_EQ(detectDataWrap(path, w), c.kind);
        EXPECT_EQ(w.linesPerStep, c.lines);
        EXPECT_EQ(w.valuesPerStep, c.values);
    }
}

TEST(DetectDataWrap, CountsBytesWithACrLfPerLine)
{
    const std::string data = wrappedData(20, {5, 3});
    DataWrap w;
    ASSERT_EQ(detectDataWrap(write("wrapbytes.las", header() + data), w), WrapKind::Wrapped);
    // The first step's three lines, each with two line-end bytes.
    std::size_t third = 0;
    for (int i = 0; i < 3; ++i)
        third = data.find("\r\n", third) + 2;
    EXPECT_EQ(w.bytesPerStep, static_cast<std::int64_t>(third));

    DataWrap u;
    const std::string lf = "1000.0 1 2\n1000.5 3 4\n1001.0 5 6\n";
    ASSERT_EQ(detectDataWrap(write("lf.las", header() + lf), u), WrapKind::OneLine);
    EXPECT_EQ(u.bytesPerStep, 12);

    DataWrap none;
    EXPECT_EQ(detectDataWrap(write("noa.las", "~V\r\n VERS. 2.0 :\r\n"), none), WrapKind::Undetermined);
    EXPECT_EQ(detectDataWrap("/nonexistent/x.las", none), WrapKind::Error);
}

TEST(ScanLasFile, FillsTheRecordOfAnUnwrappedFile)
{
    const auto path = write("plain.las", header() + unwrappedData(49, 2));
    AppState state;
    ASSERT_EQ(scanLasFile(state, path, 1), -1);
    const FileInfoRec& r = state.fileInfo[1];
    EXPECT_EQ(r.filePath, path);
    EXPECT_EQ(r.indexMnem, "DEPT");
    EXPECT_DOUBLE_EQ(r.strt, 1000.0);
    EXPECT_DOUBLE_EQ(r.stop, 1012.0);
    EXPECT_DOUBLE_EQ(r.step, 0.25);
    EXPECT_DOUBLE_EQ(r.lowDepth, 1000.0);
    EXPECT_DOUBLE_EQ(r.highDepth, 1012.0);
    EXPECT_EQ(r.nullText, "-999.25");
    EXPECT_EQ(r.rangeUnit, "FT");
    EXPECT_EQ(r.versText, "2.0");
    EXPECT_EQ(r.wrapText, "NO");
    EXPECT_EQ(r.linesPerStep, 1);
    EXPECT_EQ(r.valuesPerStep, 2);
    EXPECT_EQ(r.bytesPerStep, 24);
    EXPECT_DOUBLE_EQ(r.firstDataDepth, 1000.0);
    EXPECT_DOUBLE_EQ(r.lastDataDepth, 1012.0);
    EXPECT_EQ(r.firstColWidth, 10);
    EXPECT_EQ(r.firstColDecimals, 4);
    EXPECT_EQ(r.dotCol, 6);
    EXPECT_EQ(r.valueCol, 16);
    EXPECT_EQ(r.colonCol, 26);
    EXPECT_EQ(lineAt(path, r.dataStartPos), " 1000.0000     10.0000");
    EXPECT_EQ(lineAt(path, r.lastStepPos), " 1012.0000     10.4800");
}

TEST(ScanLasFile, FindsTheLastStepOfWrappedData)
{
    const auto path = write("wrapped.las", header() + wrappedData(30, {5, 3}, 2000.0, 0.5));
    FileInfoRec r;
    ASSERT_EQ(scanLasFile(r, path), -1);
    EXPECT_EQ(r.wrapText, "YES");
    EXPECT_EQ(r.linesPerStep, 3);
    EXPECT_EQ(r.valuesPerStep, 9);
    EXPECT_DOUBLE_EQ(r.firstDataDepth, 2000.0);
    EXPECT_DOUBLE_EQ(r.lastDataDepth, 2014.5);
    EXPECT_EQ(lineAt(path, r.lastStepPos), "2014.5000");
    EXPECT_EQ(r.firstColWidth, 9);
    EXPECT_EQ(r.firstColDecimals, 4);
}

TEST(ScanLasFile, LayoutAndRangeEdgeCases)
{
    {
        SCOPED_TRACE("STRT line without leading blanks");
        FileInfoRec r;
        ASSERT_EQ(scanLasFile(r, write("strt.las", header("STRT.M 1000.0 : x") + unwrappedData(5, 3))), -1);
        EXPECT_EQ(r.dotCol, 5);
        EXPECT_EQ(r.valueCol, 8);
        EXPECT_EQ(r.colonCol, 15);
    }
    {
        SCOPED_TRACE("no STRT line");
        FileInfoRec r;
        ASSERT_EQ(scanLasFile(r, write("nostrt.las", header(" XXXX.M 1 : y") + unwrappedData(5, 3))), -1);
        EXPECT_EQ(r.dotCol, 7);
        EXPECT_EQ(r.valueCol, 15);
        EXPECT_EQ(r.colonCol, 50);
    }
    {
        SCOPED_TRACE("logged upwards");
        FileInfoRec r;
        ASSERT_EQ(scanLasFile(r, write("up.las", header(" STRT.M 1500.0 : x", "1000.0") + unwrappedData(5, 3))), -1);
        EXPECT_DOUBLE_EQ(r.lowDepth, 1000.0);
        EXPECT_DOUBLE_EQ(r.highDepth, 1500.0);
    }
    {
        SCOPED_TRACE("first value of 100000 or more");
        FileInfoRec r;
        ASSERT_EQ(scanLasFile(r, write("big.las", header() + unwrappedData(5, 3, 123456.5, 1.0))), -1);
        EXPECT_EQ(r.firstColDecimals, 6);
    }
}

TEST(ScanLasFile, IrregularDataKeepNothingOfThePreviousFile)
{
    FileInfoRec r;
    ASSERT_EQ(scanLasFile(r, write("first.las", header() + unwrappedData(10, 3))), -1);
    ASSERT_EQ(r.wrapText, "NO");
    const std::string irregular = "1 2 3\r\n4 5\r\n6 7 8 9\r\n1\r\n2 3\r\n4 5 6 7 8\r\n9 9\r\n";
    ASSERT_EQ(scanLasFile(r, write("irregular.las", header() + irregular)), -1);
    EXPECT_EQ(r.wrapText, "");
    EXPECT_EQ(r.linesPerStep, 0);
    EXPECT_EQ(r.bytesPerStep, 0);
    EXPECT_EQ(r.valuesPerStep, 0);
    EXPECT_EQ(r.firstColWidth, 0);
    EXPECT_EQ(r.firstColDecimals, 0);
    EXPECT_DOUBLE_EQ(r.lastDataDepth, 0);
    EXPECT_EQ(r.lastStepPos, 0);
}

TEST(ScanLasFile, WideFilesAnalyseWithoutOverflow)
{
    // 3000 curves: one data line of about 36,000 characters per step.
    const auto path = write("wide.las", header() + unwrappedData(20, 3000));
    FileInfoRec r;
    ASSERT_EQ(scanLasFile(r, path), -1);
    EXPECT_EQ(r.valuesPerStep, 3000);
    EXPECT_EQ(r.bytesPerStep, 10 + 12 * 2999 + 2);
    EXPECT_DOUBLE_EQ(r.lastDataDepth, 1000.0 + 0.25 * 19);
    EXPECT_EQ(lineAt(path, r.lastStepPos).substr(0, 10), " 1004.7500");
}

TEST(FileAnalysisSplitters, ColumnEndsMasksAndNumericFields)
{
    std::vector<std::int64_t> ends;
    std::vector<std::string> masks;
    ASSERT_EQ(splitFieldsToArray("  12.5   3", ends, masks), -1);
    EXPECT_EQ(ends, (std::vector<std::int64_t>{6, 10}));
    EXPECT_EQ(masks, (std::vector<std::string>{"0.0", "0"}));
    EXPECT_EQ(splitFieldsToArray("    ", ends, masks), 0);

    const auto f = awkSplitLine("  ABC 1.50  -2 ", " ");
    EXPECT_EQ(f, (std::vector<std::string>{"", "0", "1.5", "-2"}));
}

TEST(FileAnalysis, OverallDepthRangeSkipsFreeSlots)
{
    AppState state;
    double lo = 0, hi = 0;
    overallDepthRange(state, lo, hi);
    EXPECT_DOUBLE_EQ(lo, 1e13);
    EXPECT_DOUBLE_EQ(hi, -1e12);
    state.fileInfo[0].filePath = "a.las";
    state.fileInfo[0].lowDepth = 100;
    state.fileInfo[0].highDepth = 200;
    state.fileInfo[2].filePath = "b.las";
    state.fileInfo[2].lowDepth = 50;
    state.fileInfo[2].highDepth = 150;
    state.fileInfo[3].lowDepth = -1000;  // a free slot
    overallDepthRange(state, lo, hi);
    EXPECT_DOUBLE_EQ(lo, 50);
    EXPECT_DOUBLE_EQ(hi, 200);
}
