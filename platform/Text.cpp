#include "platform/Text.h"

namespace corvalet::platform {

std::string toUpper(std::string_view text)
{
    std::string s(text);
    upperInPlace(s);
    return s;
}

std::string toLower(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        c = lowerAscii(c);
    return s;
}

void upperInPlace(std::string& text)
{
    for (char& c : text)
        c = upperAscii(c);
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return false;
    return true;
}

int compareNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(upperAscii(a[i]));
        const auto y = static_cast<unsigned char>(upperAscii(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}

bool endsWithNoCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() && equalsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

std::size_t findNoCase(std::string_view hay, std::string_view needle, std::size_t from)
{
    if (from > hay.size())
        return std::string_view::npos;
    if (needle.empty())
        return from;
    if (needle.size() > hay.size())
        return std::string_view::npos;
    const char first = upperAscii(needle[0]);
    const std::size_t lastStart = hay.size() - needle.size();
    for (std::size_t i = from; i <= lastStart; ++i) {
        if (upperAscii(hay[i]) != first)
            continue;
        std::size_t k = 1;
        while (k < needle.size() && upperAscii(hay[i + k]) == upperAscii(needle[k]))
            ++k;
        if (k == needle.size())
            return i;
    }
    return std::string_view::npos;
}

bool containsNoCase(std::string_view hay, std::string_view needle)
{
    return findNoCase(hay, needle) != std::string_view::npos;
}

std::size_t replaceAllNoCase(std::string& text, std::string_view search, std::string_view replacement)
{
    if (search.empty())
        return 0;
    std::size_t pos = findNoCase(text, search);
    if (pos == std::string_view::npos)
        return 0;
    std::string out;
    out.reserve(text.size());
    std::size_t done = 0;
    std::size_t count = 0;
    while (pos != std::string_view::npos) {
        out.append(text, done, pos - done);
        out.append(replacement);
        done = pos + search.size();
        ++count;
        pos = findNoCase(text, search, done);
    }
    out.append(text, done, std::string::npos);
    text.swap(out);
    return count;
}

std::string_view trimLeftBlanks(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    return text.substr(i);
}

std::string_view trimRightBlanks(std::string_view text)
{
    std::size_t n = text.size();
    while (n > 0 && text[n - 1] == ' ')
        --n;
    return text.substr(0, n);
}

std::string_view trimBlanks(std::string_view text)
{
    return trimRightBlanks(trimLeftBlanks(text));
}

} // namespace corvalet::platform
