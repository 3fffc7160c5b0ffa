#pragma once
// Line reader over a byte buffer or a file. CR LF, CR and a bare LF each end a line, and a last
// line without an end still counts. Every line knows the 1-based byte position where it starts and
// the position just after its line end, so a caller can seek back to any line exactly. Files are
// read in large blocks; a line is handed out as a view into the block, valid until the next call.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace corvalet::platform {

struct Line {
    std::string_view text;   // without its line end
    std::int64_t start = 0;  // 1-based byte position of the first character
    std::int64_t next = 0;   // 1-based byte position after the line end
    bool last = false;       // no byte follows this line's end
};

class LineReader {
public:
    LineReader() = default;
    explicit LineReader(std::string_view buffer);  // the buffer must outlive the reader
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;
    LineReader(LineReader&& other) noexcept;
    LineReader& operator=(LineReader&& other) noexcept;

    // Opens a file for reading; false when it cannot be opened.
    [[nodiscard]] bool open(const std::string& path);
    void close();
    [[nodiscard]] bool isOpen() const { return m_file != nullptr || m_memory; }

    // The next line; false at the end of the input.
    bool next(Line& line);
    // Positions the reader at a 1-based byte position (1 = start).
    void seek(std::int64_t position);
    // 1-based position of the next byte to be read.
    [[nodiscard]] std::int64_t position() const { return m_blockStart + static_cast<std::int64_t>(m_pos) + 1; }
    [[nodiscard]] bool atEnd() const;
    [[nodiscard]] std::int64_t size() const { return m_size; }

    static constexpr std::size_t blockSize = 1 << 20;

private:
    // Makes sure that at least `want` bytes from m_pos are in the buffer, or all that remain.
    bool fill(std::size_t want);

    std::FILE* m_file = nullptr;
    bool m_memory = false;
    std::string_view m_view;     // the bytes held now (memory buffer or m_block)
    std::string m_block;
    std::int64_t m_blockStart = 0;  // 0-based file offset of m_view[0]
    std::size_t m_pos = 0;          // offset of the next byte in m_view
    std::int64_t m_size = 0;
};

} // namespace corvalet::platform
