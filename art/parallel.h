#pragma once

#include <functional>

namespace lumina {

// How many threads a character-art run uses by default: the machine's cores, at most 8.
int DefaultArtThreads();

// Runs work(part) for every part in [0, parts), each on its own thread (the caller's for part
// 0), and returns when all are done. work must not throw.
void RunParts(int parts, const std::function<void(int part)>& work);

// The part-th of parts nearly equal pieces of [0, count): its first and one past its last.
struct PartRange {
    int begin;
    int end;
};
PartRange PartOf(int count, int part, int parts);

} // namespace lumina
