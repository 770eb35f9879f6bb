// A form post: fields URL-encoded in the order they were added, optional Basic credentials,
// gzip replies inflated. Any HTTP status counts as completed; only a transport failure
// (no connection, time-out, refused credentials, an undecodable body) counts as failed.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tolvane {

// Lets the queue's owner tell what a finished request was for.
enum class RequestTag { None, CataloguePage, Upload };

class FormDataRequest {
public:
    explicit FormDataRequest(std::string url);
    virtual ~FormDataRequest() = default;
    FormDataRequest(const FormDataRequest&) = delete;
    FormDataRequest& operator=(const FormDataRequest&) = delete;

    static std::shared_ptr<FormDataRequest> requestWithURL(std::string url);

    void setPostValue(std::string value, std::string key);
    void setUsername(std::string username) { username_ = std::move(username); }
    void setPassword(std::string password) { password_ = std::move(password); }
    // Fails when connecting, or waiting for the next bytes, takes longer (whole seconds).
    void setTimeOutSeconds(double seconds) { timeoutSeconds_ = seconds; }
    // Fails when the whole transfer takes longer, however steadily bytes arrive.
    void setTotalTimeOutSeconds(double seconds) { totalTimeoutSeconds_ = seconds; }
    void setTag(RequestTag tag) { tag_ = tag; }
    // HTTPS servers are then trusted only when certified by one of these (a PEM file), instead
    // of the system's authorities. For a private server.
    void setCertificateAuthorities(std::string pemFile) { caFile_ = std::move(pemFile); }

    const std::string& url() const { return url_; }
    RequestTag tag() const { return tag_; }
    const std::vector<std::pair<std::string, std::string>>& postValues() const { return fields_; }
    // The request body: key=value pairs joined with "&", both percent-encoded.
    std::string postBody() const;

    // Runs the transfer on the calling thread; the queue calls it on its workers.
    virtual void startSynchronous();
    // Work on the reply that the UI thread must not wait for (reading a page into what its owner
    // acts on). Set before the request is queued; the queue runs it on the transfer thread once
    // the transfer completed (not failed, not cancelled), before the request is reported.
    using Reader = std::function<void(const FormDataRequest&)>;
    void setReader(Reader reader) { reader_ = std::move(reader); }
    void readReply() const {
        if (reader_) reader_(*this);
    }
    // Safe from any thread: a running transfer stops soon and the request counts as failed.
    void cancel() { cancelled_ = true; }
    bool isCancelled() const { return cancelled_; }

    bool failed() const { return failed_; }
    const std::string& error() const { return error_; }
    int responseStatusCode() const { return status_; }
    // The body as text; empty for a failed request.
    const std::string& responseString() const { return response_; }
    // The Content-Encoding the reply came with ("gzip" or empty).
    const std::string& responseEncoding() const { return encoding_; }

    // Replies larger than this (before or after inflating) are refused as a failure.
    static constexpr std::size_t maxResponseBytes = 64u * 1024u * 1024u;

protected:
    // For transports other than libcurl (tests).
    void completeWith(int status, std::string body, std::string encoding = {});
    void failWith(std::string error);

private:
    // Ends requests it drops without running them.
    friend class NetworkQueue;

    std::string url_;
    std::vector<std::pair<std::string, std::string>> fields_;
    std::string username_;
    std::string password_;
    std::string caFile_;
    double timeoutSeconds_ = 10;
    double totalTimeoutSeconds_ = 120;
    RequestTag tag_ = RequestTag::None;
    Reader reader_;
    std::atomic<bool> cancelled_{false};

    bool failed_ = false;
    std::string error_;
    int status_ = 0;
    std::string response_;
    std::string encoding_;
};

} // namespace tolvane
