// Decodes pictures and camera frames off the user-interface thread.
//
// Threads: the UI thread creates the scanner, calls offer() and destroys it. The scanner owns one
// worker thread, started in the constructor, which decodes the newest offered picture; a frame
// offered while it is busy is dropped (the camera sends the next one soon). Each decoded picture's
// outcome reaches the callback through the dispatcher's runOnUiThread, and never after the
// scanner is gone. The destructor stops the worker: it waits for the picture in hand only
// (one decode, a few milliseconds at camera size).
#pragma once

#include "barcode/BarcodeReader.h"
#include "platform/Dispatcher.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace tolvane {

class BarcodeScanner {
public:
    // Nothing when the picture holds no product barcode.
    using Decoded = std::function<void(const std::optional<ScannedCode>&)>;

    BarcodeScanner(Dispatcher& dispatcher, Decoded decoded);
    ~BarcodeScanner();
    BarcodeScanner(const BarcodeScanner&) = delete;
    BarcodeScanner& operator=(const BarcodeScanner&) = delete;

    // UI thread. Copies the pixels for the worker; false when it was busy and the frame is
    // dropped.
    bool offer(const ImageBuffer& picture);

private:
    void run();

    Dispatcher& dispatcher_;
    // Shared with the tasks posted to the UI thread, which find it empty once the scanner is gone.
    std::shared_ptr<Decoded> decoded_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<std::uint8_t> pixels_;
    ImageBuffer picture_;
    bool pending_ = false;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread worker_;
};

} // namespace tolvane
