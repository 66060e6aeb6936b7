#include "net/ZSocket.h"

#include <benchmark/benchmark.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

class PairEnd : public ICommunicationEndpoint {
public:
    explicit PairEnd(int handle) : handle(handle) {
        int size = 1 << 20;
        setsockopt(handle, SOL_SOCKET, SO_SNDBUF, &size, sizeof(size));
        setsockopt(handle, SOL_SOCKET, SO_RCVBUF, &size, sizeof(size));
    }
    ~PairEnd() override { close(handle); }
    int recv(char* buffer, unsigned length) override {
        ssize_t count = ::recv(handle, buffer, length, MSG_DONTWAIT);
        return count < 0 ? 0 : static_cast<int>(count);
    }
    bool send(const char* data, unsigned length) override {
        return ::send(handle, data, length, MSG_NOSIGNAL) == static_cast<ssize_t>(length);
    }
    int handle;
};

// Sensor-style traffic: records of text fields with changing numbers.
std::string sensorLikeBlock(size_t size) {
    std::mt19937 generator(7);
    std::string block;
    char line[96];
    while (block.size() < size) {
        std::snprintf(line, sizeof(line), "$GPGGA,%06u.00,%09.4f,N,%010.4f,E,1,%02u,0.9,%05.1f,M,46.9,M,,*%02X\r\n",
                      static_cast<unsigned>(generator() % 240000), 4807.038 + (generator() % 1000) / 1000.0,
                      1131.0 + (generator() % 1000) / 1000.0, static_cast<unsigned>(generator() % 12),
                      545.4 + (generator() % 100) / 10.0, static_cast<unsigned>(generator() % 256));
        block += line;
    }
    block.resize(size);
    return block;
}

std::string benchmarkBlock(const benchmark::State& state, size_t size);

std::string randomBlock(size_t size) {
    std::mt19937 generator(3);
    std::string block(size, '\0');
    for (char& byte : block) byte = static_cast<char>(generator());
    return block;
}

std::string benchmarkBlock(const benchmark::State& state, size_t size) {
    return state.range(1) == 0 ? sensorLikeBlock(size) : randomBlock(size);
}

}  // namespace

// One 64 KB block compressed, carried over a socket pair and inflated again.
// Arguments: compression level, 0 for sensor-style text / 1 for random bytes.
static void BM_ZSocketRoundTrip64K(benchmark::State& state) {
    const size_t blockSize = 64 * 1024;
    int level = static_cast<int>(state.range(0));
    std::string block = benchmarkBlock(state, blockSize);
    int handles[2];
    socketpair(AF_UNIX, SOCK_STREAM, 0, handles);
    ZSocket sender(new PairEnd(handles[0]), 65536, 65536, level, true);
    ZSocket receiver(new PairEnd(handles[1]), 65536, 65536, level, true);
    std::string output(blockSize, '\0');
    for (auto _ : state) {
        sender.send(block.data(), static_cast<unsigned>(block.size()));
        size_t got = 0;
        while (got < blockSize) {
            int count = receiver.recv(&output[got], static_cast<unsigned>(blockSize - got));
            if (count > 0) got += static_cast<size_t>(count);
        }
        benchmark::DoNotOptimize(output.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * blockSize));
}
BENCHMARK(BM_ZSocketRoundTrip64K)->ArgNames({"level", "random"})->Args({1, 0})->Args({6, 0})->Args({1, 1})->Args({6, 1});

// The same work done by zlib alone (one-shot compress and uncompress), to
// tell the wrapper's own cost from the codec's.
static void BM_ZlibAlone64K(benchmark::State& state) {
    const size_t blockSize = 64 * 1024;
    std::string block = benchmarkBlock(state, blockSize);
    std::string compressed(compressBound(blockSize), '\0');
    std::string output(blockSize, '\0');
    for (auto _ : state) {
        uLongf compressedSize = compressed.size();
        compress2(reinterpret_cast<Bytef*>(&compressed[0]), &compressedSize,
                  reinterpret_cast<const Bytef*>(block.data()), blockSize, static_cast<int>(state.range(0)));
        uLongf outputSize = blockSize;
        uncompress(reinterpret_cast<Bytef*>(&output[0]), &outputSize,
                   reinterpret_cast<const Bytef*>(compressed.data()), compressedSize);
        benchmark::DoNotOptimize(output.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * blockSize));
}
BENCHMARK(BM_ZlibAlone64K)->ArgNames({"level", "random"})->Args({1, 0})->Args({6, 0})->Args({1, 1})->Args({6, 1});
