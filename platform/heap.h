#pragma once

namespace lumina {

// Blocks of 128 KiB and more get mappings of their own and go back to the system when freed.
// By default the C library raises that threshold after the first such block is freed, so the
// buffers of later steps stay in the heap and a short run's peak holds every step at once.
void KeepLargeBlocksMapped();

} // namespace lumina
