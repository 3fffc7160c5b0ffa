#pragma once
// The per-file and per-curve records that file analysis and the curve-section reader fill and
// the editor and the combine engine read.
#include <cstdint>
#include <string>

namespace corvalet::core {

// One analysed input file. A record whose filePath is empty is a free slot.
struct FileInfoRec {
    double strt = 0;            // ~W STRT value
    double stop = 0;            // ~W STOP value
    double step = 0;            // ~W STEP value
    double firstDataDepth = 0;  // first index value of the data, to four decimals
    double lastDataDepth = 0;   // index value of the last depth step of the data
    double lowDepth = 0;        // smaller of strt and stop
    double highDepth = 0;       // larger of strt and stop
    std::string nullText;       // ~W NULL value as written
    std::string rangeUnit;      // unit of the ~W STOP line
    std::string versText;       // ~V VERS value
    std::string wrapText;       // "YES" or "NO" as judged from the data
    int valuesPerStep = 0;      // values in one depth step (0 when undetermined)
    std::int64_t bytesPerStep = 0;  // bytes of one depth step, a CR LF counted per line
    std::int64_t linesPerStep = 0;  // text lines of one depth step
    std::int64_t dataStartPos = 0;  // 1-based byte position of the line after the ~A title
    std::int64_t lastStepPos = 0;   // 1-based byte position of the last depth step's first line
    std::string indexMnem;      // index mnemonic, always "DEPT"
    std::string filePath;       // full path; "" marks a free slot
    int firstColWidth = 0;      // column where the first value of the first step ends
    int firstColDecimals = 0;   // decimals of that value
    int dotCol = 0;             // column of the first "." of the STRT line
    int valueCol = 0;           // column where the STRT value begins
    int colonCol = 0;           // column of the first ":" of the STRT line
};

// One ~Curve item of an input file, with the output-side copy that the editor changes.
struct CurveInfoRec {
    bool selected = false;      // the curve goes into the new file
    std::string mnem;           // the four parts as read (trimmed, upper case)
    std::string unit;
    std::string value;
    std::string descr;
    float unitFactor = 0;       // factor of the unit in the unit library
    float unitOffset = 0;       // offset of the unit in the unit library
    std::string outMnem;        // output-side copy of the four parts
    std::string outUnit;
    std::string outValue;
    std::string outDescr;
    int outChannel = 0;         // channel of the new file that this curve fills
    float depthOffset = 0;      // depth shift applied to the curve's samples
    float fromDepth = 0;        // depth interval used in the new file; 0 leaves that end open
    float toDepth = 0;
};

} // namespace corvalet::core
