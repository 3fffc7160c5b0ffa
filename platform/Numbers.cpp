#include "platform/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace corvalet::platform {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest numeric prefix of s (sign, digits, ".", exponent), 0 when none.
std::size_t numericPrefix(std::string_view s)
{
    std::size_t i = 0;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < n && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < n && isDigit(s[j])) {
            while (j < n && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

// Reads a numeric prefix found by numericPrefix. from_chars takes no "+", so it is skipped here.
double parsePrefix(std::string_view s, bool& ok)
{
    const char* first = s.data();
    const char* last = s.data() + s.size();
    bool negative = false;
    if (first < last && (*first == '+' || *first == '-')) {
        negative = *first == '-';
        ++first;
    }
    double value = 0;
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too small rounds to zero; too large is not a usable number.
        ok = false;
        return 0;
    }
    ok = ec == std::errc() && ptr == last;
    return negative ? -value : value;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// The shortest decimal digits that read back as |value|, and the power of ten of the first one:
// |value| = 0.d1d2d3... x 10^(exp10 + 1). Digits are "0" for zero.
struct Decimal {
    char digits[32];
    int count = 0;
    int exp10 = 0;
};

void toDecimal(double value, Decimal& d)
{
    char buf[64];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    (void)ec;
    d.count = 0;
    const char* p = buf;
    for (; p < ptr && *p != 'e'; ++p)
        if (isDigit(*p))
            d.digits[d.count++] = *p;
    int e = 0;
    if (p < ptr && *p == 'e')
        std::from_chars(p + (p[1] == '+' ? 2 : 1), ptr, e);
    d.exp10 = e;
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
}

// Keeps `keep` leading digits, rounding half away from zero. Returns true when the rounding
// carried into a new leading digit (9.99 -> 10.0), in which case digits hold "1" and exp10 grew.
void roundDigits(Decimal& d, int keep)
{
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d.count = 1;
        d.digits[0] = '0';
        return;
    }
    const bool up = d.digits[keep] >= '5';
    d.count = keep;
    if (!up) {
        if (d.count == 0) {
            d.digits[0] = '0';
            d.count = 1;
        }
        return;
    }
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') {
        d.digits[i] = '0';
        --i;
    }
    if (i >= 0) {
        ++d.digits[i];
    } else {
        // All nines (or nothing kept): the value becomes 1 at the next power of ten.
        std::memmove(d.digits + 1, d.digits, static_cast<std::size_t>(d.count));
        d.digits[0] = '1';
        ++d.count;
        ++d.exp10;
        d.count = keep + 1 > d.count ? d.count : keep + 1;
    }
}

bool allZero(const Decimal& d)
{
    for (int i = 0; i < d.count; ++i)
        if (d.digits[i] != '0')
            return false;
    return true;
}

} // namespace

double leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    text.remove_prefix(i);
    const std::size_t n = numericPrefix(text);
    if (n == 0)
        return 0;
    bool ok = false;
    const double v = parsePrefix(text.substr(0, n), ok);
    return ok ? v : 0;
}

bool strictNumber(std::string_view text, double& out)
{
    text = trimmed(text);
    if (text.empty() || numericPrefix(text) != text.size())
        return false;
    bool ok = false;
    const double v = parsePrefix(text, ok);
    if (!ok)
        return false;
    out = v;
    return true;
}

bool isNumeric(std::string_view text)
{
    double v = 0;
    return strictNumber(text, v);
}

std::int64_t roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double limit = 9.2e18;
    if (value > limit)
        return std::numeric_limits<std::int64_t>::max();
    if (value < -limit)
        return std::numeric_limits<std::int64_t>::min();
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<std::int64_t>(std::nearbyint(value));
}

std::int64_t intFloor(double value)
{
    if (!std::isfinite(value))
        return 0;
    return static_cast<std::int64_t>(std::floor(value));
}

