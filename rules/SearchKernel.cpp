#include "rules/SearchKernel.h"

#include "rules/VectorBits.h"

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <cpuid.h>
#define TILECREST_CPUID 1
#endif

namespace {

constexpr uint32_t AVX2_NEEDS =
    PROCESSOR_AVX2 | PROCESSOR_BMI1 | PROCESSOR_LZCNT | PROCESSOR_POPCNT | PROCESSOR_AVX_SAVED;

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
    // XGETBV exists only where the system has set OSXSAVE.
    const bool osxsave = ecx >> 27 & 1;
    const bool avxSaved = osxsave && (savedState() & 0x6) == 0x6;

    uint32_t leaf7 = 0;
    if (maxLeaf >= 7) __get_cpuid_count(7, 0, &eax, &leaf7, &ecx, &edx);
    uint32_t extended = 0;
    if (__get_cpuid(0x80000001, &eax, &ebx, &extended, &edx) == 0) extended = 0;

    const auto bit = [](uint32_t word, int index) { return (word >> index & 1) != 0; };
    processor.features =
        (popcnt ? PROCESSOR_POPCNT : 0) | (bit(extended, 5) ? PROCESSOR_LZCNT : 0) |
        (bit(leaf7, 3) ? PROCESSOR_BMI1 : 0) | (bit(leaf7, 5) ? PROCESSOR_AVX2 : 0) |
        (avxSaved ? PROCESSOR_AVX_SAVED : 0);
    return processor;
}
#else
Processor readProcessor() {
    return {};
}
#endif

bool compiledIn(SearchKernel kernel) {
#ifdef TILECREST_VECTOR_BITS
    return kernel == SEARCH_KERNEL_PORTABLE || kernel == SEARCH_KERNEL_AVX2;
#else
    return kernel == SEARCH_KERNEL_PORTABLE;
#endif
}

SearchKernel& current() {
    static SearchKernel kernel = defaultSearchKernel();
    return kernel;
}

}  // namespace

const char* searchKernelName(SearchKernel kernel) {
    return kernel == SEARCH_KERNEL_AVX2 ? "avx2" : "portable";
}

Processor thisProcessor() {
    static const Processor processor = readProcessor();
    return processor;
}

SearchKernel searchKernelFor(const Processor& processor) {
    return (processor.features & AVX2_NEEDS) == AVX2_NEEDS ? SEARCH_KERNEL_AVX2
                                                           : SEARCH_KERNEL_PORTABLE;
}

bool searchKernelRunsHere(SearchKernel kernel) {
    return compiledIn(kernel) &&
           (kernel == SEARCH_KERNEL_PORTABLE || searchKernelFor(thisProcessor()) == kernel);
}

SearchKernel defaultSearchKernel() {
    const SearchKernel kernel = searchKernelFor(thisProcessor());
    return searchKernelRunsHere(kernel) ? kernel : SEARCH_KERNEL_PORTABLE;
}

bool switchSearchKernel(SearchKernel kernel) {
    if (!searchKernelRunsHere(kernel)) return false;
    current() = kernel;
    return true;
}

SearchKernel currentSearchKernel() {
    return current();
}
