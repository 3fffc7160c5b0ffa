#include "platform/LineReader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace corvalet::platform {

LineReader::LineReader(std::string_view buffer)
    : m_memory(true)
    , m_view(buffer)
    , m_size(static_cast<std::int64_t>(buffer.size()))
{
}

LineReader::~LineReader() { close(); }

LineReader::LineReader(LineReader&& other) noexcept { *this = std::move(other); }

LineReader& LineReader::operator=(LineReader&& other) noexcept
{
    if (this == &other)
        return *this;
    close();
    m_file = other.m_file;
    m_memory = other.m_memory;
    m_block = std::move(other.m_block);
    m_view = m_memory ? other.m_view : std::string_view(m_block);
    m_blockStart = other.m_blockStart;
    m_pos = other.m_pos;
    m_size = other.m_size;
    other.m_file = nullptr;
    other.m_memory = false;
    other.m_view = {};
    other.m_pos = 0;
    other.m_size = 0;
    return *this;
}

bool LineReader::open(const std::string& path)
{
    close();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    m_file = std::fopen(path.c_str(), "rb");
    if (!m_file)
        return false;
    const auto size = std::filesystem::file_size(path, ec);
    m_size = ec ? 0 : static_cast<std::int64_t>(size);
    m_block.clear();
    m_view = {};
    m_blockStart = 0;
    m_pos = 0;
    return true;
}

void LineReader::close()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
    m_memory = false;
    m_block.clear();
    m_view = {};
    m_blockStart = 0;
    m_pos = 0;
    m_size = 0;
}

bool LineReader::fill(std::size_t want)
{
    std::size_t avail = m_view.size() - m_pos;
    if (avail >= want || !m_file)
        return avail >= want;
    if (m_pos > 0) {
        m_block.erase(0, m_pos);
        m_blockStart += static_cast<std::int64_t>(m_pos);
        m_pos = 0;
    }
    const std::size_t have = m_block.size();
    const std::size_t ask = std::max(want - have, blockSize);
    m_block.resize(have + ask);
    const std::size_t got = std::fread(m_block.data() + have, 1, ask, m_file);
    m_block.resize(have + got);
    m_view = m_block;
    // A file that grew since it was opened is read to its real end.
    m_size = std::max(m_size, m_blockStart + static_cast<std::int64_t>(m_block.size()));
    return m_block.size() >= want;
}

bool LineReader::next(Line& line)
{
    if (!fill(1))
        return false;
    std::size_t k = 0;  // offset from m_pos of the line end being searched for
    std::size_t endLen = 0;
    bool found = false;
    while (!found) {
        const char* base = m_view.data() + m_pos;
        const std::size_t avail = m_view.size() - m_pos;
        for (; k < avail; ++k) {
            const char c = base[k];
            if (c == '\n' || c == '\r') {
                found = true;
                break;
            }
        }
        if (found)
            break;
        // No line end in what is held: read more, or the rest is the last line.
        fill(avail + blockSize);
        if (m_view.size() - m_pos == avail)
            break;
    }
    if (found) {
        if (m_view[m_pos + k] == '\n') {
            endLen = 1;
        } else {
            // A CR: look at the next byte to see whether it is CR LF.
            fill(k + 2);
            endLen = (m_pos + k + 1 < m_view.size() && m_view[m_pos + k + 1] == '\n') ? 2 : 1;
        }
    }
    const std::size_t consumed = k + endLen;
    const bool more = fill(consumed + 1);
    line.text = m_view.substr(m_pos, k);
    line.start = position();
    line.next = line.start + static_cast<std::int64_t>(consumed);
    line.last = !more;
    m_pos += consumed;
    return true;
}

void LineReader::seek(std::int64_t position)
{
    const std::int64_t offset = std::clamp<std::int64_t>(position - 1, 0, std::max<std::int64_t>(m_size, 0));
    if (m_memory || (offset >= m_blockStart && offset <= m_blockStart + static_cast<std::int64_t>(m_view.size()))) {
        m_pos = static_cast<std::size_t>(offset - m_blockStart);
        return;
    }
    if (!m_file)
        return;
    std::fseek(m_file, static_cast<long>(offset), SEEK_SET);
    m_block.clear();
    m_view = {};
    m_blockStart = offset;
    m_pos = 0;
}

bool LineReader::atEnd() const
{
    if (m_pos < m_view.size())
        return false;
    return !m_file || m_blockStart + static_cast<std::int64_t>(m_pos) >= m_size;
}

} // namespace corvalet::platform
