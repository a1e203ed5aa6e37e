#pragma once

#include <cstdint>
#include <string>

// Which build of the search ComputeMove, MinLevel and MaxLevel run. Both examine the same
// positions in the same order and give the same moves and counts; they differ in speed
// only. Tests and the search tool switch between them to compare.
//   portable  plain C++, the only build on processors other than x86-64 or with compilers
//             other than GCC and clang;
//   avx2      vector lanes for AVX2, with BMI1, LZCNT and POPCNT.
enum SearchKernel : int32_t {
    SEARCH_KERNEL_PORTABLE = 0,
    SEARCH_KERNEL_AVX2 = 1,
};
constexpr int32_t SEARCH_KERNEL_COUNT = 2;

// "portable" or "avx2": the names the search tool takes.
const char* searchKernelName(SearchKernel kernel);

// What CPUID and XGETBV tell of a processor, as far as the choice of a build needs it.
constexpr uint32_t PROCESSOR_AVX2 = 1;
constexpr uint32_t PROCESSOR_BMI1 = 2;
constexpr uint32_t PROCESSOR_LZCNT = 4;
constexpr uint32_t PROCESSOR_POPCNT = 8;
// The system saves the AVX registers on a task switch (OSXSAVE set, XCR0 with SSE and AVX):
// without that the instructions fault however the processor supports them.
constexpr uint32_t PROCESSOR_AVX_SAVED = 16;
struct Processor {
    std::string vendor;  // "GenuineIntel", "AuthenticAMD", ...; empty when not x86
    uint32_t family = 0;
    uint32_t model = 0;
    uint32_t features = 0;  // PROCESSOR_ bits
};

// CPUID of the processor this runs on; on other processors than x86 an empty Processor.
Processor thisProcessor();

// The build for a processor description: avx2 where it has every instruction of that build
// and the system saves the AVX registers, else portable.
SearchKernel searchKernelFor(const Processor& processor);

// Whether this program holds the build and this processor runs it.
bool searchKernelRunsHere(SearchKernel kernel);
// What the search runs until switchSearchKernel says otherwise: searchKernelFor(thisProcessor())
// where this program holds that build, else portable.
SearchKernel defaultSearchKernel();
// Makes the search run `kernel`; returns false and changes nothing where it does not run here.
bool switchSearchKernel(SearchKernel kernel);
SearchKernel currentSearchKernel();
