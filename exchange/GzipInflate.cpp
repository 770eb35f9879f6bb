#include "exchange/GzipInflate.h"

#include <zlib.h>

namespace tolvane {

std::optional<std::string> inflateGzip(std::string_view data, std::size_t limit) {
    z_stream stream{};
    // 16 + MAX_WBITS: expect a gzip header and trailer.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) return std::nullopt;
    std::string out;
    char buffer[64 * 1024];
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    bool ok = !data.empty();
    while (ok) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        int rc = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - stream.avail_out);
        if (out.size() > limit) {
            ok = false;
            break;
        }
        if (rc == Z_STREAM_END) {
            if (stream.avail_in == 0) break;
            // Another gzip member follows.
            if (inflateReset(&stream) != Z_OK) ok = false;
            continue;
        }
        if (rc == Z_BUF_ERROR && stream.avail_in == 0) {
            ok = false; // truncated
            break;
        }
        if (rc != Z_OK) ok = false;
    }
    inflateEnd(&stream);
    if (!ok) return std::nullopt;
    return out;
}

} // namespace tolvane
