#include <gtest/gtest.h>
#include <zlib.h>

#include <atomic>
#include <deque>
#include <memory>
#include <thread>

#include "net/NetTestSupport.h"
#include "net/TCPSocket.h"
#include "net/json/JSONParser.h"
#include "net/json/JSONWriter.h"
#include "net/json/RequestBasedJSONRPC2Client.h"

namespace {

std::string gzip(const std::string& text) {
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);  // +16: gzip framing
    std::string out(deflateBound(&z, uLong(text.size())) + 32, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = uInt(text.size());
    z.next_out = reinterpret_cast<Bytef*>(&out[0]);
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// A web service on loopback answering each request as the next script line
// says: "echo" (the params as result), "gzip" (the same, compressed),
// "slow" (headers, then one byte and silence), or a literal body.
class LocalHttpServer {
public:
    explicit LocalHttpServer(std::deque<std::string> replies) : listener(0), script(std::move(replies)) {
        listener.listen(4);
        thread = std::thread([this] { serve(); });
    }
    ~LocalHttpServer() {
        stop = true;
        thread.join();
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(listener.getBoundPort()) + "/rpc"; }
    std::vector<std::string> requests;

private:
    void serve() {
        while (!stop && !script.empty()) {
            std::unique_ptr<IPv4TCPSocket> connection = listener.accept(50);
            if (!connection) continue;
            std::string request;
            size_t end;
            while ((end = request.find("\r\n\r\n")) == std::string::npos) {
                const std::string more = receiveAll(*connection, 1, 2000, 4096);
                if (more.empty()) return;
                request += more;
            }
            const size_t lengthAt = request.find("Content-Length: ");
            const size_t length = lengthAt == std::string::npos ? 0 : std::stoul(request.substr(lengthAt + 16));
            request += receiveAll(*connection, end + 4 + length - request.size());
            requests.push_back(request);
            answer(*connection, request.substr(end + 4));
        }
    }
    void answer(IPv4TCPSocket& connection, const std::string& call) {
        const std::string mode = script.front();
        script.pop_front();
        std::string body = mode;
        std::string extraHeaders;
        if (mode == "echo" || mode == "gzip") {
            JSONParser parser;
            for (size_t i = 0; i < call.size(); ++i) parser.parse(call[i], i + 1 < call.size() ? call[i + 1] : 0);
            std::unique_ptr<IRPCValue> value(parser.stealResult());
            auto* object = static_cast<ObjectValue*>(value.get());
            body = "{\"jsonrpc\":\"2.0\",\"result\":" + convertRPCValueToJSONString(object->get("params")) +
                   ",\"id\":" + convertRPCValueToJSONString(object->get("id")) + "}";
        }
        if (mode == "gzip") {
            body = gzip(body);
            extraHeaders = "Content-Encoding: gzip\r\n";
        }
        const std::string head = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nConnection: close\r\n" +
                                 extraHeaders +
                                 "Content-Length: " + std::to_string(mode == "slow" ? 100 : body.size()) + "\r\n\r\n";
        connection.send(head.data(), unsigned(head.size()));
        if (mode == "slow") {
            connection.send("{", 1);
            for (int i = 0; i < 300 && !stop; ++i) delay(10);  // far below the speed limit
            return;
        }
        connection.send(body.data(), unsigned(body.size()));
    }

    IPv4TCPSocket listener;
    std::deque<std::string> script;
    std::atomic<bool> stop{false};
    std::thread thread;
};

struct Outcomes : ProcedureCallAdapter {
    Outcomes()
        : ProcedureCallAdapter(
              [this](IRPCValue* result, unsigned) { texts.push_back(convertRPCValueToJSONString(result)); },
              [this](int code, const std::string& message, IRPCValue*, unsigned) {
                  texts.push_back(std::to_string(code) + " " + message);
              }) {}
    std::vector<std::string> texts;
};

std::vector<std::string> callEach(RequestBasedJSONRPC2Client& client, Outcomes& outcomes, int calls) {
    for (int i = 0; i < calls; ++i) client.callRemoteProcedure("get", {new IntegerValue(i)}, &outcomes);
    eventually([&] { return !client.isBusy(); }, 5000);
    EXPECT_TRUE(outcomes.texts.empty());  // only update() delivers
    client.update();
    return outcomes.texts;
}

TEST(RequestBasedClient, PlainAndCompressedRepliesAndBrokenOnes) {
    LocalHttpServer server({"echo", "gzip", "[1]", "{\"jsonrpc\":\"2.0\",\"result\":1}",
                            "{\"jsonrpc\":\"2.0\",\"id\":3}",
                            "{\"jsonrpc\":\"2.0\",\"error\":{\"code\":-4,\"message\":\"no\"},\"id\":6}", "oops"});
    RequestBasedJSONRPC2Client client(server.url(), std::make_unique<CURLRequestSender>(true, false));
    Outcomes outcomes;
    testing::internal::CaptureStdout();
    client.registerCallReceiver("tick", nullptr);
    const std::vector<std::string> texts = callEach(client, outcomes, 7);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(texts, (std::vector<std::string>{"[0]", "[1]", "-32700 Unexpected return type", "-32700 Missing id field",
                                               "-32700 Missing result or error field", "-4 no",
                                               "-32700 HTTP 200: no JSON reply"}));
    for (const char* message :
         {"Unable to receive calls with request based JSON-RPC: tick", "Error: Unexpected return type: [1]",
          "Error: Missing id field: ", "Error: Missing result or error field: ", "Error while parsing JSON."})
        EXPECT_NE(printed.find(message), std::string::npos) << message;
    ASSERT_EQ(server.requests.size(), 7u);
    EXPECT_NE(server.requests[0].find("POST /rpc HTTP/1.1\r\n"), std::string::npos);
    EXPECT_NE(server.requests[0].find("Content-Type: application/json\r\n"), std::string::npos);
    EXPECT_NE(server.requests[0].find("Accept-Encoding: gzip, deflate\r\n"), std::string::npos);
    EXPECT_NE(
        server.requests[0].find("\r\n\r\n{\"jsonrpc\": \"2.0\", \"method\": \"get\", \"params\": [0], \"id\": 1}"),
        std::string::npos);
}

TEST(RequestBasedClient, SlowServerHitsTheLowSpeedAbort) {
    LocalHttpServer server({"slow"});
    auto sender = std::make_unique<CURLRequestSender>(false, true);
    sender->setLowSpeedLimit(1000, 1);
    RequestBasedJSONRPC2Client client(server.url(), std::move(sender));
    Outcomes outcomes;
    const std::vector<std::string> texts = callEach(client, outcomes, 1);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].substr(0, 7), "-32000 ");
    EXPECT_NE(texts[0].find("Timeout"), std::string::npos) << texts[0];
    EXPECT_EQ(server.requests[0].find("Accept-Encoding"), std::string::npos);
}

}  // namespace
