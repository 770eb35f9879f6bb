// A named pipe put where a picture is expected. A reader that opens it waits for a writer for
// ever; so that such a fault fails its test instead of hanging it, a guard thread lets a reader
// that still waits after the patience given go (it reads an empty file) and notes that it had to.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace tolvane::test {

class GuardedFifo {
public:
    explicit GuardedFifo(std::string path,
                         std::chrono::milliseconds patience = std::chrono::seconds(3))
        : path_(std::move(path)), made_(::mkfifo(path_.c_str(), 0600) == 0),
          guard_([this, patience] {
              const auto until = std::chrono::steady_clock::now() + patience;
              while (!done_ && std::chrono::steady_clock::now() < until)
                  std::this_thread::sleep_for(std::chrono::milliseconds(10));
              while (!done_) {
                  // Opens only while a reader has it open: that reader is let go.
                  const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0) {
                      readerWaited_ = true;
                      ::close(fd);
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(10));
              }
          }) {}
    ~GuardedFifo() {
        done_ = true;
        guard_.join();
    }
    GuardedFifo(const GuardedFifo&) = delete;
    GuardedFifo& operator=(const GuardedFifo&) = delete;

    const std::string& path() const { return path_; }
    bool made() const { return made_; }
    // Whether a reader waited in it past the patience.
    bool readerWaited() const { return readerWaited_; }

private:
    std::string path_;
    bool made_;
    std::atomic<bool> done_{false};
    std::atomic<bool> readerWaited_{false};
    std::thread guard_;
};

} // namespace tolvane::test
