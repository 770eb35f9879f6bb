// A picture file read into memory the way a picture chosen or dropped by the user may be read:
// only a regular file, looked at without blocking before any byte is read (a named pipe, a
// device or a folder is refused, never opened for reading), no larger than a bound and within a
// time bound. Plain POSIX; the scan screen's picture reader and the catalogue tool read through it.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tolvane {

struct PictureLimits {
    // The largest phone photos (200 megapixels) stay well below.
    std::size_t maxBytes = std::size_t{128} << 20;
    // For reading the file and looking for the code in it together.
    std::chrono::milliseconds time{20000};
};

enum class PictureFileError { None, Missing, NotAFile, TooLarge, Unreadable, Stopped };

struct PictureBytes {
    PictureFileError error = PictureFileError::None;
    std::vector<std::uint8_t> bytes;
};

// The whole file; its error when it cannot be had. Gives up (Unreadable) once the deadline has
// passed and (Stopped) as soon as *stop is set, checked between chunks.
PictureBytes readPictureFile(const std::string& path, std::size_t maxBytes,
                             std::chrono::steady_clock::time_point deadline,
                             const std::atomic<bool>* stop = nullptr);

} // namespace tolvane
