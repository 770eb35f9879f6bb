#include "server/Gzip.h"

#include "text/SplitFields.h"

#include <zlib.h>

#include <stdexcept>

namespace tolvane::server {

namespace {

constexpr int kGzipWindowBits = 15 + 16;

std::string lowered(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// "q=0", "q=0.0", "q=0.000" refuse an encoding.
bool refused(std::string_view parameters) {
    std::size_t q = parameters.find("q=");
    if (q == std::string_view::npos) return false;
    std::string_view value = trimmed(parameters.substr(q + 2));
    if (value.empty() || value[0] != '0') return false;
    for (char c : value.substr(1))
        if (c != '.' && c != '0') return false;
    return true;
}

} // namespace

bool acceptsGzip(std::string_view acceptEncoding) {
    std::string header = lowered(acceptEncoding);
    std::string_view rest = header;
    while (!rest.empty()) {
        std::size_t comma = rest.find(',');
        std::string_view item = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        std::size_t semicolon = item.find(';');
        std::string_view coding = trimmed(item.substr(0, semicolon));
        std::string_view parameters =
            semicolon == std::string_view::npos ? std::string_view() : item.substr(semicolon + 1);
        if ((coding == "gzip" || coding == "x-gzip") && !refused(parameters)) return true;
    }
    return false;
}

std::string gzipCompress(std::string_view data) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindowBits, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("gzip: cannot initialise");
    std::string out;
    out.resize(deflateBound(&stream, static_cast<uLong>(data.size())) + 32);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    int rc = deflate(&stream, Z_FINISH);
    std::size_t produced = stream.total_out;
    deflateEnd(&stream);
    if (rc != Z_STREAM_END) throw std::runtime_error("gzip: compression failed");
    out.resize(produced);
    return out;
}

std::optional<std::string> gzipDecompress(std::string_view data) {
    z_stream stream{};
    if (inflateInit2(&stream, kGzipWindowBits) != Z_OK) return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    std::string out;
    char buffer[16384];
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        rc = inflate(&stream, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END) break;
        out.append(buffer, sizeof buffer - stream.avail_out);
        if (rc == Z_OK && stream.avail_in == 0 && stream.avail_out != 0) break; // truncated
    }
    inflateEnd(&stream);
    if (rc != Z_STREAM_END) return std::nullopt;
    return out;
}

} // namespace tolvane::server
