#pragma once
// Analysis of a LAS file into its input-file record: depth range and step from ~Well, the layout
// of the STRT line, the version, whether the ~A data are wrapped (judged from the data), the
// first data column's width and decimals, and where the data start and the last step begins.
// Only the header, a sample of the first data lines and the file's tail are read, so a file of
// hundreds of MB is analysed in milliseconds.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvalet::core {

struct AppState;
struct FileInfoRec;

enum class WrapKind { Error = 0, OneLine = 1, Wrapped = 2, Undetermined = 3 };

struct DataWrap {
    std::int64_t linesPerStep = 0;
    std::int64_t bytesPerStep = 0;   // a CR LF counted for each line
    std::int64_t valuesPerStep = 0;
};

// -1 when the record `index` (0..3) of state.fileInfo was filled, 0 on an error.
int scanLasFile(AppState& state, const std::string& path, int index);
// The same on a record of the caller's.
int scanLasFile(FileInfoRec& record, const std::string& path);

WrapKind detectDataWrap(const std::string& path, DataWrap& wrap);

// Joins the first `lines` non-empty data lines and measures their fields: end columns (from 1)
// and number masks, index 0 first. -1 on success, 0 on an error.
int countDataCols(const std::string& path, std::int64_t lines, std::vector<std::int64_t>& columnEnds,
                  std::vector<std::string>& masks);

// First and last index value of the data, and the byte positions where the data start (0) and
// where the last depth step begins (1). Always -1.
int readDataDepthRange(const std::string& path, std::int64_t valuesPerStep, std::int64_t bytesPerStep,
                       std::string_view wrapText, double depths[2], std::int64_t positions[3]);

// The smallest and largest depth over the loaded input records (0..3). Always -1; with no input
// loaded lo stays 1e13 and hi -1e12.
int overallDepthRange(const AppState& state, double& lo, double& hi);

// End columns (from 1) and number masks of the blank-separated fields of a data line.
// -1 when the line has fields, 0 for a blank line.
int splitFieldsToArray(std::string_view line, std::vector<std::int64_t>& columnEnds, std::vector<std::string>& masks);

// Fields 1..n of the line split at the separator, each written back as the shortest text of its
// numeric reading ("1.50" -> "1.5", "ABC" -> "0"); element 0 stays empty.
std::vector<std::string> awkSplitLine(std::string_view line, std::string_view separator);

} // namespace corvalet::core
