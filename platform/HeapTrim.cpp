#include "platform/HeapTrim.h"

#include <cstdlib> // defines __GLIBC__

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void keepHeapTrimmed()
{
#if defined(__GLIBC__)
    // glibc's own starting values; setting them turns their growth off.
    constexpr int ThresholdBytes = 128 * 1024;
    mallopt(M_MMAP_THRESHOLD, ThresholdBytes);
    mallopt(M_TRIM_THRESHOLD, ThresholdBytes);
#endif
}
