// Times the analysis of large synthetic LAS files: the record scan (header, data sample and
// tail) and, for comparison, one full pass of the line reader over every byte.
//   ScanBench [folder]   (default: the system temp folder)
#include "SyntheticLas.h"
#include "core/FileAnalysis.h"
#include "core/Records.h"
#include "platform/LineReader.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>

namespace {

double seconds(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

long peakKb()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

void run(const std::string& path, bool wrapped)
{
    corvalet::bench::SyntheticOptions options;
    options.wrapped = wrapped;
    if (!std::filesystem::exists(path) && !corvalet::bench::writeSyntheticLas(path, options)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return;
    }
    const auto size = std::filesystem::file_size(path);

    // Warm the page cache once so that the figures measure our code, not the disk.
    {
        std::ifstream in(path, std::ios::binary);
        std::string buf(1 << 20, '\0');
        while (in.read(buf.data(), static_cast<std::streamsize>(buf.size())) || in.gcount() > 0) {
        }
    }

    double best = 1e9;
    corvalet::core::FileInfoRec rec;
    for (int i = 0; i < 5; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        corvalet::core::scanLasFile(rec, path);
        best = std::min(best, seconds(t0));
    }

    const auto t1 = std::chrono::steady_clock::now();
    corvalet::platform::LineReader reader;
    if (!reader.open(path))
        return;
    corvalet::platform::Line line;
    std::size_t lines = 0;
    std::size_t bytes = 0;
    while (reader.next(line)) {
        ++lines;
        bytes += line.text.size();
    }
    const double full = seconds(t1);

    std::printf("%-8s %6.1f MB  scanLasFile best %7.2f ms  (wrap %s, %lld lines/step, last depth %.4f)\n",
                wrapped ? "wrapped" : "plain", static_cast<double>(size) / 1e6, best * 1e3, rec.wrapText.c_str(),
                static_cast<long long>(rec.linesPerStep), rec.lastDataDepth);
    std::printf("         full line pass %7.2f ms, %zu lines, %zu text bytes; peak RSS %.1f MB\n", full * 1e3, lines,
                bytes, static_cast<double>(peakKb()) / 1024.0);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string dir = argc > 1 ? argv[1] : std::filesystem::temp_directory_path().string();
    run(dir + "/corvalet-bench-plain.las", false);
    run(dir + "/corvalet-bench-wrapped.las", true);
    return 0;
}
