#pragma once
#include <cstdio>
#include <future>
#include <memory>
#include <string>

#include "net/Socket.h"
#include "sdr/FrameParsers.h"
#include "sdr/IRawADSBSource.h"

// Frames from a receiver on the network (readsb, dump1090 and the like):
// connects to host:port, feeds what arrives to the parser, and when the
// connection drops or cannot be made, tries again every two seconds. The
// name look-up and the connect run in the background: the frame that asks
// for frames never waits on an unreachable host.
class NetworkFrameSource : public IRawADSBSource {
public:
    static constexpr double kRetrySeconds = 2.0;
    static constexpr int kConnectTimeoutMs = 300;

    NetworkFrameSource(std::string host, unsigned short port, std::unique_ptr<IFrameParser> parser);
    bool nextFrame(RawModeSFrame& frame) override;

    bool connected() const { return socket != nullptr; }
    int connectionCount() const { return connections; }

private:
    void pump();
    void drop(const char* why);

    std::string host;
    unsigned short port;
    std::unique_ptr<IFrameParser> parser;
    std::unique_ptr<ISocket> socket;
    std::future<std::unique_ptr<ISocket>> connecting;
    double lastAttempt = -1e9;
    int connections = 0;
};

// Frames from a file in one of the stream formats, read a block at a time.
class FileFrameSource : public IRawADSBSource {
public:
    FileFrameSource(const std::string& path, std::unique_ptr<IFrameParser> parser);
    ~FileFrameSource() override;
    bool opened() const { return file != nullptr; }
    bool nextFrame(RawModeSFrame& frame) override;
    bool alive() const override { return file != nullptr && !ended; }

private:
    std::FILE* file = nullptr;
    std::unique_ptr<IFrameParser> parser;
    bool ended = false;
};
