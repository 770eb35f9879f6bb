#include "barcode/PictureReader.h"

namespace tolvane {

PictureReader::PictureReader(Dispatcher& dispatcher, Read read, PictureLimits limits)
    : toUiThread_(std::make_shared<DispatchGate>(dispatcher)),
      read_(std::make_shared<Read>(std::move(read))), limits_(limits), worker_([this] { run(); }) {}

PictureReader::~PictureReader() {
    toUiThread_->close();
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        giveUp_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

void PictureReader::read(std::string path) {
    {
        std::lock_guard lock(mutex_);
        next_ = std::move(path);
        giveUp_ = true;
    }
    wake_.notify_one();
}

void PictureReader::run() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || next_; });
        if (stopping_) return;
        const std::string path = std::move(*next_);
        next_.reset();
        giveUp_ = false;
        lock.unlock();
        const PictureCode code = readPictureCode(path, limits_, &giveUp_);
        if (code.outcome != PictureCode::Outcome::Stopped)
            toUiThread_->runOnUiThread([weak = std::weak_ptr(read_), code] {
                const auto read = weak.lock();
                if (read && *read) (*read)(code);
            });
        lock.lock();
    }
}

} // namespace tolvane