NumberMask::NumberMask(std::string_view mask)
{
    m_intZeros = 0;
    std::size_t i = 0;
    for (; i < mask.size(); ++i) {
        const char c = mask[i];
        if (c == '0') {
            ++m_intZeros;
        } else if (c == '#' || c == ',') {
            // optional digit / grouping: shown only when needed
        } else {
            break;
        }
    }
    if (i < mask.size() && mask[i] == '.') {
        m_point = true;
        for (++i; i < mask.size(); ++i) {
            const char c = mask[i];
            if (c == '0') {
                ++m_decimals;
                ++m_decZeros;
            } else if (c == '#') {
                ++m_decimals;
            } else {
                break;
            }
        }
    }
    if (i + 1 < mask.size() && (mask[i] == 'E' || mask[i] == 'e') && (mask[i + 1] == '+' || mask[i + 1] == '-')) {
        m_exponent = true;
        m_expChar = mask[i];
        m_expPlus = mask[i + 1] == '+';
        m_expDigits = 0;
        for (i += 2; i < mask.size() && (mask[i] == '0' || mask[i] == '#'); ++i)
            ++m_expDigits;
        if (m_expDigits == 0)
            m_expDigits = 1;
        if (m_intZeros == 0)
            m_intZeros = 1;
    }
}

void NumberMask::append(std::string& out, double value) const
{
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
        return;
    }
    Decimal d;
    toDecimal(value, d);
    const bool zeroValue = value == 0;
    const bool negative = std::signbit(value) && !zeroValue;
    std::string_view digits;

    if (m_exponent) {
        const int intDigits = m_intZeros;
        int exponent = 0;
        if (zeroValue) {
            d.count = 1;
            d.digits[0] = '0';
        } else {
            roundDigits(d, intDigits + m_decimals);
            exponent = d.exp10 - (intDigits - 1);
        }
        if (negative && !allZero(d))
            out += '-';
        auto digitAt = [&](int k) { return k < d.count ? d.digits[k] : '0'; };
        for (int k = 0; k < intDigits; ++k)
            out += digitAt(k);
        int shown = m_decimals;
        while (shown > m_decZeros && digitAt(intDigits + shown - 1) == '0')
            --shown;
        if (m_point)
            out += '.';
        for (int k = 0; k < shown; ++k)
            out += digitAt(intDigits + k);
        out += m_expChar;
        if (exponent < 0)
            out += '-';
        else if (m_expPlus)
            out += '+';
        char eb[16];
        auto [ep, ec] = std::to_chars(eb, eb + sizeof eb, exponent < 0 ? -exponent : exponent);
        (void)ec;
        for (int pad = m_expDigits - static_cast<int>(ep - eb); pad > 0; --pad)
            out += '0';
        out.append(eb, ep);
        return;
    }

    // Fixed: digits d[0..count) stand for 0.d x 10^(exp10+1); the point lies after exp10+1 digits.
    if (zeroValue) {
        d.count = 1;
        d.digits[0] = '0';
        d.exp10 = 0;
    } else {
        roundDigits(d, d.exp10 + 1 + m_decimals);
    }
    const bool isZero = allZero(d);
    if (negative && !isZero)
        out += '-';
    const int intLen = isZero ? 0 : d.exp10 + 1;  // digits before the point
    auto digitAt = [&](int k) { return (k >= 0 && k < d.count) ? d.digits[k] : '0'; };
    if (intLen > 0) {
        for (int pad = m_intZeros - intLen; pad > 0; --pad)
            out += '0';
        for (int k = 0; k < intLen; ++k)
            out += digitAt(k);
    } else {
        for (int pad = m_intZeros; pad > 0; --pad)
            out += '0';
    }
    if (m_point)
        out += '.';
    // Fraction digit j (0-based) is digit index intLen + j of the decimal expansion.
    int shown = m_decimals;
    while (shown > m_decZeros && (isZero || digitAt(intLen + shown - 1) == '0'))
        --shown;
    for (int j = 0; j < shown; ++j)
        out += isZero ? '0' : digitAt(intLen + j);
}

std::string NumberMask::format(double value) const
{
    std::string s;
    append(s, value);
    return s;
}

std::string formatMask(double value, std::string_view mask)
{
    return NumberMask(mask).format(value);
}

std::string plainText(double value)
{
    if (value == 0)
        return "0";
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
    char buf[64];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    (void)ec;
    std::string s(buf, ptr);
    for (char& c : s)
        if (c == 'e')
            c = 'E';
    return s;
}

std::string numberText(double value)
{
    std::string s = plainText(value);
    if (s.empty() || s[0] != '-')
        s.insert(s.begin(), ' ');
    return s;
}

} // namespace corvalet::platform
