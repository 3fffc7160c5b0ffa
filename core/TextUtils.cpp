#include "core/TextUtils.h"

#include "core/AppState.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

#include <cmath>
#include <utility>

namespace corvalet::core {

using platform::compareNoCase;
using platform::equalsNoCase;
using platform::findNoCase;
using platform::formatMask;
using platform::leadingNumber;
using platform::trimBlanks;
using platform::trimLeftBlanks;

double pow10(double x)
{
    if (!(x >= -50.0 && x <= 50.0))
        return 0.0;
    return std::pow(10.0, x);
}

std::optional<double> log10(double x)
{
    if (!(x > 0.0))
        return std::nullopt;
    return std::log10(x);
}

bool isBetween(double value, double bound1, double bound2)
{
    if (bound1 > bound2)
        std::swap(bound1, bound2);
    return bound1 <= value && value <= bound2;
}

bool isBetween(std::string_view value, std::string_view bound1, std::string_view bound2)
{
    if (compareNoCase(bound1, bound2) > 0)
        std::swap(bound1, bound2);
    return compareNoCase(bound1, value) <= 0 && compareNoCase(value, bound2) <= 0;
}

void swapDbl(double& a, double& b) { std::swap(a, b); }
void swapLng(int& a, int& b) { std::swap(a, b); }

std::string padLeft(std::string_view value, int width)
{
    std::string s(value);
    if (width > 0 && s.size() < static_cast<std::size_t>(width))
        s.append(static_cast<std::size_t>(width) - s.size(), ' ');
    return s;
}

std::string padLeft(double value, int width) { return padLeft(platform::plainText(value), width); }

std::string padRight(std::string_view value, int width)
{
    if (width <= 0 || value.size() >= static_cast<std::size_t>(width))
        return std::string(value);
    std::string s(static_cast<std::size_t>(width) - value.size(), ' ');
    s += value;
    return s;
}

std::string padRight(double value, int width) { return padRight(platform::plainText(value), width); }

int countFields(std::string_view line, std::string_view delimiter)
{
    // An empty delimiter would be found forever without the text ever shrinking.
    if (delimiter.empty())
        return 1;
    std::string_view s = trimBlanks(line);
    int n = 0;
    for (std::size_t at; (at = findNoCase(s, delimiter)) != std::string_view::npos;) {
        s = trimLeftBlanks(s.substr(at + delimiter.size()));
        ++n;
    }
    return n + 1;
}

int countOccurrences(std::string_view text, std::string_view part)
{
    if (text.empty() || part.empty())
        return 0;
    int n = 0;
    for (std::size_t at = 0; (at = findNoCase(text, part, at)) != std::string_view::npos; at += part.size())
        ++n;
    return n;
}

namespace {

std::string trimEnds(std::string_view text, std::string_view mark)
{
    std::string_view s = trimBlanks(text);
    while (s.substr(0, mark.size()) == mark)
        s = trimBlanks(s.substr(mark.size()));
    while (s.size() > 1 && s.size() >= mark.size() && s.substr(s.size() - mark.size()) == mark)
        s = trimBlanks(s.substr(0, s.size() - mark.size()));
    return std::string(s);
}

} // namespace

std::string trimCrLf(std::string_view text) { return trimEnds(text, "\r\n"); }
std::string trimCr(std::string_view text) { return trimEnds(text, "\r"); }

std::string trimZeros(std::string_view text)
{
    // Without a decimal point every zero is significant ("100" must stay "100").
    if (text.find('.') == std::string_view::npos)
        return std::string(text);
    std::string_view s = text;
    while (!s.empty() && s.back() == '0')
        s.remove_suffix(1);
    while (!s.empty() && s.front() == '0')
        s.remove_prefix(1);
    std::string result(s);
    if (!result.empty() && result.back() == '.')
        result += '0';
    if (!result.empty() && result.front() == '.')
        result.insert(result.begin(), '0');
    return result;
}

std::string numFormatMask(std::string_view text)
{
    if (text.empty() || text == " ")
        return {};
    std::string mask = "0";
    if (const std::size_t dot = text.find('.'); dot != std::string_view::npos)
        mask = "0." + std::string(text.size() - dot - 1, '0');
    if (leadingNumber(text) >= 100000.0)
        mask = "0.00E+00";
    return mask;
}

std::string numberWordToDigits(std::string_view text)
{
    static constexpr std::string_view words[12] = {"One", "Two",   "Three", "Four",   "Five",   "Six",
                                                   "Seven", "Eight", "Nine", "Ten", "Eleven", "Twelve"};
    const std::string_view t = trimBlanks(text);
    if (t.empty())
        return {};
    double number = 0;
    if (platform::strictNumber(t, number) && number > 0)
        return std::string(t);
    for (int i = 0; i < 12; ++i)
        if (equalsNoCase(t, words[i]))
            return std::to_string(i + 1);
    return {};
}

std::string formatDepthFtM(std::string& value, std::string& unit)
{
    unit = std::string(trimBlanks(unit));
    if (!unit.empty() && unit.find_first_of("Ff") == std::string::npos)
        value = formatMask(leadingNumber(value) / 0.3048, "0.00000");
    const double v = std::fabs(leadingNumber(value));
    std::string result = formatMask(v * 12.0, "0");
    result += "\" ";
    result += formatMask(v, "0.0000");
    result += " f (";
    result += formatMask(v * 0.3048, "0.0000");
    result += " m)";
    return result;
}

int filterKeyAscii(int key, int mode)
{
    if (key == '|' || key >= 256 || key < 0)
        return 0;
    if (key == 8 || key == 13)
        return key;
    const bool digit = key >= '0' && key <= '9';
    const bool lower = key >= 'a' && key <= 'z';
    const bool upper = key >= 'A' && key <= 'Z';
    auto keepIf = [key](bool pass) { return pass ? key : 0; };
    switch (mode) {
    case 0: return keepIf(digit || key == '.');
    case 1: return keepIf(digit || key == '.' || key == '-');
    case 2: return lower ? key - 32 : key;
    case 3: return upper ? key + 32 : key;
    case 4: return keepIf(key >= 32 && key <= 127);
    case 5: return keepIf(lower);
    case 6: return keepIf(upper);
    case 7: return keepIf(lower || upper || digit);
    case 8: return keepIf(digit);
    case 9: return keepIf(digit || key == '.' || key == '-' || key == ' ');
    case 10: return keepIf(digit || key == ' ');
    case 11: return keepIf(key != ':' && key != '.' && key != ' ');
    case 12: return keepIf(key != ' ' && key != ':');
    default: return 0;
    }
}

bool curvesOfSameKind(const AppState& state, std::string_view mnemonic, std::vector<std::string>& list)
{
    list.assign(1, std::string());
    const TextTable& lib = state.curveLibrary;
    if (lib.fieldUpper() < 1)
        return true;
    std::string kind;
    bool found = false;
    for (int row = 1; row <= lib.rowUpper() && !found; ++row) {
        if (equalsNoCase(lib(1, row), mnemonic)) {
            kind = lib(0, row);
            found = true;
        }
    }
    if (!found || kind.empty())
        return true;
    for (int row = 1; row <= lib.rowUpper(); ++row)
        if (equalsNoCase(lib(0, row), kind))
            list.push_back(lib(1, row));
    return true;
}

} // namespace corvalet::core
