#pragma once
#include <string>

// Sends one request body to a URL and waits for the reply. Called on the
// request-based client's worker thread, never on the main thread.
class IRequestSender {
public:
    struct Reply {
        bool ok = false;  // the transfer completed (any HTTP status)
        long httpStatus = 0;
        std::string headers;
        std::string body;
        std::string error;  // why the transfer failed
    };
    virtual Reply post(const std::string& url, const std::string& body) = 0;
    virtual ~IRequestSender() = default;
};

// HTTP(S) POST with "Content-Type: application/json" through libcurl: no
// signals, proxies bypassed for localhost, 10 s to connect, aborted when
// slower than 30 bytes a second for 30 s; compressed replies ("gzip,
// deflate") accepted and the peer's certificate left unchecked only when
// asked.
class CURLRequestSender : public IRequestSender {
public:
    static constexpr long kConnectTimeoutSeconds = 10;
    static constexpr long kLowSpeedBytesPerSecond = 30;
    static constexpr long kLowSpeedSeconds = 30;

    CURLRequestSender(bool acceptCompressed, bool verifyPeer);
    ~CURLRequestSender() override;
    CURLRequestSender(const CURLRequestSender&) = delete;
    CURLRequestSender& operator=(const CURLRequestSender&) = delete;

    Reply post(const std::string& url, const std::string& body) override;
    // Another low-speed abort (tests cannot wait 30 s).
    void setLowSpeedLimit(long bytesPerSecond, long seconds);

private:
    void* curl;  // one handle, reused so connections stay open between requests
    bool acceptCompressed;
    bool verifyPeer;
    long lowSpeedBytesPerSecond = kLowSpeedBytesPerSecond;
    long lowSpeedSeconds = kLowSpeedSeconds;
};
