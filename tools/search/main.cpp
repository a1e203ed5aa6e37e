// tilecrest-search: asks the computer player about positions given as lines of moves on
// standard input and reports its move with the work it took, or counts move sequences.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "rules/SearchKernel.h"
#include "tools/search/Perft.h"
#include "tools/search/SearchQuery.h"

namespace {

int usage() {
    std::cerr << "usage: tilecrest-search [--summary] [--kernel portable|avx2|avx512] "
                 "< positions\n"
                 "       tilecrest-search --perft DEPTH\n";
    return 2;
}

const char* kernelName(SearchKernel kernel) {
    switch (kernel) {
        case SEARCH_KERNEL_AVX512:
            return "avx512";
        case SEARCH_KERNEL_AVX2:
            return "avx2";
        default:
            return "portable";
    }
}

int runPerft(const std::string& depthText) {
    char* end = nullptr;
    const long depth = std::strtol(depthText.c_str(), &end, 10);
    if (depthText.empty() || *end != '\0' || depth < 1 || depth > 60) return usage();
    for (int d = 1; d <= depth; ++d) {
        std::cout << "perft " << d << ' ' << perft(d) << std::endl;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    bool summary = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--summary") {
            summary = true;
        } else if (argument == "--kernel" && i + 1 < argc) {
            // A build of the search by name instead of the fastest one the processor has, to
            // compare them; exit status 3 when this processor lacks it.
            const std::string name = argv[++i];
            const SearchKernel kernel = name == "avx512" ? SEARCH_KERNEL_AVX512
                                        : name == "avx2" ? SEARCH_KERNEL_AVX2
                                                         : SEARCH_KERNEL_PORTABLE;
            if (name != "portable" && name != "avx2" && name != "avx512") return usage();
            if (!selectSearchKernel(kernel)) {
                std::cerr << "tilecrest-search: no " << name << " kernel on this processor\n";
                return 3;
            }
        } else if (argument == "--perft" && i + 1 < argc) {
            return runPerft(argv[i + 1]);
        } else {
            return usage();
        }
    }

    SearchTotals totals;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const SearchAnswer answer = answerLine(line, totals);
        std::cout << answer.text << std::endl;
        if (!answer.balanced) {
            std::cerr << "tilecrest-search: the search freed a different number of objects "
                         "than it created\n";
            return 1;
        }
    }
    if (summary) {
        const double perSecond = totals.seconds > 0 ? totals.nodes / totals.seconds : 0.0;
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.3f", totals.seconds);
        std::cout << "positions=" << totals.positions << " nodes=" << totals.nodes
                  << " records=" << totals.records << " seconds=" << seconds
                  << " nodes_per_second=" << static_cast<uint64_t>(perSecond)
                  << " kernel=" << kernelName(selectedSearchKernel()) << std::endl;
    }
    return 0;
}
