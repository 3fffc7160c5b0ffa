#pragma once
// What a file is before it is opened as LAS: a usable LAS file, one with broken line ends, an
// ASCII save of the interpretation platform, a file that is LAS only by name, or unusable. The
// checks read a few kilobytes, except the LAS sniff, which may read up to half of a large file and
// stops as soon as it has its answer. Also the two repairs offered at this point: the platform
// export's ~Curve/XWELL/YWELL line, and bare LF line ends.
#include <cstdint>
#include <string>
#include <string_view>

namespace corvalet::platform {
class Dialogs;
}

namespace corvalet::core {

// File-kind codes of detectFileKind.
enum class FileKind : int {
    Las = -1,
    Unusable = 0,
    UnixTermination = 1,
    Ostrelle2x = 2,
    Ostrelle35 = 3,
    NotBasicLas = 4,
};
[[nodiscard]] std::string_view fileKindLabel(FileKind kind);

// Line-end codes of checkLineEnds.
enum class LineEnds : int { Clean = -1, Undetermined = 0, BareLf = 1, Missing = 2, Empty = 3, Binary = 4 };

// May first offer the XWELL/YWELL repair through the dialogs (a quiet run answers No).
FileKind detectFileKind(const std::string& path, platform::Dialogs& dialogs);

// 1 when the file name's extension is not ".las"; -1 when "~V" and "~W" were found; 2 otherwise;
// 0 on an error.
int sniffLas(const std::string& path);
// 1, 2 (with ~C and TAB) or 3 (with ~C, no TAB) for a platform ASCII save; -1 otherwise; 0 on an error.
int sniffAsciiSaveType(const std::string& path);
// True when the file begins (blanks aside) with "PrimaryIndex" and holds "[A" in its first 2048 bytes.
bool isPrimaryIndexFile(const std::string& path);
// True when the first 8192 bytes hold the survey-report banner.
bool isSurveyReport(const std::string& path);
LineEnds checkLineEnds(const std::string& path);

// Offers to repair the platform export defect (the ~Curve title, XWELL and YWELL on one line
// before ~A). On Yes only that line changes, to "~Curve"; the file is replaced through a complete
// copy. True when the file was repaired.
bool fixQVBadLas(const std::string& path, platform::Dialogs& dialogs);

// 1-based byte position of the first LF not preceded by a CR; 0 when there is none or the file
// cannot be read.
std::int64_t hasLfOnlyLines(const std::string& path);

// Writes `source` to `target` with every bare LF turned into CR LF; CR LF and CR stay as they are,
// so a repaired file repaired again is unchanged. `target` may be `source`: it is replaced only by
// a complete copy. False when nothing could be written.
bool convertBareLf(const std::string& source, const std::string& target);

} // namespace corvalet::core
