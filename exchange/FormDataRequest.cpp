#include "exchange/FormDataRequest.h"

#include "exchange/GzipInflate.h"
#include "format/PercentEncoding.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <mutex>

namespace tolvane {

namespace {

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer {
    using Clock = std::chrono::steady_clock;
    std::string body;
    std::string encoding;
    bool tooLarge = false;
    bool silent = false;
    const std::atomic<bool>* cancelled = nullptr;
    // Bytes moved either way so far, and when the count last grew.
    curl_off_t moved = 0;
    Clock::time_point lastActivity = Clock::now();
    Clock::duration silenceLimit{};
};

size_t onBody(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    size_t bytes = size * count;
    if (transfer->body.size() + bytes > FormDataRequest::maxResponseBytes) {
        transfer->tooLarge = true;
        return 0; // makes curl stop with a write error
    }
    transfer->body.append(data, bytes);
    return bytes;
}

std::string lowerTrimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

size_t onHeader(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    size_t bytes = size * count;
    std::string_view line(data, bytes);
    // A new status line starts a new response (after a 100 Continue, say).
    if (line.starts_with("HTTP/")) transfer->encoding.clear();
    auto colon = line.find(':');
    if (colon != std::string_view::npos &&
        lowerTrimmed(line.substr(0, colon)) == "content-encoding")
        transfer->encoding = lowerTrimmed(line.substr(colon + 1));
    return bytes;
}

int onProgress(void* user, curl_off_t, curl_off_t received, curl_off_t, curl_off_t sent) {
    auto* transfer = static_cast<Transfer*>(user);
    if (transfer->cancelled->load()) return 1;
    const auto now = Transfer::Clock::now();
    if (received + sent != transfer->moved) {
        transfer->moved = received + sent;
        transfer->lastActivity = now;
    } else if (now - transfer->lastActivity >= transfer->silenceLimit) {
        transfer->silent = true;
        return 1;
    }
    return 0;
}

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

FormDataRequest::FormDataRequest(std::string url) : url_(std::move(url)) {}

std::shared_ptr<FormDataRequest> FormDataRequest::requestWithURL(std::string url) {
    return std::make_shared<FormDataRequest>(std::move(url));
}

void FormDataRequest::setPostValue(std::string value, std::string key) {
    fields_.emplace_back(std::move(key), std::move(value));
}

std::string FormDataRequest::postBody() const {
    std::string body;
    for (const auto& [key, value] : fields_) {
        if (!body.empty()) body += '&';
        body += percentEncode(key);
        body += '=';
        body += percentEncode(value);
    }
    return body;
}

void FormDataRequest::completeWith(int status, std::string body, std::string encoding) {
    failed_ = false;
    error_.clear();
    status_ = status;
    response_ = std::move(body);
    encoding_ = std::move(encoding);
}

void FormDataRequest::failWith(std::string error) {
    failed_ = true;
    error_ = std::move(error);
    response_.clear();
}

void FormDataRequest::startSynchronous() {
    if (cancelled_) {
        failWith("cancelled");
        return;
    }
    initialiseCurlOnce();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) {
        failWith("could not start a transfer");
        return;
    }
    CURL* c = curl.get();
    const std::string body = postBody();
    Transfer transfer;
    transfer.cancelled = &cancelled_;
    char errorText[CURL_ERROR_SIZE] = {};

    curl_slist* rawHeaders = nullptr;
    rawHeaders = curl_slist_append(
        rawHeaders, "Content-Type: application/x-www-form-urlencoded; charset=utf-8");
    rawHeaders = curl_slist_append(rawHeaders, "Accept-Encoding: gzip");
    rawHeaders = curl_slist_append(rawHeaders, "Expect:");
    std::unique_ptr<curl_slist, HeaderListDeleter> headers(rawHeaders);

    const long timeoutMs = static_cast<long>(timeoutSeconds_ * 1000);
    curl_easy_setopt(c, CURLOPT_URL, url_.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    // Stated rather than left to the library's defaults: HTTPS only with a verified server.
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caFile_.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, caFile_.c_str());
    curl_easy_setopt(c, CURLOPT_POST, 1L);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, body.c_str());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    // We ask for gzip ourselves and inflate it, so curl must leave the body as sent.
    curl_easy_setopt(c, CURLOPT_HTTP_CONTENT_DECODING, 0L);
    if (!username_.empty() || !password_.empty()) {
        curl_easy_setopt(c, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
        curl_easy_setopt(c, CURLOPT_USERNAME, username_.c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password_.c_str());
    }
    // The time-out is for silence, not for the whole transfer: a big page on a slow line that
    // keeps arriving must not fail. The total limit ends a server that trickles.
    transfer.silenceLimit = std::chrono::milliseconds(timeoutMs);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS,
                     std::max(timeoutMs, static_cast<long>(totalTimeoutSeconds_ * 1000)));
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);

    CURLcode result = curl_easy_perform(c);
    if (cancelled_) {
        failWith("cancelled");
        return;
    }
    if (transfer.tooLarge) {
        failWith("reply too large");
        return;
    }
    if (transfer.silent) {
        failWith("no reply for " + std::to_string(timeoutMs / 1000) + " s");
        return;
    }
    if (result != CURLE_OK) {
        failWith(errorText[0] ? errorText : curl_easy_strerror(result));
        return;
    }
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    if (status == 401 || status == 407) {
        failWith("credentials refused (HTTP " + std::to_string(status) + ")");
        return;
    }
    if (transfer.encoding == "gzip" || transfer.encoding == "x-gzip") {
        auto inflated = inflateGzip(transfer.body, maxResponseBytes);
        if (!inflated) {
            failWith("reply could not be inflated");
            return;
        }
        completeWith(static_cast<int>(status), std::move(*inflated), transfer.encoding);
        return;
    }
    if (!transfer.encoding.empty() && transfer.encoding != "identity") {
        failWith("reply in an unknown encoding: " + transfer.encoding);
        return;
    }
    completeWith(static_cast<int>(status), std::move(transfer.body), transfer.encoding);
}

} // namespace tolvane
