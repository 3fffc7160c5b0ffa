#pragma once
// The text-field splitter that every header and data reader shares. Fields are numbered from 1.
// A blank among the separators folds runs of blanks into one and ignores leading and trailing
// blanks; every other separator character ends a field, so two in a row enclose an empty one.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvalet::platform {

class Fields {
public:
    Fields() = default;
    Fields(std::string_view line, std::string_view separators) { split(line, separators); }

    // Splits a copy of the line; the buffers are reused from call to call.
    void split(std::string_view line, std::string_view separators);

    [[nodiscard]] int count() const { return static_cast<int>(m_spans.size()); }
    // Field n (1-based); "" past the last field or for n < 1. Valid until the next split.
    [[nodiscard]] std::string_view field(int n) const;
    [[nodiscard]] std::string_view line() const { return m_line; }
    // 0-based offset in the line where field n starts / ends (one past its last character).
    [[nodiscard]] std::size_t fieldBegin(int n) const;
    [[nodiscard]] std::size_t fieldEnd(int n) const;

private:
    std::string m_line;
    std::vector<std::pair<std::size_t, std::size_t>> m_spans;
};

} // namespace corvalet::platform
