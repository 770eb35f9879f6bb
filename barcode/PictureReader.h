// Reads the barcode in a picture file off the user-interface thread: the picture chosen with the
// file dialog or dropped onto the window. Reading a phone photo takes up to seconds, and a file
// that is no picture (a named pipe) must not hold anything up; see readPictureCode.
//
// Threads: the UI thread creates the reader, calls read() and destroys it. The reader owns one
// worker thread, started in the constructor, which reads the newest picture asked for: one asked
// while another is read makes the worker give that up (between file chunks and picture regions)
// and take the new one. Each outcome reaches the callback on the UI thread through a DispatchGate
// and never after the reader is gone. The destructor closes the gate (an outcome found after
// that is dropped on the worker), tells the worker to stop and waits for it: for one decoding
// step at most (the scaled picture or one region, about a second for the largest photo).
#pragma once

#include "barcode/PictureCode.h"
#include "platform/Dispatcher.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace tolvane {

class PictureReader {
public:
    // Never called with a Stopped outcome.
    using Read = std::function<void(const PictureCode&)>;

    PictureReader(Dispatcher& dispatcher, Read read, PictureLimits limits = {});
    ~PictureReader();
    PictureReader(const PictureReader&) = delete;
    PictureReader& operator=(const PictureReader&) = delete;

    // UI thread. The picture read under way, if any, is given up for this one.
    void read(std::string path);

private:
    void run();

    std::shared_ptr<DispatchGate> toUiThread_;
    // Shared with the tasks posted to the UI thread, which find it empty once the reader is gone.
    std::shared_ptr<Read> read_;
    const PictureLimits limits_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<std::string> next_;
    bool stopping_ = false;
    // Set to make the worker give up the picture in hand (a newer one, or the end).
    std::atomic<bool> giveUp_{false};
    std::thread worker_;
};

} // namespace tolvane
