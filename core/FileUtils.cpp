#include "core/FileUtils.h"

#include "core/AppState.h"
#include "platform/Text.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <vector>
#include <filesystem>
#include <random>
#include <system_error>

namespace corvalet::core {

namespace fs = std::filesystem;
using platform::lowerAscii;
using platform::trimBlanks;

namespace {

std::size_t lastSeparator(std::string_view path)
{
    for (std::size_t i = path.size(); i > 0; --i)
        if (isPathSeparator(path[i - 1]))
            return i - 1;
    return std::string_view::npos;
}

bool hasSeparator(std::string_view path) { return lastSeparator(path) != std::string_view::npos; }

// The separator a path already uses: "\" only for a path written the Windows way.
char separatorFor(std::string_view path)
{
    const bool slash = path.find('/') != std::string_view::npos;
    const bool backslash = path.find('\\') != std::string_view::npos;
    if (slash)
        return '/';
    if (backslash || (!path.empty() && path.back() == ':'))
        return '\\';
    return '/';
}

// Glob match of a file name, ASCII case ignored.
bool matchesPattern(std::string_view name, std::string_view pattern)
{
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lowerAscii(pattern[p]) == lowerAscii(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

fs::path toPath(std::string_view path)
{
    std::string p(path);
    for (char& c : p)
        if (c == '\\')
            c = '/';
    return fs::path(p);
}

std::string uniqueSuffix()
{
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    return std::to_string(seed) + "-" + std::to_string(counter++);
}

} // namespace

std::string folderOfPath(std::string_view path)
{
    const std::string_view p = trimBlanks(path);
    if (p.empty())
        return {};
    if (isPathSeparator(p.back()))
        return std::string(p);
    if (p.back() == ':')
        return std::string(p) + separatorFor(p);
    const std::size_t sep = lastSeparator(p);
    if (sep == std::string_view::npos)
        return {};
    return std::string(p.substr(0, sep + 1));
}

std::string fileNameOfPath(std::string_view path)
{
    const std::string_view p = trimBlanks(path);
    if (p.empty() || isPathSeparator(p.back()) || p.back() == ':')
        return {};
    if (!hasSeparator(p) && p.find(':') == std::string_view::npos)
        return std::string(p);
    const std::size_t sep = lastSeparator(p);
    const std::string_view name = sep == std::string_view::npos ? p : p.substr(sep + 1);
    return std::string(name.substr(0, 200));
}

std::string addBackslash(std::string_view path)
{
    std::string p(path);
    if (p.empty() || isPathSeparator(p.back()))
        return p;
    p += separatorFor(p);
    return p;
}

std::string changeExtension(std::string_view path, std::string_view extension)
{
    const std::string_view p = trimBlanks(path);
    const std::string_view ext = trimBlanks(extension);
    if (p.empty() || ext.empty())
        return std::string(p);
    const std::size_t sep = lastSeparator(p);
    const std::size_t nameStart = sep == std::string_view::npos ? 0 : sep + 1;
    const std::size_t dot = p.rfind('.');
    std::string result;
    if (dot != std::string_view::npos && dot >= nameStart)
        result.assign(p.substr(0, dot));
    else
        result.assign(p);
    result += '.';
    result += ext;
    return result;
}

bool isValidFileName(std::string_view name)
{
    return name.find_first_of("/\\:*?<>|\"") == std::string_view::npos;
}

bool fileExists(std::string_view path)
{
    if (trimBlanks(path).empty())
        return false;
    std::error_code ec;
    return fs::is_regular_file(toPath(path), ec);
}

KillResult killFiles(std::string_view pathOrPattern)
{
    KillResult result;
    const std::string_view pattern = trimBlanks(pathOrPattern);
    if (pattern.empty())
        return result;
    const std::string name = fileNameOfPath(pattern);
    std::error_code ec;
    auto removeOne = [&](const fs::path& p) {
        std::error_code rec;
        if (fs::is_directory(fs::symlink_status(p, rec)))
            return;
        if (fs::remove(p, rec))
            ++result.deleted;
        else if (rec)
            result.failed.push_back(p.string());
    };
    if (name.find_first_of("*?") == std::string::npos) {
        const fs::path p = toPath(pattern);
        if (fs::exists(fs::symlink_status(p, ec)))
            removeOne(p);
        return result;
    }
    std::string folder = folderOfPath(pattern);
    const fs::path dir = folder.empty() ? fs::path(".") : toPath(folder);
    std::vector<fs::path> matches;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (matchesPattern(it->path().filename().string(), name))
            matches.push_back(it->path());
    }
    for (const auto& p : matches)
        removeOne(p);
    return result;
}

namespace {

// The whole file into `text`; false when it cannot be opened or read.
bool readAll(const std::string& path, std::string& text)
{
    text.clear();
    std::FILE* f = std::fopen(toPath(path).c_str(), "rb");
    if (!f)
        return false;
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        text.append(buffer, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        text.clear();
    return !failed;
}

} // namespace

std::optional<std::string> readWholeFile(const std::string& path)
{
    if (!fileExists(path))
        return std::nullopt;
    std::string text;
    readAll(path, text);
    return text;
}

bool writeFileReplacing(const std::string& target, const FileProducer& write)
{
    const fs::path targetPath = toPath(target);
    if (targetPath.filename().empty())
        return false;
    const fs::path temp =
        targetPath.parent_path() / ("~~" + targetPath.filename().string() + "." + uniqueSuffix() + ".tmp");
    std::FILE* f = std::fopen(temp.c_str(), "wbx");
    if (!f)
        return false;
    bool ok = write(f);
    ok = std::fflush(f) == 0 && ok;
    ok = std::ferror(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    std::error_code ec;
    if (ok) {
        const auto st = fs::status(targetPath, ec);
        if (!ec && fs::exists(st))
            fs::permissions(temp, st.permissions(), ec);  // best effort: keep the target's mode
        fs::rename(temp, targetPath, ec);
        ok = !ec;
    }
    if (!ok)
        fs::remove(temp, ec);
    return ok;
}

bool writeFileReplacing(const std::string& target, std::string_view contents)
{
    return writeFileReplacing(target, [contents](std::FILE* f) {
        return std::fwrite(contents.data(), 1, contents.size(), f) == contents.size();
    });
}

ReplaceResult replaceInFile(AppState& state, const std::string& input, const std::string& output,
                            std::string_view search, std::string_view replacement, const JobHooks& hooks)
{
    struct Busy {
        const JobHooks& hooks;
        explicit Busy(const JobHooks& h) : hooks(h) { if (hooks.setBusy) hooks.setBusy(true); }
        ~Busy() { if (hooks.setBusy) hooks.setBusy(false); }
    } busy(hooks);

    state.procInFile = input;
    state.procOutFile = output;
    state.progressText = "Doing Search and Replace. Please Wait...";
    if (!state.quietMode && hooks.doEvents)
        hooks.doEvents();

    // An input that cannot be read is a failure, never an empty output.
    if (!fileExists(input))
        return state.userCancelled ? ReplaceResult::Cancelled : ReplaceResult::Failed;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(input.c_str(), "rb"), &std::fclose);
    if (!in)
        return state.userCancelled ? ReplaceResult::Cancelled : ReplaceResult::Failed;

    // The file streams through in blocks, so its size never matters. The last search.size() - 1
    // bytes of a block wait for the next one, as a match may run across the boundary.
    const auto produce = [&](std::FILE* out) {
        const auto put = [out](std::string_view bytes) {
            return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        };
        std::vector<char> block(std::size_t(1) << 20);
        std::string pending;
        while (true) {
            if (state.userCancelled)
                return false;
            const std::size_t got = std::fread(block.data(), 1, block.size(), in.get());
            if (got < block.size() && std::ferror(in.get()))
                return false;
            const bool atEnd = got < block.size();
            pending.append(block.data(), got);
            std::size_t from = 0;
            const std::size_t settled =
                search.empty() || atEnd ? pending.size()
                                        : (pending.size() >= search.size() ? pending.size() - search.size() + 1 : 0);
            while (!search.empty()) {
                const std::size_t at = platform::findNoCase(pending, search, from);
                if (at == std::string::npos || at >= settled)
                    break;
                if (!put(std::string_view(pending).substr(from, at - from)) || !put(replacement))
                    return false;
                from = at + search.size();
            }
            const std::size_t upTo = std::max(from, settled);
            if (!put(std::string_view(pending).substr(from, upTo - from)))
                return false;
            pending.erase(0, upTo);
            if (atEnd)
                return !state.userCancelled;
        }
    };
    if (!writeFileReplacing(output, produce))
        return state.userCancelled ? ReplaceResult::Cancelled : ReplaceResult::Failed;
    return ReplaceResult::Done;
}

bool hasLasExtension(std::string_view path)
{
    return platform::endsWithNoCase(fileNameOfPath(path), ".las");
}

bool sameFile(const std::string& a, const std::string& b)
{
    auto portable = [](std::string p) {
        std::replace(p.begin(), p.end(), '\\', '/');
        return fs::path(p);
    };
    const fs::path pa = portable(a), pb = portable(b);
    std::error_code ec;
    if (fs::exists(pa, ec) && fs::exists(pb, ec)) {
        const bool same = fs::equivalent(pa, pb, ec);
        if (!ec)
            return same;
    }
    ec.clear();
    const fs::path ca = fs::weakly_canonical(fs::absolute(pa, ec), ec);
    if (ec)
        return pa.lexically_normal() == pb.lexically_normal();
    const fs::path cb = fs::weakly_canonical(fs::absolute(pb, ec), ec);
    if (ec)
        return pa.lexically_normal() == pb.lexically_normal();
    return ca == cb;
}

} // namespace corvalet::core
