#include "core/FileKinds.h"

#include "core/FileUtils.h"
#include "platform/Dialogs.h"
#include "platform/LineReader.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace corvalet::core {

using platform::containsNoCase;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const
    {
        if (f)
            std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openRead(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return nullptr;
    return File(std::fopen(path.c_str(), "rb"));
}

// Up to `count` bytes from `offset`; false when the file cannot be read.
bool readBytes(const std::string& path, std::int64_t offset, std::size_t count, std::string& out)
{
    File f = openRead(path);
    if (!f)
        return false;
    if (offset > 0 && std::fseek(f.get(), static_cast<long>(offset), SEEK_SET) != 0)
        return false;
    out.resize(count);
    const std::size_t got = std::fread(out.data(), 1, count, f.get());
    out.resize(got);
    return !std::ferror(f.get());
}

std::int64_t fileLength(const std::string& path)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? -1 : static_cast<std::int64_t>(size);
}

// The character just before and just after the first occurrence of `pattern`, each kept only
// when it is CR or LF.
struct Neighbours {
    char before = 0;
    char after = 0;
};

Neighbours neighboursOf(std::string_view text, std::string_view pattern)
{
    Neighbours n;
    const auto at = text.find(pattern);
    if (at == std::string_view::npos)
        return n;
    const auto isEnd = [](char c) { return c == '\r' || c == '\n'; };
    if (at > 0 && isEnd(text[at - 1]))
        n.before = text[at - 1];
    const auto past = at + pattern.size();
    if (past < text.size() && isEnd(text[past]))
        n.after = text[past];
    return n;
}

bool cleanCrLf(std::string_view text)
{
    const Neighbours n = neighboursOf(text, "\r\n");
    return n.before != '\r' && n.after != '\n';
}

bool bareLf(std::string_view text)
{
    const Neighbours n = neighboursOf(text, "\n");
    return n.before != '\r' && n.after != '\r';
}

bool isDefectLine(std::string_view line)
{
    return containsNoCase(line, "~C") && containsNoCase(line, "YWELL") && containsNoCase(line, "XWELL");
}

} // namespace

std::string_view fileKindLabel(FileKind kind)
{
    switch (kind) {
    case FileKind::Las:
        return "LAS File";
    case FileKind::Unusable:
        return "Unusable File!";
    case FileKind::UnixTermination:
        return "Unix Termination";
    case FileKind::Ostrelle2x:
        return "Ostrelle 2.X LAS";
    case FileKind::Ostrelle35:
        return "Ostrelle 3.5 or earlier LAS";
    case FileKind::NotBasicLas:
        return "Not Basic LAS!";
    }
    return "Unusable File!";
}

int sniffLas(const std::string& path)
{
    // Only the file name's own extension counts ("x.las/data" or "data.las.bak" are not LAS).
    if (!hasLasExtension(path))
        return 1;
    const std::int64_t length = fileLength(path);
    File f = openRead(path);
    if (length < 0 || !f)
        return 0;
    // Files over 32000 bytes are judged on their first half: both titles belong near the top.
    const std::int64_t n = length > 32000 ? platform::roundHalfEven(static_cast<double>(length) / 2.0) : length;
    std::int64_t remaining = n + 1;
    bool foundV = false;
    bool foundW = false;
    char carry = 0;  // the last byte of the previous block, whose successor is now known
    std::string block(std::size_t(1) << 16, '\0');
    while (remaining > 0 && !(foundV && foundW)) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(remaining, std::int64_t(block.size())));
        const std::size_t got = std::fread(block.data(), 1, want, f.get());
        if (got == 0)
            break;
        remaining -= static_cast<std::int64_t>(got);
        const auto mark = [&](char next) {
            if (next == 'V' || next == 'v')
                foundV = true;
            else if (next == 'W' || next == 'w')
                foundW = true;
        };
        if (carry == '~')
            mark(block[0]);
        const char* p = block.data();
        const char* end = block.data() + got;
        while ((p = static_cast<const char*>(std::memchr(p, '~', static_cast<std::size_t>(end - p)))) != nullptr) {
            if (p + 1 < end)
                mark(p[1]);
            ++p;
        }
        carry = block[got - 1];
    }
    if (std::ferror(f.get()))
        return 0;
    return (foundV && foundW) ? -1 : 2;
}

int sniffAsciiSaveType(const std::string& path)
{
    std::string head;
    if (!readBytes(path, 0, 2048, head))
        return 0;
    const std::string_view text = platform::trimBlanks(head);
    if (text.empty() || text[0] != '#' || !containsNoCase(head, "Ascii save"))
        return -1;
    if (!containsNoCase(head, "~C"))
        return 1;
    return head.find('\t') != std::string::npos ? 2 : 3;
}

