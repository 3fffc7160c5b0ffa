#pragma once
// Locale-free number reading and formatting shared by every layer. Text is 8-bit bytes and "."
// is always the decimal point, whatever the user's locale.
#include <cstdint>
#include <string>
#include <string_view>

namespace corvalet::platform {

// The leading-number value: skips leading blanks, reads the longest numeric prefix (sign, digits,
// one ".", an exponent "E"/"e" with optional sign) and gives 0 when there is none. Never fails.
[[nodiscard]] double leadingNumber(std::string_view text);

// The strict conversion: the text trimmed of blanks must be one number as a whole.
[[nodiscard]] bool strictNumber(std::string_view text, double& out);
[[nodiscard]] bool isNumeric(std::string_view text);

// Real to integer: nearest, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
[[nodiscard]] std::int64_t roundHalfEven(double value);
// Real to integer the Int way: the largest integer not above the value (-1.5 -> -2).
[[nodiscard]] std::int64_t intFloor(double value);

// A display mask such as "0", "0.0000", "0.", ".000", "#.##" or "0.00E+00", parsed once so that
// the writers can format millions of values without re-reading it.
class NumberMask {
public:
    NumberMask() = default;
    explicit NumberMask(std::string_view mask);

    // Appends the formatted value. The decimal value (the shortest text that reads back as the
    // same double) is rounded half away from zero, so 2.675 with "0.00" gives "2.68".
    void append(std::string& out, double value) const;
    [[nodiscard]] std::string format(double value) const;

    [[nodiscard]] int decimals() const { return m_decimals; }

private:
    int m_intZeros = 1;     // minimum integer digits ('0' before the point)
    int m_decimals = 0;     // digits after the point ('0' and '#')
    int m_decZeros = 0;     // of which always shown ('0')
    bool m_point = false;   // the mask has a decimal point
    bool m_exponent = false;
    bool m_expPlus = true;  // "E+": sign always shown; "E-": only when negative
    char m_expChar = 'E';
    int m_expDigits = 2;
};

// Format(value, mask) with a mask given as text.
[[nodiscard]] std::string formatMask(double value, std::string_view mask);

// The plain conversion to text: up to 15 significant digits, no trailing zeros, an exponent
// form ("1E+20", "1E-05") for very large or small magnitudes.
[[nodiscard]] std::string plainText(double value);
// The same with a leading blank for a non-negative number (" 1", "-1"), as settings are written.
[[nodiscard]] std::string numberText(double value);

} // namespace corvalet::platform
