// corvalet_genlas OUTPUT [curves] [steps] [wrapped:0|1]
#include "SyntheticLas.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: corvalet_genlas OUTPUT [curves=10] [steps=500000] [wrapped=0]\n");
        return 2;
    }
    corvalet::bench::SyntheticOptions options;
    if (argc > 2)
        options.curves = std::atoi(argv[2]);
    if (argc > 3)
        options.steps = std::atoll(argv[3]);
    if (argc > 4)
        options.wrapped = std::atoi(argv[4]) != 0;
    if (options.curves < 1 || options.steps < 1) {
        std::fprintf(stderr, "curves and steps must be positive\n");
        return 2;
    }
    if (!corvalet::bench::writeSyntheticLas(argv[1], options)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
