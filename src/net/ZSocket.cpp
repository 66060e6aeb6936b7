#include "net/ZSocket.h"

#include <cstdio>

ZSocket::ZSocket(ICommunicationEndpoint* inner, unsigned inputBufferSize, unsigned outputBufferSize,
                 int compressionLevel, bool ownsInner)
    : inner(inner),
      ownsInner(ownsInner),
      inputBuffer(inputBufferSize > 0 ? inputBufferSize : 1),
      outputBuffer(outputBufferSize > 0 ? outputBufferSize : 1) {
    deflaterReady = deflateInit(&deflater, compressionLevel) == Z_OK;
    if (!deflaterReady) std::printf("ERROR: zlib deflateInit failed for level %d\n", compressionLevel);
    inflaterReady = inflateInit(&inflater) == Z_OK;
    if (!inflaterReady) std::printf("ERROR: zlib inflateInit failed\n");
}

ZSocket::~ZSocket() {
    if (deflaterReady) deflateEnd(&deflater);
    if (inflaterReady) inflateEnd(&inflater);
    if (ownsInner) delete inner;
}

bool ZSocket::send(const char* data, unsigned length) {
    if (!deflaterReady) return false;
    deflater.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data));
    deflater.avail_in = length;
    bool allSent = true;
    // A full output chunk means deflate may hold more; go on until it
    // leaves space free.
    do {
        deflater.next_out = reinterpret_cast<Bytef*>(outputBuffer.data());
        deflater.avail_out = static_cast<uInt>(outputBuffer.size());
        deflate(&deflater, Z_SYNC_FLUSH);
        unsigned produced = static_cast<unsigned>(outputBuffer.size()) - deflater.avail_out;
        if (produced > 0) allSent = inner->send(outputBuffer.data(), produced) && allSent;
    } while (deflater.avail_out == 0);
    return allSent;
}

int ZSocket::recv(char* buffer, unsigned length) {
    if (!inflaterReady) return 0;
    if (inputDrained) {
        int received = inner->recv(inputBuffer.data(), static_cast<unsigned>(inputBuffer.size()));
        if (received < 1) return received;
        inflater.next_in = reinterpret_cast<Bytef*>(inputBuffer.data());
        inflater.avail_in = static_cast<uInt>(received);
        inputDrained = false;
    }
    inflater.next_out = reinterpret_cast<Bytef*>(buffer);
    inflater.avail_out = length;
    int status = inflate(&inflater, Z_SYNC_FLUSH);
    unsigned produced = length - inflater.avail_out;
    if (status == Z_STREAM_END) {
        // The peer finished a stream; whatever follows starts a new one.
        inflateReset(&inflater);
    } else if (status != Z_OK && status != Z_BUF_ERROR) {
        std::printf("ERROR: zlib inflate error: %d\n", status);
        inflateReset(&inflater);
        inputDrained = true;
        return 0;
    }
    if (inflater.avail_in == 0) inputDrained = true;
    return static_cast<int>(produced);
}
