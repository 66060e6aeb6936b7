#include "sdr/FrameSources.h"

#include <sys/socket.h>

#include <cerrno>
#include <chrono>

#include "base/Logger.h"
#include "base/Time.h"
#include "net/HostAddresses.h"

namespace {
constexpr size_t kReadChunk = 16384;
}

NetworkFrameSource::NetworkFrameSource(std::string host, unsigned short port, std::unique_ptr<IFrameParser> parser)
    : host(std::move(host)), port(port), parser(std::move(parser)) {}

void NetworkFrameSource::drop(const char* why) {
    logMessage("ADS-B receiver " + host + ":" + std::to_string(port) + " " + why);
    socket.reset();
    parser->reset();
}

void NetworkFrameSource::pump() {
    if (!socket) {
        if (connecting.valid()) {
            if (connecting.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
            socket = connecting.get();
            if (!socket) return;
            ++connections;
        } else {
            const double now = getSecs();
            if (now - lastAttempt < kRetrySeconds) return;
            lastAttempt = now;
            connecting = std::async(std::launch::async, [host = host, port = port] {
                return createSocketForHostName(true, host, port, kConnectTimeoutMs);
            });
            return;
        }
    }
    char buffer[kReadChunk];
    // The socket layer reports an orderly close as "no data"; ask directly.
    for (;;) {
        const ssize_t n = ::recv(socket->getSocketHandle(), buffer, sizeof(buffer), MSG_DONTWAIT);
        if (n > 0) {
            parser->feed(buffer, size_t(n));
            continue;
        }
        if (n == 0) return drop("closed the connection");
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) drop("connection failed");
        return;
    }
}

bool NetworkFrameSource::nextFrame(RawModeSFrame& frame) {
    if (parser->next(frame)) return true;
    pump();
    return parser->next(frame);
}

FileFrameSource::FileFrameSource(const std::string& path, std::unique_ptr<IFrameParser> parser)
    : file(std::fopen(path.c_str(), "rb")), parser(std::move(parser)) {}

FileFrameSource::~FileFrameSource() {
    if (file) std::fclose(file);
}

bool FileFrameSource::nextFrame(RawModeSFrame& frame) {
    while (!parser->next(frame)) {
        if (!file || ended) return false;
        char buffer[kReadChunk];
        const size_t n = std::fread(buffer, 1, sizeof(buffer), file);
        if (n == 0) {
            ended = true;
            parser->feed("\n", 1);  // a last line without its end
            return parser->next(frame);
        }
        parser->feed(buffer, n);
    }
    return true;
}
