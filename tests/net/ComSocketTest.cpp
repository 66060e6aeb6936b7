#include "NetTestSupport.h"
#include "net/ComSocket.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace {

// A link that takes a while to connect and records what it is sent.
class SlowLink : public IComSocket {
public:
    bool connect() override {
        delay(20);
        return reachable;
    }
    void close() override { closed = true; }
    int getAvailableBytes() override { return 0; }
    int recv(char* buffer, unsigned length) override { return length == 0 ? 0 : (buffer[0] = 'r', 1); }
    bool send(const char* data, unsigned length) override {
        sent.append(data, length);  // interleaved writers would show up as torn messages
        return true;
    }
    bool reachable = true;
    std::atomic<bool> closed{false};
    std::string sent;
};

}  // namespace

TEST(ConcurrentComSocket, ConnectsInTheBackgroundAndPublishesTheState) {
    auto* link = new SlowLink;
    ConcurrentComSocket socket(link, true);
    char buffer[4];
    EXPECT_EQ(0, socket.recv(buffer, sizeof(buffer)));
    EXPECT_FALSE(socket.send("early", 5));

    ASSERT_TRUE(socket.startConnect());
    EXPECT_EQ(ConcurrentComSocket::CONNECTING, socket.getState());
    EXPECT_FALSE(socket.startConnect());
    ASSERT_TRUE(eventually([&] { return socket.getState() == ConcurrentComSocket::CONNECTED; }));
    EXPECT_EQ(1, socket.recv(buffer, sizeof(buffer)));

    std::vector<std::thread> writers;
    for (char letter : {'a', 'b', 'c', 'd'})
        writers.emplace_back([&socket, letter] {
            std::string message(100, letter);
            for (int i = 0; i < 50; ++i) socket.send(message.data(), static_cast<unsigned>(message.size()));
        });
    for (auto& writer : writers) writer.join();
    ASSERT_EQ(4u * 50 * 100, link->sent.size());
    for (size_t start = 0; start < link->sent.size(); start += 100)
        EXPECT_EQ(std::string(100, link->sent[start]), link->sent.substr(start, 100));

    socket.close();
    EXPECT_TRUE(link->closed);
    EXPECT_EQ(ConcurrentComSocket::DISCONNECTED, socket.getState());
}

TEST(ConcurrentComSocket, FailedConnectIsPublished) {
    auto* link = new SlowLink;
    link->reachable = false;
    ConcurrentComSocket socket(link, true);
    ASSERT_TRUE(socket.startConnect());
    EXPECT_TRUE(eventually([&] { return socket.getState() == ConcurrentComSocket::FAILED; }));
    EXPECT_FALSE(socket.send("x", 1));
}
