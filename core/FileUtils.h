#pragma once
// Path splitting and joining, file-name checks, existence tests, deletion, whole-file reading and
// the whole-file search-and-replace. Paths use "/", and "\" is accepted as a separator too.
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalet::core {

struct AppState;

[[nodiscard]] constexpr bool isPathSeparator(char c) { return c == '/' || c == '\\'; }

// The folder part with its trailing separator; "" when the path has none. A bare drive ("C:")
// becomes its root folder.
[[nodiscard]] std::string folderOfPath(std::string_view path);
// The part after the last separator, at most 200 characters; "" for a path ending in a separator
// or ":". The path is trimmed of blanks first.
[[nodiscard]] std::string fileNameOfPath(std::string_view path);
// True when both paths name the same file: the same file on disk when both exist, else the same
// normalised absolute path ("\" read as "/"). Never a comparison of the texts.
[[nodiscard]] bool sameFile(const std::string& a, const std::string& b);
// True when the file name's own extension is ".las" in any case ("x.las/data" and
// "well.las.bak" are not LAS names).
[[nodiscard]] bool hasLasExtension(std::string_view path);
// The path with a separator appended unless it already ends with one. An empty path stays empty,
// so that joining it with a name gives a relative name rather than one in the root folder.
[[nodiscard]] std::string addBackslash(std::string_view path);
// The path with the extension of its file name replaced or added ("las", "unixterm.las"). A "."
// in a folder name is never taken for an extension. Both are trimmed of blanks first; an empty
// path or extension gives the path unchanged.
[[nodiscard]] std::string changeExtension(std::string_view path, std::string_view extension);
// False when the name holds / \ : * ? < > | or a double quote.
[[nodiscard]] bool isValidFileName(std::string_view name);
// True when the path names an existing regular file (not a folder); False for "" and on error.
[[nodiscard]] bool fileExists(std::string_view path);

struct KillResult {
    int deleted = 0;
    std::vector<std::string> failed;  // paths that matched but could not be deleted
    [[nodiscard]] bool ok() const { return failed.empty(); }
};
// Deletes the file named, or every file whose name matches the pattern ("*" and "?" in the file
// name part, ASCII case ignored). Folders are never deleted. Nothing matching is no failure.
KillResult killFiles(std::string_view pathOrPattern);

// The whole file as bytes. std::nullopt when the file does not exist (the caller tests
// fileExists first); "" when it exists but cannot be read.
[[nodiscard]] std::optional<std::string> readWholeFile(const std::string& path);

// Writes a complete new copy of `target` through `write` into a temporary file beside it and
// renames that over the target only when every byte was written; the temporary file is removed on
// every other outcome, so the target is either the old file or the complete new one. The target
// keeps its permissions. False when anything failed.
using FileProducer = std::function<bool(std::FILE*)>;
bool writeFileReplacing(const std::string& target, const FileProducer& write);
bool writeFileReplacing(const std::string& target, std::string_view contents);

enum class ReplaceResult { Done = -1, Failed = 0, Cancelled = 1 };

struct JobHooks {
    std::function<void()> doEvents;          // lets the event loop run once
    std::function<void(bool busy)> setBusy;  // hourglass pointer on / off
};

// Replaces every occurrence of `search` (ASCII case ignored) in the input file by `replacement`
// and writes the result to the output, which may be the input itself; the file streams through
// in blocks, so its size does not matter. Sets procInFile,
// procOutFile and progressText; lets the event loop run once unless quietMode; writes nothing
// once userCancelled is set. An empty search text copies the input unchanged.
ReplaceResult replaceInFile(AppState& state, const std::string& input, const std::string& output,
                            std::string_view search, std::string_view replacement,
                            const JobHooks& hooks = {});

// This program never runs inside a development environment.
[[nodiscard]] constexpr bool isInIDE() { return false; }

} // namespace corvalet::core
