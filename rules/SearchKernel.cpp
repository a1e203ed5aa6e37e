#include "rules/SearchKernel.h"

#include "rules/VectorBits.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <cpuid.h>
#define TILECREST_CPUID 1
#endif

namespace {

constexpr uint32_t AVX2_NEEDS = PROCESSOR_AVX2 | PROCESSOR_BMI | PROCESSOR_LZCNT | PROCESSOR_POPCNT;

#ifdef TILECREST_CPUID
// The registers the operating system saves on a task switch (XCR0).
uint64_t savedState() {
    uint32_t low, high;
    __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    return static_cast<uint64_t>(high) << 32 | low;
}

Processor readProcessor() {
    Processor processor;
    uint32_t eax, ebx, ecx, edx;
    if (!__get_cpuid(0, &eax, &ebx, &ecx, &edx)) return processor;
    const uint32_t maxLeaf = eax;
    const uint32_t name[3] = {ebx, edx, ecx};
    processor.vendor.assign(reinterpret_cast<const char*>(name), sizeof name);

    __get_cpuid(1, &eax, &ebx, &ecx, &edx);
    const uint32_t baseFamily = eax >> 8 & 0xF;
    processor.family = baseFamily + (baseFamily == 0xF ? (eax >> 20 & 0xFF) : 0);
    processor.model =
        (eax >> 4 & 0xF) | ((baseFamily == 6 || baseFamily == 0xF) ? (eax >> 12 & 0xF0) : 0);
    const bool popcnt = ecx >> 23 & 1;
    // AVX registers are usable only when the system saves them (OSXSAVE, then XCR0).
    const bool xsave = ecx >> 27 & 1;
    const uint64_t state = xsave ? savedState() : 0;
    const bool ymm = (state & 0x6) == 0x6;
    const bool zmm = ymm && (state & 0xE0) == 0xE0;

    uint32_t leaf7 = 0;
    if (maxLeaf >= 7) __get_cpuid_count(7, 0, &eax, &leaf7, &ecx, &edx);
    uint32_t extended = 0;
    if (__get_cpuid(0x80000001, &eax, &ebx, &extended, &edx) == 0) extended = 0;

    const auto bit = [](uint32_t word, int index) { return (word >> index & 1) != 0; };
    processor.features =
        (popcnt ? PROCESSOR_POPCNT : 0) | (bit(extended, 5) ? PROCESSOR_LZCNT : 0) |
        (bit(leaf7, 3) ? PROCESSOR_BMI : 0) | (bit(leaf7, 8) ? PROCESSOR_BMI2 : 0) |
        (ymm && bit(leaf7, 5) ? PROCESSOR_AVX2 : 0);
    // AVX-512 F, DQ, BW, VL.
    if (zmm && bit(leaf7, 16) && bit(leaf7, 17) && bit(leaf7, 30) && bit(leaf7, 31))
        processor.features |= PROCESSOR_AVX512;
    return processor;
}
#else
Processor readProcessor() {
    return {};
}
#endif

bool compiledIn(SearchKernel kernel) {
#ifdef TILECREST_VECTOR_BITS
    return kernel >= SEARCH_KERNEL_PORTABLE && kernel < SEARCH_KERNEL_COUNT;
#else
    return kernel == SEARCH_KERNEL_PORTABLE;
#endif
}

SearchKernel& currentKernel() {
    static SearchKernel kernel = chosenSearchKernel();
    return kernel;
}

}  // namespace

const char* searchKernelName(SearchKernel kernel) {
    switch (kernel) {
        case SEARCH_KERNEL_AVX2:
            return "avx2";
        case SEARCH_KERNEL_BMI2:
            return "bmi2";
        case SEARCH_KERNEL_AVX512:
            return "avx512";
        default:
            return "portable";
    }
}

Processor thisProcessor() {
    static const Processor processor = readProcessor();
    return processor;
}

bool processorRuns(const Processor& processor, SearchKernel kernel) {
    const auto has = [&](uint32_t features) { return (processor.features & features) == features; };
    switch (kernel) {
        case SEARCH_KERNEL_PORTABLE:
            return true;
        case SEARCH_KERNEL_AVX2:
            return has(AVX2_NEEDS);
        case SEARCH_KERNEL_BMI2:
            return has(AVX2_NEEDS | PROCESSOR_BMI2);
        case SEARCH_KERNEL_AVX512:
            return has(AVX2_NEEDS | PROCESSOR_BMI2 | PROCESSOR_AVX512);
    }
    return false;
}

SearchKernel chooseSearchKernel(const Processor& processor) {
    const bool fastPext = processor.vendor == "GenuineIntel" ||
                          (processor.vendor == "AuthenticAMD" && processor.family >= 25);
    if (fastPext && processorRuns(processor, SEARCH_KERNEL_AVX512)) return SEARCH_KERNEL_AVX512;
    if (fastPext && processorRuns(processor, SEARCH_KERNEL_BMI2)) return SEARCH_KERNEL_BMI2;
    if (processorRuns(processor, SEARCH_KERNEL_AVX2)) return SEARCH_KERNEL_AVX2;
    return SEARCH_KERNEL_PORTABLE;
}

bool searchKernelAvailable(SearchKernel kernel) {
    return compiledIn(kernel) && processorRuns(thisProcessor(), kernel);
}

SearchKernel chosenSearchKernel() {
    const SearchKernel kernel = chooseSearchKernel(thisProcessor());
    return searchKernelAvailable(kernel) ? kernel : SEARCH_KERNEL_PORTABLE;
}

bool selectSearchKernel(SearchKernel kernel) {
    if (!searchKernelAvailable(kernel)) return false;
    currentKernel() = kernel;
    return true;
}

SearchKernel selectedSearchKernel() {
    return currentKernel();
}
