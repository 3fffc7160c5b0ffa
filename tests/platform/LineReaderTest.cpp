#include "platform/LineReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

using namespace corvalet::platform;

namespace {

struct Expected {
    std::string text;
    std::int64_t start;
    std::int64_t next;
};

std::vector<Expected> readAll(LineReader& r)
{
    std::vector<Expected> out;
    Line l;
    while (r.next(l))
        out.push_back({std::string(l.text), l.start, l.next});
    return out;
}

std::string writeTemp(const std::string& name, const std::string& bytes)
{
    const auto dir = std::filesystem::temp_directory_path() / "corvalet-linereader";
    std::filesystem::create_directories(dir);
    const auto path = (dir / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// The reference split: CR LF, CR and LF each end a line; a last line without an end counts.
std::vector<Expected> referenceSplit(const std::string& s)
{
    std::vector<Expected> out;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t j = i;
        while (j < s.size() && s[j] != '\r' && s[j] != '\n')
            ++j;
        std::size_t e = j;
        if (e < s.size())
            e += (s[e] == '\r' && e + 1 < s.size() && s[e + 1] == '\n') ? 2 : 1;
        out.push_back({s.substr(i, j - i), std::int64_t(i + 1), std::int64_t(e + 1)});
        i = e;
    }
    return out;
}

} // namespace

TEST(LineReader, AllLineEndsAndPositions)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<Expected> lines;
    } const cases[] = {
        {"crlf", "ab\r\ncd\r\n", {{"ab", 1, 5}, {"cd", 5, 9}}},
        {"lf", "ab\ncd\n", {{"ab", 1, 4}, {"cd", 4, 7}}},
        {"cr", "ab\rcd\r", {{"ab", 1, 4}, {"cd", 4, 7}}},
        {"mixed", "a\r\nb\nc\rd", {{"a", 1, 4}, {"b", 4, 6}, {"c", 6, 8}, {"d", 8, 9}}},
        {"no final end", "x\r\ny", {{"x", 1, 4}, {"y", 4, 5}}},
        {"empty lines", "\r\n\n\r", {{"", 1, 3}, {"", 3, 4}, {"", 4, 5}}},
        {"cr cr lf", "a\r\r\nb", {{"a", 1, 3}, {"", 3, 5}, {"b", 5, 6}}},
        {"empty", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LineReader mem(c.bytes);
        const auto got = readAll(mem);
        ASSERT_EQ(got.size(), c.lines.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].text, c.lines[i].text);
            EXPECT_EQ(got[i].start, c.lines[i].start);
            EXPECT_EQ(got[i].next, c.lines[i].next);
        }
        LineReader file;
        ASSERT_TRUE(file.open(writeTemp("case.txt", c.bytes)));
        const auto fromFile = readAll(file);
        ASSERT_EQ(fromFile.size(), c.lines.size());
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_EQ(fromFile[i].text, c.lines[i].text);
    }
}

TEST(LineReader, LastLineFlagAndSeek)
{
    const std::string bytes = "~V\r\nVERS. 2.0 :\r\n~A\r\n1 2\r\n";
    LineReader r(bytes);
    Line l;
    std::vector<bool> last;
    std::int64_t aStart = 0;
    while (r.next(l)) {
        last.push_back(l.last);
        if (l.text == "~A")
            aStart = l.next;
    }
    EXPECT_EQ(last, (std::vector<bool>{false, false, false, true}));
    EXPECT_TRUE(r.atEnd());
    r.seek(aStart);
    ASSERT_TRUE(r.next(l));
    EXPECT_EQ(l.text, "1 2");
    EXPECT_EQ(l.start, aStart);
    r.seek(1);
    ASSERT_TRUE(r.next(l));
    EXPECT_EQ(l.text, "~V");
}

TEST(LineReader, FileReadAcrossBlockBoundariesMatchesTheReferenceSplit)
{
    // Random line ends placed so that some CR LF pairs and long lines straddle the 1 MiB blocks.
    std::mt19937 rng(7);
    std::string bytes;
    const char* ends[] = {"\r\n", "\r", "\n"};
    while (bytes.size() < 3 * LineReader::blockSize + 100) {
        const std::size_t len = (rng() % 50 == 0) ? 300000 : rng() % 80;
        bytes.append(len, char('a' + rng() % 26));
        bytes += ends[rng() % 3];
    }
    bytes.resize(LineReader::blockSize - 1);
    bytes += "\r\nafter-boundary\r";
    bytes.append(2 * LineReader::blockSize, 'z');
    const auto expected = referenceSplit(bytes);

    LineReader r;
    ASSERT_TRUE(r.open(writeTemp("big.txt", bytes)));
    EXPECT_EQ(r.size(), static_cast<std::int64_t>(bytes.size()));
    Line l;
    std::size_t i = 0;
    std::int64_t seekTo = 0;
    std::string seekText;
    while (r.next(l)) {
        ASSERT_LT(i, expected.size());
        ASSERT_EQ(l.start, expected[i].start) << i;
        ASSERT_EQ(l.next, expected[i].next) << i;
        ASSERT_EQ(l.text, expected[i].text) << i;
        EXPECT_EQ(l.last, i + 1 == expected.size());
        if (i == expected.size() / 3) {
            seekTo = l.start;
            seekText = std::string(l.text);
        }
        ++i;
    }
    EXPECT_EQ(i, expected.size());
    r.seek(seekTo);
    ASSERT_TRUE(r.next(l));
    EXPECT_EQ(l.text, seekText);
}

TEST(LineReader, MissingFileDoesNotOpen)
{
    LineReader r;
    EXPECT_FALSE(r.open("/nonexistent/corvalet/file.las"));
    Line l;
    EXPECT_FALSE(r.next(l));
}
