#include "barcode/BarcodeScanner.h"

#include <cstring>

namespace tolvane {

BarcodeScanner::BarcodeScanner(Dispatcher& dispatcher, Decoded decoded)
    : dispatcher_(dispatcher), decoded_(std::make_shared<Decoded>(std::move(decoded))),
      worker_([this] { run(); }) {}

BarcodeScanner::~BarcodeScanner() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

bool BarcodeScanner::offer(const ImageBuffer& picture) {
    {
        std::lock_guard lock(mutex_);
        if (busy_ || pending_) return false;
        const std::size_t size = std::size_t(picture.bytesPerRow) * std::max(0, picture.height);
        pixels_.resize(size);
        if (size > 0) std::memcpy(pixels_.data(), picture.pixels, size);
        picture_ = picture;
        picture_.pixels = pixels_.data();
        pending_ = true;
    }
    wake_.notify_one();
    return true;
}

void BarcodeScanner::run() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || pending_; });
        if (stopping_) return;
        pending_ = false;
        busy_ = true;
        const ImageBuffer picture = picture_;
        lock.unlock();
        // offer() leaves the pixels alone while busy.
        const auto code = readBarcode(picture);
        dispatcher_.runOnUiThread([weak = std::weak_ptr(decoded_), code] {
            const auto decoded = weak.lock();
            if (decoded && *decoded) (*decoded)(code);
        });
        lock.lock();
        busy_ = false;
    }
}

} // namespace tolvane
