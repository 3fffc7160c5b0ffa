#include "core/AppState.h"

#include <gtest/gtest.h>

namespace corvalet::core {
namespace {

class AppStateTest : public ::testing::Test {
protected:
    void SetUp() override { initGlobals(state); }
    AppState state;
};

TEST_F(AppStateTest, FunctionTableHoldsTheSixteenFunctionsFromRowOne)
{
    struct Row {
        int row;
        const char* caption;
        const char* mnemonic;
        const char* key;
    };
    const Row rows[] = {
        {1, "Create Conductivity from selected Resistivity", "CILD", "RES2COND"},
        {2, "Create Resistivity from selected Conductivity", "ILD", "COND2RES"},
        {3, "Create Porosity from selected Bulk Density", "DPHI", "BULKDEN2PORO"},
        {4, "Create Bulk Density from selected Porosity", "RHOB", "PORO2BULKDEN"},
        {5, "Change Density Porosity Matrix", "DPHI", "DENMATRIX"},
        {6, "Create Porosity from selected Sonic Transit Time", "SPHI", "DT2PORO"},
        {7, "Create Sonic Transit Time from selected Porosity", "DT", "PORO2DT"},
        {8, "Change Neutron Porosity Matrix (TNPH CP 1e)", "NPHI", "NPORCP1E"},
        {9, "Change Neutron Porosity Matrix (NPHI CP 1c)", "NPHI", "NPHICP1c"},
        {10, "Create Neutron Porosity from Neutron Count Rates", "NPHI", "NEUTCR2PORO"},
        {11, "Apply Math Function", "", "MATH"},
        {12, "Min/Max", "", "MINMAX"},
        {13, "Compute Porosity Average (PHIT)", "", "AVEPORO"},
        {14, "Replace one value with another", "", "REPLACE"},
        {15, "Average the Data", "", "AVERAGE"},
        {16, "Scale Conversions", "", "SCALE"},
    };
    ASSERT_EQ(state.funTable.fieldUpper(), 2);
    ASSERT_EQ(state.funTable.rowUpper(), 16);
    for (int field = 0; field <= 2; ++field)
        EXPECT_EQ(state.funTable(field, 0), "");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(state.funTable(0, r.row), r.caption);
        EXPECT_EQ(state.funTable(1, r.row), r.mnemonic);
        EXPECT_EQ(state.funTable(2, r.row), r.key);
    }
}

TEST_F(AppStateTest, MatrixValuesAndNeutronChartsHoldTheirStartValues)
{
    const float matrix[13] = {1.0f, 2.65f, 2.71f, 2.87f, 2.65f, 2.71f, 2.87f,
                              2.65f, 2.71f, 2.87f, 55.5f, 47.6f, 43.5f};
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(state.matrixValues[static_cast<std::size_t>(i)], matrix[i]);
    }

    struct Point {
        float porosity, chart1, chart2;
    };
    const Point points[14] = {
        {-0.02f, -0.02f, -0.02f},  {0.0f, -0.0187f, 0.025f},   {0.05f, 0.0202f, 0.1145f},
        {0.10f, 0.0636f, 0.178f},  {0.15f, 0.1094f, 0.2265f},  {0.20f, 0.1571f, 0.272f},
        {0.25f, 0.2062f, 0.3145f}, {0.30f, 0.2564f, 0.354f},   {0.35f, 0.3076f, 0.39f},
        {0.40f, 0.3595f, 0.437f},  {0.45f, 0.4121f, 0.484f},   {0.50f, 0.464f, 0.531f},
        {1.0f, 0.973f, 1.0f},      {0.0f, 0.0f, 0.0f},
    };
    ASSERT_EQ(state.neutronChart1.fieldUpper(), 13);
    ASSERT_EQ(state.neutronChart1.rowUpper(), 1);
    ASSERT_EQ(state.neutronChart2.fieldUpper(), 13);
    for (int i = 0; i < 14; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(state.neutronChart1(i, 0), points[i].porosity);
        EXPECT_EQ(state.neutronChart2(i, 0), points[i].porosity);
        EXPECT_EQ(state.neutronChart1(i, 1), points[i].chart1);
        EXPECT_EQ(state.neutronChart2(i, 1), points[i].chart2);
    }
}

