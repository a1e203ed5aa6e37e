#pragma once

#include <cstdint>

// Which build of the search ComputeMove, MinLevel and MaxLevel run: the portable one, or
// the vector one built for processors with AVX2, BMI and POPCNT, or the vector one built for
// AVX-512VL on top of those. All examine the same positions in the
// same order and give the same moves and counts; the fastest one the processor has is chosen
// at start-up. Tests and the search tool switch between them to compare.
enum SearchKernel : int32_t {
    SEARCH_KERNEL_PORTABLE = 0,
    SEARCH_KERNEL_AVX2 = 1,
    SEARCH_KERNEL_AVX512 = 2,
};

bool searchKernelAvailable(SearchKernel kernel);
// Returns false and changes nothing when the processor (or this build) lacks the kernel.
bool selectSearchKernel(SearchKernel kernel);
SearchKernel selectedSearchKernel();
