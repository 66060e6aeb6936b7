#include <curl/curl.h>

#include <mutex>

#include "net/json/RequestSender.h"

namespace {

size_t collect(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

// curl_global_init is not thread-safe; the first sender does it once.
void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

CURLRequestSender::CURLRequestSender(bool acceptCompressedReplies, bool verifyPeerCertificate)
    : acceptCompressed(acceptCompressedReplies), verifyPeer(verifyPeerCertificate) {
    initialiseCurlOnce();
    curl = curl_easy_init();
}

CURLRequestSender::~CURLRequestSender() {
    if (curl) curl_easy_cleanup(static_cast<CURL*>(curl));
}

void CURLRequestSender::setLowSpeedLimit(long bytesPerSecond, long seconds) {
    lowSpeedBytesPerSecond = bytesPerSecond;
    lowSpeedSeconds = seconds;
}

IRequestSender::Reply CURLRequestSender::post(const std::string& url, const std::string& body) {
    Reply reply;
    CURL* handle = static_cast<CURL*>(curl);
    if (!handle) {
        reply.error = "no transfer handle";
        return reply;
    }
    curl_easy_reset(handle);
    curl_slist* headers = curl_slist_append(nullptr, "Content-Type: application/json");
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_NOPROXY, "localhost,127.0.0.1");
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, lowSpeedBytesPerSecond);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, lowSpeedSeconds);
    if (acceptCompressed) curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, "gzip, deflate");
    if (!verifyPeer) curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(handle, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE, long(body.size()));
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, collect);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &reply.headers);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &reply.body);
    const CURLcode result = curl_easy_perform(handle);
    curl_slist_free_all(headers);
    reply.ok = result == CURLE_OK;
    if (!reply.ok) reply.error = curl_easy_strerror(result);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &reply.httpStatus);
    return reply;
}
