#pragma once
#include "net/CommunicationEndpoint.h"

#include <zlib.h>

#include <vector>

// Compresses everything sent through another endpoint and inflates what it
// receives. Each send is sync-flushed, so the peer can decode it at once.
// A corrupt stream is reported and dropped; decoding starts over with the
// next stream the peer begins.
class ZSocket : public ICommunicationEndpoint {
public:
    ZSocket(ICommunicationEndpoint* inner, unsigned inputBufferSize, unsigned outputBufferSize,
            int compressionLevel, bool ownsInner);
    ~ZSocket() override;
    ZSocket(const ZSocket&) = delete;
    ZSocket& operator=(const ZSocket&) = delete;

    // Decoded bytes (0 when none), or the inner endpoint's result when that
    // was below 1.
    int recv(char* buffer, unsigned length) override;
    bool send(const char* data, unsigned length) override;

    ICommunicationEndpoint* getInner() const { return inner; }

private:
    ICommunicationEndpoint* inner;
    bool ownsInner;
    std::vector<char> inputBuffer;
    std::vector<char> outputBuffer;
    z_stream deflater{};
    z_stream inflater{};
    bool deflaterReady = false;
    bool inflaterReady = false;
    bool inputDrained = true;
};
