#pragma once
// Deterministic synthetic LAS 2.0 files for the benchmarks: plausible curves, CR LF line ends,
// unwrapped (one line per depth step) or wrapped (depth alone, then lines of five values).
#include <cstdint>
#include <string>

namespace corvalet::bench {

struct SyntheticOptions {
    int curves = 10;             // the depth curve included
    std::int64_t steps = 500000;
    double start = 1000.0;
    double step = 0.125;
    bool wrapped = false;
    std::uint32_t seed = 12345;
};

// Writes the file; false when it cannot be written.
bool writeSyntheticLas(const std::string& path, const SyntheticOptions& options);

} // namespace corvalet::bench
