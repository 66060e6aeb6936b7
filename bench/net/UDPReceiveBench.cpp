#include "net/UDPSocket.h"

#include <benchmark/benchmark.h>

#include <vector>

// Receiving 1 KB datagrams on loopback through recv(), the path every UDP
// sensor polls each frame. Sending is excluded from the timing; batches stay
// well inside the receive buffer so nothing is dropped.
static void BM_UDPReceive1KDatagrams(benchmark::State& state) {
    const int batch = 64;
    IPv4UDPSocket receiver(0);
    receiver.setReceiveBufferSize(4 * 1024 * 1024);
    IPv4UDPSocket sender;
    sender.setUDPTarget(IPv4Address("127.0.0.1", static_cast<unsigned short>(receiver.getBoundPort())));
    std::vector<char> datagram(1024, 'g');
    char buffer[2048];
    int64_t received = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < batch; ++i) sender.send(datagram.data(), static_cast<unsigned>(datagram.size()));
        state.ResumeTiming();
        int got = 0;
        while (got < batch) {
            if (receiver.recv(buffer, sizeof(buffer)) > 0) ++got;
        }
        received += got;
    }
    state.SetItemsProcessed(received);
    state.SetBytesProcessed(received * 1024);
}
BENCHMARK(BM_UDPReceive1KDatagrams);
