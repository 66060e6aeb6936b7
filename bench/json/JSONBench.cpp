// The incremental JSON reader fed one character at a time, and one call's
// round trip through the streaming client to a peer on loopback.
#include <benchmark/benchmark.h>
#include <poll.h>

#include <atomic>
#include <memory>
#include <random>
#include <thread>

#include "base/Time.h"
#include "net/TCPSocket.h"
#include "net/json/JSONParser.h"
#include "net/json/JSONRPC2Client.h"
#include "net/json/JSONWriter.h"

namespace {

// A stream of sensor-unit style responses, one per line, as the streaming
// client receives them: objects of numbers, strings and small arrays.
std::string sampleStream(size_t size) {
    std::mt19937 random(5);
    std::string text;
    while (text.size() < size) {
        text += "{\"jsonrpc\": \"2.0\", \"id\": " + std::to_string(random() % 100000) +
                ", \"result\": {\"alt\": " + std::to_string((random() % 100000) / 10.0) + ", \"name\": \"unit \\\"" +
                std::to_string(random() % 1000) + "\\\"\", \"ok\": true, \"v\": [" + std::to_string(random() % 1000) +
                ",-" + std::to_string(random() % 1000) + ".25e-3,null]}}\n";
    }
    return text;
}

void BM_ParseCharacterByCharacter(benchmark::State& state) {
    const std::string text = sampleStream(1 << 20);
    JSONParser parser;
    for (auto _ : state) {
        size_t values = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (parser.parse(text[i], i + 1 < text.size() ? text[i + 1] : 0) == JSONParser::NEED_MORE) continue;
            delete parser.stealResult();
            parser.reset();
            ++values;
        }
        benchmark::DoNotOptimize(values);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_ParseCharacterByCharacter)->Unit(benchmark::kMillisecond);

// A device that answers every call at once with its params.
class EchoPeer {
public:
    EchoPeer() : listener(0) {
        listener.listen(1);
        thread = std::thread([this] { serve(); });
    }
    ~EchoPeer() {
        stop = true;
        thread.join();
    }
    std::string address() const { return "127.0.0.1:" + std::to_string(listener.getBoundPort()); }

private:
    void serve() {
        std::unique_ptr<IPv4TCPSocket> connection;
        while (!stop && !(connection = listener.accept(50))) {
        }
        JSONParser parser;
        char buffer[4096];
        while (!stop && connection) {
            pollfd readable{connection->getSocketHandle(), POLLIN, 0};
            if (::poll(&readable, 1, 10) <= 0) continue;
            const int count = connection->recv(buffer, sizeof buffer);
            if (count < 0) break;
            for (int i = 0; i < count; ++i) {
                if (parser.parse(buffer[i], i + 1 < count ? buffer[i + 1] : 0) == JSONParser::NEED_MORE) continue;
                std::unique_ptr<IRPCValue> call(parser.stealResult());
                parser.reset();
                auto* object = dynamic_cast<ObjectValue*>(call.get());
                if (!object || !object->get("params")) continue;
                const std::string reply =
                    "{\"jsonrpc\":\"2.0\",\"result\":" + convertRPCValueToJSONString(object->get("params")) +
                    ",\"id\":" + convertRPCValueToJSONString(object->get("id")) + "}\n";
                connection->send(reply.data(), unsigned(reply.size()));
            }
        }
    }
    IPv4TCPSocket listener;
    std::atomic<bool> stop{false};
    std::thread thread;
};

void BM_StreamingRoundTrip(benchmark::State& state) {
    EchoPeer peer;
    JSONRPC2Client client;
    client.connect(peer.address(), 1000, 10000, 1000, nullptr);
    while (client.getState() == JSONRPC2Client::CONNECTING) delay(1);
    bool answered = false;
    ProcedureCallAdapter caller([&](IRPCValue*, unsigned) { answered = true; }, nullptr);
    for (auto _ : state) {
        answered = false;
        client.callRemoteProcedure("echo", {new IntegerValue(42)}, &caller);
        while (!answered) {
            std::this_thread::yield();
            client.update();
        }
    }
    client.disconnect();
}
BENCHMARK(BM_StreamingRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
