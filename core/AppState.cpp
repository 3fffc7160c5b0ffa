#include "core/AppState.h"

namespace corvalet::core {

namespace {

struct FunRow {
    const char* caption;
    const char* mnemonic;
    const char* key;
};

constexpr FunRow funRows[16] = {
    {"Create Conductivity from selected Resistivity", "CILD", "RES2COND"},
    {"Create Resistivity from selected Conductivity", "ILD", "COND2RES"},
    {"Create Porosity from selected Bulk Density", "DPHI", "BULKDEN2PORO"},
    {"Create Bulk Density from selected Porosity", "RHOB", "PORO2BULKDEN"},
    {"Change Density Porosity Matrix", "DPHI", "DENMATRIX"},
    {"Create Porosity from selected Sonic Transit Time", "SPHI", "DT2PORO"},
    {"Create Sonic Transit Time from selected Porosity", "DT", "PORO2DT"},
    {"Change Neutron Porosity Matrix (TNPH CP 1e)", "NPHI", "NPORCP1E"},
    {"Change Neutron Porosity Matrix (NPHI CP 1c)", "NPHI", "NPHICP1c"},
    {"Create Neutron Porosity from Neutron Count Rates", "NPHI", "NEUTCR2PORO"},
    {"Apply Math Function", "", "MATH"},
    {"Min/Max", "", "MINMAX"},
    {"Compute Porosity Average (PHIT)", "", "AVEPORO"},
    {"Replace one value with another", "", "REPLACE"},
    {"Average the Data", "", "AVERAGE"},
    {"Scale Conversions", "", "SCALE"},
};

constexpr std::int32_t colors[16] = {
    0x80FFFF, 0xFFFF00, 0x00FF00, 0x80C0FF, 0x008000, 0xFF0000, 0x00FFFF, 0xFFFFFF,
    0x404040, 0x800000, 0x808000, 0x000080, 0x800080, 0x80FFFF, 0x808080, 0xC0C0C0,
};

constexpr float matrix[13] = {1.0f, 2.65f, 2.71f, 2.87f, 2.65f, 2.71f, 2.87f,
                              2.65f, 2.71f, 2.87f, 55.5f, 47.6f, 43.5f};

// Porosity points shared by both charts, then each chart's values; point 13 stays 0.
constexpr float chartPoints[13] = {-0.02f, 0.0f, 0.05f, 0.10f, 0.15f, 0.20f, 0.25f,
                                   0.30f, 0.35f, 0.40f, 0.45f, 0.50f, 1.0f};
constexpr float chart1Values[13] = {-0.02f, -0.0187f, 0.0202f, 0.0636f, 0.1094f, 0.1571f, 0.2062f,
                                    0.2564f, 0.3076f, 0.3595f, 0.4121f, 0.464f, 0.973f};
constexpr float chart2Values[13] = {-0.02f, 0.025f, 0.1145f, 0.178f, 0.2265f, 0.272f, 0.3145f,
                                    0.354f, 0.39f, 0.437f, 0.484f, 0.531f, 1.0f};

void fillChart(Table<float>& chart, const float (&values)[13])
{
    chart.redim(13, 1);
    for (int i = 0; i < 13; ++i) {
        chart(i, 0) = chartPoints[i];
        chart(i, 1) = values[i];
    }
}

} // namespace

void initGlobals(AppState& s)
{
    s.sectionTable.redim(5, 0);
    s.sectionAssocTable.redim(3, 0);

    s.sectionMarker = "~";
    s.pipeDelimiter = "|";

    s.crPoroValues.fill(0.0f);
    s.certifyResults.redim(1, 0);
    s.tvdTable.redim(3, 5000);
    for (int row = 0; row <= 5000; ++row)
        for (int field = 0; field <= 3; ++field)
            s.tvdTable(field, row) = tvdEmpty;
    s.tvdTable(0, 0) = 0.0f;  // no stations yet

    for (int i = 0; i < 16; ++i)
        s.fileColors[static_cast<std::size_t>(i)] = colors[i];

    s.dataMatrix.redim(0, 0);
    s.fileInfo.fill(FileInfoRec{});
    for (auto& curves : s.curveInfo)
        curves.assign(1, CurveInfoRec{});

    s.unitGroups.redim(1, 0);
    s.unitLibrary.redim(3, 0);
    s.curveRows.redim(6, 0);
    s.sectionRows.redim(6, 0);
    s.curveLibrary.redim(2, 0);
    s.curveGroups.redim(3, 0);
    s.paraTable.redim(4, 0);

    for (int i = 0; i < 13; ++i)
        s.matrixValues[static_cast<std::size_t>(i)] = matrix[i];

    s.densityUnit = {1, "kg/m3"};
    s.sonicUnit = {1, "us/f"};

    s.poro_units = "V/V";
    s.currentLASFile.clear();

    fillChart(s.neutronChart1, chart1Values);
    fillChart(s.neutronChart2, chart2Values);

    s.funTable.redim(2, 16);
    for (int row = 1; row <= 16; ++row) {
        const FunRow& f = funRows[row - 1];
        s.funTable(0, row) = f.caption;
        s.funTable(1, row) = f.mnemonic;
        s.funTable(2, row) = f.key;
    }
}

} // namespace corvalet::core
