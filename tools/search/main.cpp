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
    std::cerr << "usage: tilecrest-search [--summary] [--kernel portable|avx2] "
                 "< positions\n"
                 "       tilecrest-search --kernel list\n"
                 "       tilecrest-search --perft DEPTH\n";
    return 2;
}

std::string processorText(const Processor& processor) {
    return "vendor=" + (processor.vendor.empty() ? std::string("unknown") : processor.vendor) +
           " family=" + std::to_string(processor.family) +
           " model=" + std::to_string(processor.model);
}

// The builds this processor runs, one a line, the one chosen for it marked.
int listKernels() {
    const SearchKernel chosen = defaultSearchKernel();
    for (int32_t i = 0; i < SEARCH_KERNEL_COUNT; ++i) {
        const SearchKernel kernel = static_cast<SearchKernel>(i);
        if (!searchKernelRunsHere(kernel)) continue;
        std::cout << searchKernelName(kernel) << (kernel == chosen ? " chosen" : "") << '\n';
    }
    return 0;
}

// A build of the search by name instead of the one chosen for the processor, to compare
// them: exit status 2 for a name that is no build, 3 when this processor lacks the build.
int switchKernelNamed(const std::string& name) {
    for (int32_t i = 0; i < SEARCH_KERNEL_COUNT; ++i) {
        const SearchKernel kernel = static_cast<SearchKernel>(i);
        if (name != searchKernelName(kernel)) continue;
        if (switchSearchKernel(kernel)) return 0;
        std::cerr << "tilecrest-search: this processor (" << processorText(thisProcessor())
                  << ") or this program lacks the " << name << " build\n";
        return 3;
    }
    std::cerr << "tilecrest-search: no build named " << name
              << "; the builds are portable and avx2\n";
    return 2;
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
            const std::string name = argv[++i];
            if (name == "list") return listKernels();
            if (const int status = switchKernelNamed(name)) return status;
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
                  << " kernel=" << searchKernelName(currentSearchKernel()) << ' '
                  << processorText(thisProcessor())
                  << " chosen=" << searchKernelName(defaultSearchKernel()) << std::endl;
    }
    return 0;
}
