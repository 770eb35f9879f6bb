// Work on a large list done in two halves, so that it has both cores: the second half on a thread
// started for the call, the first on the caller's; the call returns when both are done, and an
// exception of either is thrown on. Without a thread to be had both run on the caller's.
#pragma once

#include <cstddef>
#include <exception>
#include <system_error>
#include <thread>

namespace tolvane {

// half(first, last) for [0, middle) and [middle, count).
template <class Half> void inTwoHalves(std::size_t middle, std::size_t count, Half&& half) {
    std::exception_ptr failed;
    std::thread worker;
    try {
        worker = std::thread([&] {
            try {
                half(middle, count);
            } catch (...) {
                failed = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        half(std::size_t{0}, middle);
        half(middle, count);
        return;
    }
    try {
        half(std::size_t{0}, middle);
    } catch (...) {
        worker.join();
        throw;
    }
    worker.join();
    if (failed) std::rethrow_exception(failed);
}

} // namespace tolvane
