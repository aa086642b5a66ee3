#include "art/parallel.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace lumina {

int DefaultArtThreads() {
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, 8u));
}

void RunParts(int parts, const std::function<void(int part)>& work) {
    if (parts <= 1) {
        work(0);
        return;
    }
    std::vector<std::jthread> others;
    others.reserve(static_cast<size_t>(parts - 1));
    for (int part = 1; part < parts; ++part) {
        try {
            others.emplace_back(work, part);
        } catch (const std::system_error&) {
            work(part); // no thread to be had: the caller does the part itself
        }
    }
    work(0);
}

PartRange PartOf(int count, int part, int parts) {
    const long long n = count;
    return {static_cast<int>(n * part / parts), static_cast<int>(n * (part + 1) / parts)};
}

} // namespace lumina
