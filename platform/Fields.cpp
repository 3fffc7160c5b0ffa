#include "platform/Fields.h"

namespace corvalet::platform {

void Fields::split(std::string_view line, std::string_view separators)
{
    m_line.assign(line.data(), line.size());
    m_spans.clear();
    const bool blankFolds = separators.find(' ') != std::string_view::npos;
    bool isSep[256] = {};
    for (char c : separators)
        isSep[static_cast<unsigned char>(c)] = true;

    const std::string& s = m_line;
    const std::size_t n = s.size();
    if (!blankFolds) {
        if (n == 0)
            return;
        std::size_t begin = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (isSep[static_cast<unsigned char>(s[i])]) {
                m_spans.emplace_back(begin, i);
                begin = i + 1;
            }
        }
        m_spans.emplace_back(begin, n);
        return;
    }

    // With a blank among the separators, blanks never belong to a field: runs of blanks fold
    // into one separator and blanks around another separator belong to it.
    std::size_t i = 0;
    while (i < n && s[i] == ' ')
        ++i;
    if (i == n)
        return;
    while (true) {
        const std::size_t begin = i;
        while (i < n && !isSep[static_cast<unsigned char>(s[i])])
            ++i;
        m_spans.emplace_back(begin, i);
        // Consume one separator group: blanks, at most one other separator, blanks.
        bool hard = false;
        while (i < n && isSep[static_cast<unsigned char>(s[i])]) {
            if (s[i] != ' ') {
                if (hard)
                    break;  // a second hard separator: an empty field lies between
                hard = true;
            }
            ++i;
        }
        if (i >= n) {
            if (hard)
                m_spans.emplace_back(n, n);  // a trailing hard separator ends an empty field
            return;
        }
    }
}

std::string_view Fields::field(int n) const
{
    if (n < 1 || n > count())
        return {};
    const auto [b, e] = m_spans[static_cast<std::size_t>(n - 1)];
    return std::string_view(m_line).substr(b, e - b);
}

std::size_t Fields::fieldBegin(int n) const
{
    if (n < 1 || n > count())
        return m_line.size();
    return m_spans[static_cast<std::size_t>(n - 1)].first;
}

std::size_t Fields::fieldEnd(int n) const
{
    if (n < 1 || n > count())
        return m_line.size();
    return m_spans[static_cast<std::size_t>(n - 1)].second;
}

} // namespace corvalet::platform
