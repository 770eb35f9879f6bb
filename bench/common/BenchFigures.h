// What the benchmark programs share: medians of repeated runs, the machine-readable figure lines
// ("figure NAME VALUE UNIT") and the process's memory as the kernel and the allocator see it.
#pragma once

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <malloc.h>
#include <string>
#include <vector>

namespace tolvane::bench {

inline std::string fixed(double value, int decimals) {
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

// The median time of work; undo, when given, runs after each timed run and is not timed.
inline double medianMs(int runs, const std::function<void()>& work,
                       const std::function<void()>& undo = {}) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        if (undo) undo();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Makes a synthetic catalogue of count products with the catalogue tool; ends the program when
// it cannot, as a benchmark without its catalogue has nothing to measure.
inline void makeSyntheticCatalogue(const std::string& generator, const std::string& file,
                                   int count) {
    const std::string command = "\"" + generator + "\" synthetic --count " + std::to_string(count) +
                                " --out \"" + file + "\" > /dev/null";
    if (std::system(command.c_str()) != 0) {
        std::cerr << "could not make the synthetic catalogue: " << command << "\n";
        std::exit(1);
    }
}

// One line a script can read, then the reference it is measured against and the ratio, for people.
// A figure that does not depend on the catalogue's size (a picture's decoding) has no count.
inline void figure(const std::string& name, double value, const std::string& unit, double reference,
                   const std::string& referenceWhat, int decimals = 2) {
    std::cout << "figure " << name << " " << fixed(value, decimals) << " " << unit << "\n";
    if (reference > 0)
        std::cout << "  reference " << fixed(reference, decimals) << " " << unit << " ("
                  << referenceWhat << "), ratio " << fixed(value / reference, 2) << "\n";
}

inline void figure(const std::string& name, int count, double value, const std::string& unit,
                   double reference, const std::string& referenceWhat, int decimals = 2) {
    figure(name + "_" + std::to_string(count), value, unit, reference, referenceWhat, decimals);
}

// Resident set of the process in MiB, from the kernel.
inline double rssMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) {
            long kib = 0;
            const auto digits = line.find_first_of("0123456789");
            if (digits != std::string::npos)
                std::from_chars(line.data() + digits, line.data() + line.size(), kib);
            return static_cast<double>(kib) / 1024.0;
        }
    return 0;
}

// Bytes the allocator has handed out and not taken back.
inline std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

// Sends every thread's allocations to the one arena the allocator reports on; call first thing,
// before any thread starts, when memory made on worker threads is to be measured.
inline void oneAllocatorArena() {
    mallopt(M_ARENA_MAX, 1);
}

// As heapInUse, with the large blocks the allocator maps on their own (a list's whole buffer
// can be one of them).
inline std::size_t allocatedInUse() {
    const auto info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

} // namespace tolvane::bench
