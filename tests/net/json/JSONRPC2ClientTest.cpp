#include <gtest/gtest.h>

#include <memory>

#include "net/TCPSocket.h"
#include "net/ZSocket.h"
#include "net/json/JSONRPC2Client.h"
#include "net/json/JSONWriter.h"
#include "net/NetTestSupport.h"

namespace {

// Sends one byte before any JSON and asks for compression or not.
class OneByteHandshake : public IMetaProtocolHandler {
public:
    explicit OneByteHandshake(bool compress) : compress(compress) {}
    bool tryNegotiate(ICommunicationEndpoint* endpoint) override { return endpoint->send(compress ? "Z" : "P", 1); }
    bool useCompression() override { return compress; }
    bool compress;
};

// The device end of the connection: a listening socket on loopback.
class Peer {
public:
    Peer() : listener(0) { listener.listen(1); }
    std::string address() const { return "127.0.0.1:" + std::to_string(listener.getBoundPort()); }
    bool accept(bool compressed) {
        socket = listener.accept(2000);
        if (!socket || receiveAll(*socket, 1) != (compressed ? "Z" : "P")) return false;
        link = socket.get();
        if (compressed) {
            zlink = std::make_unique<ZSocket>(socket.get(), 1 << 20, 1 << 20, 9, false);
            link = zlink.get();
        }
        return true;
    }
    void send(const std::string& text) { link->send(text.data(), unsigned(text.size())); }
    // The next line, without its newline; pings are skipped.
    std::string nextLine() {
        for (;;) {
            size_t end = received.find('\n');
            if (end == std::string::npos) {
                const std::string more = receiveAll(*link, 1, 2000, 4096);
                if (more.empty()) return "(nothing)";
                received += more;
                continue;
            }
            std::string line = received.substr(0, end);
            received.erase(0, end + 1);
            if (line != JSONRPC2Client::kPingText) return line;
        }
    }

