#include "platform/heap.h"

#include <malloc.h>

namespace lumina {

void KeepLargeBlocksMapped() {
    // Setting the threshold also turns off its adjustment.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
}

} // namespace lumina