TEST_F(AppStateTest, FileColoursAreTheSixteenSlotAndSeriesColours)
{
    const std::int32_t colours[16] = {0x80FFFF, 0xFFFF00, 0x00FF00, 0x80C0FF, 0x008000, 0xFF0000,
                                      0x00FFFF, 0xFFFFFF, 0x404040, 0x800000, 0x808000, 0x000080,
                                      0x800080, 0x80FFFF, 0x808080, 0xC0C0C0};
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(state.fileColors[static_cast<std::size_t>(i)], colours[i]);
    }
    // Blue sits in the high byte: slot 0 is a light yellow (red 255, green 255, blue 128).
    EXPECT_EQ(state.fileColors[0] & 0xFF, 255);
    EXPECT_EQ((state.fileColors[0] >> 16) & 0xFF, 128);
}

TEST_F(AppStateTest, GrowableTablesStartWithOnlyTheirEmptyRowZero)
{
    struct Shape {
        const char* name;
        const TextTable& table;
        int fieldUpper;
    };
    const Shape shapes[] = {
        {"sectionTable", state.sectionTable, 5},   {"sectionAssocTable", state.sectionAssocTable, 3},
        {"curveRows", state.curveRows, 6},         {"sectionRows", state.sectionRows, 6},
        {"paraTable", state.paraTable, 4},         {"curveLibrary", state.curveLibrary, 2},
        {"curveGroups", state.curveGroups, 3},     {"unitLibrary", state.unitLibrary, 3},
        {"unitGroups", state.unitGroups, 1},       {"certifyResults", state.certifyResults, 1},
    };
    for (const Shape& s : shapes) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(s.table.fieldUpper(), s.fieldUpper);
        EXPECT_EQ(s.table.rowUpper(), 0);
        for (int f = 0; f <= s.fieldUpper; ++f)
            EXPECT_EQ(s.table(f, 0), "");
    }
    EXPECT_EQ(state.dataMatrix.fieldUpper(), 0);
    EXPECT_EQ(state.dataMatrix.rowUpper(), 0);
    for (const auto& curves : state.curveInfo)
        EXPECT_EQ(curves.size(), 1u);
    for (const auto& info : state.fileInfo)
        EXPECT_EQ(info.filePath, "");
}

TEST_F(AppStateTest, StartValuesOfUnitsMarkersAndInclinometry)
{
    EXPECT_EQ(state.sectionMarker, "~");
    EXPECT_EQ(state.pipeDelimiter, "|");
    EXPECT_EQ(state.poro_units, "V/V");
    EXPECT_EQ(state.densityUnit.factor, 1);
    EXPECT_EQ(state.densityUnit.unit, "kg/m3");
    EXPECT_EQ(state.sonicUnit.factor, 1);
    EXPECT_EQ(state.sonicUnit.unit, "us/f");
    EXPECT_EQ(state.depthUnit.unit, "");
    EXPECT_EQ(state.depthUnit.factor, 0);
    EXPECT_FALSE(state.curvLibOpen);

    ASSERT_EQ(state.tvdTable.fieldUpper(), 3);
    ASSERT_EQ(state.tvdTable.rowUpper(), 5000);
    EXPECT_EQ(state.tvdTable(0, 0), 0.0f);  // no stations
    EXPECT_EQ(state.tvdTable(0, 1), tvdEmpty);
    EXPECT_EQ(state.tvdTable(3, 5000), tvdEmpty);
    for (float v : state.crPoroValues)
        EXPECT_EQ(v, 0.0f);
}

TEST_F(AppStateTest, InitialisingAgainResetsWhatLoadersChanged)
{
    state.curveLibrary.redimPreserve(3);
    state.curveLibrary(1, 2) = "GR";
    state.curveInfo[2].resize(7);
    state.currentLASFile = "/data/well.las";
    initGlobals(state);
    EXPECT_EQ(state.curveLibrary.rowUpper(), 0);
    EXPECT_EQ(state.curveInfo[2].size(), 1u);
    EXPECT_EQ(state.currentLASFile, "");
}

} // namespace
} // namespace corvalet::core