    IPv4TCPSocket listener;
    std::unique_ptr<IPv4TCPSocket> socket;
    std::unique_ptr<ZSocket> zlink;
    ICommunicationEndpoint* link = nullptr;
    std::string received;
};

class Ticker : public IRemoteProcedureCallReceiver {
public:
    IRPCValue* OnProcedureCall(const std::string& method, ArrayValue* params) override {
        calls.push_back(method + convertRPCValueToJSONString(params));
        return new StringValue("ok");
    }
    std::vector<std::string> calls;
};

class JSONRPC2ClientTest : public ::testing::TestWithParam<bool> {};

TEST_P(JSONRPC2ClientTest, CallsBatchesAndIncomingCallsOverTCP) {
    const bool compressed = GetParam();
    Peer peer;
    OneByteHandshake handshake(compressed);
    JSONRPC2Client client;
    client.connect(peer.address(), 100, 5000, 1000, &handshake);
    ASSERT_TRUE(peer.accept(compressed));
    ASSERT_TRUE(eventually([&] { return client.getState() == JSONRPC2Client::CONNECTED; }));

    std::vector<std::string> outcomes;
    ProcedureCallAdapter caller(
        [&](IRPCValue* result, unsigned id) {
            outcomes.push_back(std::to_string(id) + convertRPCValueToJSONString(result));
        },
        [&](int code, const std::string& message, IRPCValue* data, unsigned id) {
            outcomes.push_back(std::to_string(id) + " " + std::to_string(code) + message +
                               convertRPCValueToJSONString(data));
        });
    const unsigned sum = client.callRemoteProcedure("sum", {new IntegerValue(1), new DoubleValue(0.5)}, &caller);
    const unsigned fail = client.callRemoteProcedure("fail", {}, &caller);
    EXPECT_EQ(peer.nextLine(),
              "{\"jsonrpc\": \"2.0\", \"method\": \"sum\", \"params\": [1,0.5], \"id\": " + std::to_string(sum) + "}");
    EXPECT_EQ(peer.nextLine(),
              "{\"jsonrpc\": \"2.0\", \"method\": \"fail\", \"params\": [], \"id\": " + std::to_string(fail) + "}");

    Ticker ticker;
    client.registerCallReceiver("tick", &ticker);
    peer.send("[{\"jsonrpc\":\"2.0\",\"result\":1.5,\"id\":" + std::to_string(sum) +
              "},{\"jsonrpc\":\"2.0\",\"error\":{\"code\":-5,\"message\":\"bad\",\"data\":[1]},\"id\":" +
              std::to_string(fail) + "}]\n{\"jsonrpc\":\"2.0\",\"method\":\"nope\",\"params\":[],\"id\":\"q1\"}\n" +
              "{\"jsonrpc\":\"2.0\",\"method\":\"tick\",\"params\":[7],\"id\":9}");
    EXPECT_EQ(peer.nextLine(),
              "{\"jsonrpc\": \"2.0\", \"error\": {\"code\": -32601, \"message\": \"Method not found\", \"data\": "
              "\"nope\"}, \"id\": \"q1\"}");
    // Everything before the unknown call has been read: it waits for update().
    EXPECT_TRUE(outcomes.empty());
    ASSERT_TRUE(eventually([&] {
        client.update();
        return outcomes.size() == 2 && ticker.calls.size() == 1;
    }));
    EXPECT_EQ(outcomes[0], std::to_string(sum) + "1.5");
    EXPECT_EQ(outcomes[1], std::to_string(fail) + " -5bad[1]");
    EXPECT_EQ(ticker.calls[0], "tick[7]");
    EXPECT_EQ(peer.nextLine(), "{\"jsonrpc\": \"2.0\", \"result\": \"ok\", \"id\": 9}");

    // A removed caller hears nothing of its outstanding call.
    const unsigned dropped = client.callRemoteProcedure("late", {}, &caller);
    client.removeProcedureCaller(&caller);
    testing::internal::CaptureStdout();
    peer.send("{\"jsonrpc\":\"2.0\",\"result\":0,\"id\":" + std::to_string(dropped) + "}\n{\"jsonrpc\":\"1.0\"}\n");
    peer.send("{\"jsonrpc\":\"2.0\",\"method\":\"rc:ping\",\"params\":[],\"id\":4}\n");
    EXPECT_EQ(peer.nextLine().substr(0, 10), "{\"jsonrpc\"");  // the "late" call
    EXPECT_EQ(peer.nextLine(), "{\"jsonrpc\": \"2.0\", \"result\": null, \"id\": 4}");
    client.update();
    client.disconnect();
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("Error: No RPC caller with json id: " + std::to_string(dropped) + " found."),
              std::string::npos);
    EXPECT_NE(printed.find("Error: Invalid / unsupported JSON-RPC: {\"jsonrpc\":\"1.0\"}"), std::string::npos);
    EXPECT_NE(printed.find("JSONRPC2Client Thread exiting..."), std::string::npos);
    EXPECT_EQ(outcomes.size(), 2u);
    EXPECT_EQ(client.getState(), JSONRPC2Client::STOPPED);
}

INSTANTIATE_TEST_SUITE_P(PlainAndCompressed, JSONRPC2ClientTest, ::testing::Bool());

TEST(JSONRPC2Client, SilentPeerIsDroppedAfterThePingTimeOut) {
    Peer peer;
    JSONRPC2Client client;
    testing::internal::CaptureStdout();
    client.connect(peer.address(), 20, 150, 1000, nullptr);
    peer.socket = peer.listener.accept(2000);
    ASSERT_TRUE(peer.socket);
    peer.link = peer.socket.get();
    EXPECT_TRUE(eventually([&] { return client.getState() == JSONRPC2Client::STOPPED; }, 3000));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Ping Timeout: "), std::string::npos);
    EXPECT_NE(receiveAll(*peer.link, 1).find(JSONRPC2Client::kPingText), std::string::npos);

    IPv4TCPSocket closed(0);  // bound, never listening: nothing accepts
    client.connect("127.0.0.1:" + std::to_string(closed.getBoundPort()), 20, 150, 200, nullptr);
    EXPECT_TRUE(eventually([&] { return client.getState() == JSONRPC2Client::FAILED; }, 3000));
    EXPECT_FALSE(client.isConnected());
}

}  // namespace