bool isPrimaryIndexFile(const std::string& path)
{
    std::string head;
    if (!readBytes(path, 0, 2048, head) || head.size() < 2048)
        return false;
    // Blank lines before the title are allowed, so line ends are trimmed with the blanks.
    std::string_view text = head;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\r' || text.front() == '\n'))
        text.remove_prefix(1);
    return platform::startsWithNoCase(text, "PrimaryIndex") && containsNoCase(text, "[A");
}

bool isSurveyReport(const std::string& path)
{
    std::string head;
    if (!readBytes(path, 0, 8192, head))
        return false;
    return containsNoCase(head, "KESTROVANDER Survey Report");
}

LineEnds checkLineEnds(const std::string& path)
{
    const std::int64_t length = fileLength(path);
    if (length < 0 || !fileExists(path))
        return LineEnds::Missing;
    if (length == 0)
        return LineEnds::Empty;
    std::string head;
    std::string tail;
    if (!readBytes(path, 0, 4096, head))
        return LineEnds::Missing;
    if (length <= 4096)
        tail = head;
    else if (!readBytes(path, length - 4096, 4096, tail))
        return LineEnds::Missing;
    if (head.find('\0') != std::string::npos)
        return LineEnds::Binary;
    if (head.find("\r\n") != std::string::npos) {
        if (!cleanCrLf(tail))
            return LineEnds::Undetermined;
        if (cleanCrLf(head))
            return LineEnds::Clean;
        return bareLf(tail) ? LineEnds::BareLf : LineEnds::Undetermined;
    }
    return bareLf(tail) ? LineEnds::BareLf : LineEnds::Undetermined;
}

bool fixQVBadLas(const std::string& path, platform::Dialogs& dialogs)
{
    platform::LineReader in;
    if (!in.open(path))
        return false;
    platform::Line line;
    std::int64_t defectStart = 0;
    std::int64_t textEnd = 0;
    while (in.next(line)) {
        if (containsNoCase(line.text, "~A"))
            break;
        if (isDefectLine(line.text)) {
            defectStart = line.start;
            textEnd = line.start + static_cast<std::int64_t>(line.text.size());
            break;
        }
    }
    in.close();
    if (defectStart == 0)
        return false;
    const int answer = dialogs.msgBox(
        "LAS found to have a common Ostrelle error (XWELL/YWELL/~Curve all on same line). Do you want to repair it now?",
        platform::MsgStyle::YesNo | platform::MsgStyle::Question, {}, platform::MsgResult::No);
    if (answer != platform::MsgResult::Yes)
        return false;
    const auto original = readWholeFile(path);
    if (!original || original->empty())
        return false;
    // Only the defect line changes; its own line end and every other byte are kept as they are.
    const std::string_view bytes = *original;
    const auto before = static_cast<std::size_t>(defectStart - 1);
    const auto after = static_cast<std::size_t>(textEnd - 1);
    std::string repaired;
    repaired.reserve(bytes.size());
    repaired.append(bytes.substr(0, before));
    repaired.append("~Curve");
    repaired.append(bytes.substr(after));
    return writeFileReplacing(path, repaired);
}

std::int64_t hasLfOnlyLines(const std::string& path)
{
    File f = openRead(path);
    if (!f)
        return 0;
    std::string block(std::size_t(1) << 20, '\0');
    std::int64_t offset = 0;
    char previous = 0;
    while (true) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), f.get());
        if (got == 0)
            return 0;
        const char* base = block.data();
        const char* p = base;
        const char* end = base + got;
        while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr) {
            const char before = p == base ? previous : p[-1];
            if (before != '\r')
                return offset + (p - base) + 1;
            ++p;
        }
        previous = block[got - 1];
        offset += static_cast<std::int64_t>(got);
    }
}

bool convertBareLf(const std::string& source, const std::string& target)
{
    const auto original = readWholeFile(source);
    if (!original)
        return false;
    const std::string& s = *original;
    std::string out;
    out.reserve(s.size() + s.size() / 32);
    std::size_t done = 0;
    std::size_t lf = s.find('\n');
    while (lf != std::string::npos) {
        out.append(s, done, lf - done);
        if (lf == 0 || s[lf - 1] != '\r')
            out += '\r';
        out += '\n';
        done = lf + 1;
        lf = s.find('\n', done);
    }
    out.append(s, done, std::string::npos);
    return writeFileReplacing(target, out);
}

FileKind detectFileKind(const std::string& path, platform::Dialogs& dialogs)
{
    fixQVBadLas(path, dialogs);
    if (checkLineEnds(path) != LineEnds::Clean)
        return FileKind::UnixTermination;
    const int l = sniffLas(path);
    const int a = sniffAsciiSaveType(path);
    if (l == 0 || a == 0)
        return FileKind::Unusable;
    if (l == -1 && a == -1)
        return FileKind::Las;
    FileKind kind = FileKind::Unusable;
    if (l == 1 || l == 2)
        kind = FileKind::NotBasicLas;
    if (a == 2 || a == 3)
        kind = static_cast<FileKind>(a);
    return kind;
}

} // namespace corvalet::core
