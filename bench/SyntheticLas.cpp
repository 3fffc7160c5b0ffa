#include "SyntheticLas.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace corvalet::bench {

namespace {

const char* const kMnems[] = {"GR", "CALI", "RHOB", "NPHI", "DT", "ILD", "ILM", "SP", "PEF", "DRHO", "SFLU", "TENS"};
const char* const kUnits[] = {"GAPI", "MM", "K/M3", "V/V", "US/M", "OHMM", "OHMM", "MV", "B/E", "K/M3", "OHMM", "DAN"};
const double kBase[] = {75, 216, 2450, 0.22, 290, 12, 10, -35, 3.1, 15, 8, 2100};
const double kSwing[] = {50, 12, 180, 0.12, 60, 9, 7, 20, 1.2, 25, 6, 300};

void appendFixed(std::string& out, double v, int width, int decimals)
{
    char buf[48];
    auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    (void)ec;
    for (int pad = width - static_cast<int>(p - buf); pad > 0; --pad)
        out += ' ';
    out.append(buf, p);
}

} // namespace

bool writeSyntheticLas(const std::string& path, const SyntheticOptions& options)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const double stop = options.start + options.step * static_cast<double>(options.steps - 1);
    std::string out;
    out.reserve(1 << 21);
    char line[256];
    auto put = [&](const char* text) {
        out += text;
        out += "\r\n";
    };
    put("~VERSION INFORMATION");
    put(" VERS.                 2.0 : CWLS LOG ASCII STANDARD - VERSION 2.0");
    put(options.wrapped ? " WRAP.                 YES : MULTIPLE LINES PER DEPTH STEP"
                     : " WRAP.                  NO : ONE LINE PER DEPTH STEP");
    put("~WELL INFORMATION");
    put("#MNEM.UNIT      DATA                         DESCRIPTION");
    std::snprintf(line, sizeof line, " STRT.M        %.4f                  : START DEPTH", options.start);
    put(line);
    std::snprintf(line, sizeof line, " STOP.M        %.4f                  : STOP DEPTH", stop);
    put(line);
    std::snprintf(line, sizeof line, " STEP.M        %.4f                     : STEP", options.step);
    put(line);
    put(" NULL.         -999.2500                  : NULL VALUE");
    put(" COMP.         SYNTHETIC OPERATING CO.    : COMPANY");
    put(" WELL.         SYNTHETIC 1-1              : WELL");
    put(" FLD .         BENCH FIELD                : FIELD");
    put(" LOC .         1-1-1-1W1                  : LOCATION");
    put(" SRVC.         SYNTHETIC SERVICES         : SERVICE COMPANY");
    put(" DATE.         10-DEC-2026                : LOG DATE");
    put(" UWI .         100010100101W100           : UNIQUE WELL ID");
    put("~CURVE INFORMATION");
    put(" DEPT.M                                  : 1  DEPTH");
    for (int c = 1; c < options.curves; ++c) {
        const int k = (c - 1) % 12;
        std::snprintf(line, sizeof line, " %-4s.%-6s                           : %d  %s", kMnems[k], kUnits[k], c + 1,
                      kMnems[k]);
        put(line);
    }
    put("~PARAMETER INFORMATION");
    put(" BHT .DEGC        85.0000                 : BOTTOM HOLE TEMPERATURE");
    put(" RMF .OHMM         0.0450                 : MUD FILTRATE RESISTIVITY");
    put("~A  DEPTH");

    std::uint32_t state = options.seed;
    auto noise = [&state]() {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 16777216.0 - 0.5;
    };
    for (std::int64_t s = 0; s < options.steps; ++s) {
        const double depth = options.start + options.step * static_cast<double>(s);
        appendFixed(out, depth, 10, 4);
        int onLine = options.wrapped ? 5 : 0;  // wrapped: the depth stands alone on its line
        for (int c = 1; c < options.curves; ++c) {
            if (options.wrapped && onLine == 5) {
                out += "\r\n";
                onLine = 0;
            }
            const int k = (c - 1) % 12;
            const double wave = std::sin(depth * (0.05 + 0.01 * k));
            double v = kBase[k] + kSwing[k] * (0.6 * wave + 0.4 * noise());
            if (((s * 31 + c * 7) % 997) == 0)
                v = -999.25;  // a sprinkling of nulls, as real logs have
            appendFixed(out, v, 11, 4);
            ++onLine;
        }
        out += "\r\n";
        if (out.size() > (1u << 20)) {
            if (std::fwrite(out.data(), 1, out.size(), f) != out.size()) {
                std::fclose(f);
                return false;
            }
            out.clear();
        }
    }
    const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace corvalet::bench
