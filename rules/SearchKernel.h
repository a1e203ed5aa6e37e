#pragma once

#include <cstdint>
#include <string>

// Which build of the search ComputeMove, MinLevel and MaxLevel run. All examine the same
// positions in the same order and give the same moves and counts; they differ in speed
// only. Tests and the search tool switch between them to compare.
//   portable  plain C++, the only build on processors other than x86-64 or with compilers
//             other than GCC;
//   avx2      vector lanes for AVX2, with BMI, LZCNT and POPCNT;
//   bmi2      avx2 with BMI2's pext/pdep for converting the packed rows;
//   avx512    bmi2 built for AVX-512VL (F, VL, BW, DQ).
enum SearchKernel : int32_t {
    SEARCH_KERNEL_PORTABLE = 0,
    SEARCH_KERNEL_AVX2 = 1,
    SEARCH_KERNEL_BMI2 = 2,
    SEARCH_KERNEL_AVX512 = 3,
};
constexpr int32_t SEARCH_KERNEL_COUNT = 4;

// "portable", "avx2", "bmi2" or "avx512": the names the search tool takes.
const char* searchKernelName(SearchKernel kernel);

// What CPUID tells of a processor, as far as the choice of a build needs it.
constexpr uint32_t PROCESSOR_AVX2 = 1;
constexpr uint32_t PROCESSOR_BMI = 2;
constexpr uint32_t PROCESSOR_BMI2 = 4;
constexpr uint32_t PROCESSOR_LZCNT = 8;
constexpr uint32_t PROCESSOR_POPCNT = 16;
constexpr uint32_t PROCESSOR_AVX512 = 32;  // F, VL, BW and DQ
struct Processor {
    std::string vendor;  // "GenuineIntel", "AuthenticAMD", ...; empty when not x86
    uint32_t family = 0;
    uint32_t model = 0;
    uint32_t features = 0;  // PROCESSOR_ bits, only those the system saves state for
};

// CPUID of the processor this runs on; on other processors than x86 an empty Processor.
Processor thisProcessor();

// Whether a processor has every instruction the build uses (it may run some of them slowly).
bool processorRuns(const Processor& processor, SearchKernel kernel);

// The build for a processor: the fastest one it runs, by a fixed rule rather than a timing.
// BMI2's pext and pdep take a few cycles on Intel processors (all of which with BMI2 are
// Haswell or later) and on AMD from family 25 (Zen 3) on, but hundreds, in microcode, on
// earlier AMD families (Excavator, Zen 1 and 2). Processors of other vendors (Hygon's are
// Zen 1) count as slow at them.
// So: avx512, else bmi2, where pext is fast and the processor runs the build; else avx2
// where it runs; else portable.
SearchKernel chooseSearchKernel(const Processor& processor);

// True when this program holds the build and this processor runs it.
bool searchKernelAvailable(SearchKernel kernel);
// chooseSearchKernel(thisProcessor()), or portable when that is not available: what the
// search runs until selectSearchKernel says otherwise.
SearchKernel chosenSearchKernel();
// Returns false and changes nothing when the kernel is not available.
bool selectSearchKernel(SearchKernel kernel);
SearchKernel selectedSearchKernel();
