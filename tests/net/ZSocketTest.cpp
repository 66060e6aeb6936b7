#include "NetTestSupport.h"
#include "net/ZSocket.h"

#include <gtest/gtest.h>
#include <sys/socket.h>

#include <random>
#include <string>
#include <thread>

namespace {

// The two ends of a new Unix stream socket pair, for the ZSockets to own.
std::pair<DescriptorEndpoint*, DescriptorEndpoint*> endpointPair() {
    int handles[2];
    socketpair(AF_UNIX, SOCK_STREAM, 0, handles);
    return {new DescriptorEndpoint(handles[0]), new DescriptorEndpoint(handles[1])};
}

std::string randomBytes(size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(generator());
    return bytes;
}

}  // namespace

TEST(ZSocket, LargeRandomBufferSurvivesTheRoundTrip) {
    auto [left, right] = endpointPair();
    ZSocket sender(left, 4096, 4096, 6, true);
    ZSocket receiver(right, 4096, 4096, 6, true);
    const std::string data = randomBytes(3 * 1024 * 1024 + 17, 1);

    // The socket pair holds far less than the data, so the reader must run
    // while the sender is still compressing.
    std::string received;
    std::thread reader([&] { received = receiveAll(receiver, data.size(), 10000); });
    EXPECT_TRUE(sender.send(data.data(), static_cast<unsigned>(data.size())));
    reader.join();
    EXPECT_TRUE(data == received) << received.size();
}

TEST(ZSocket, EachSendIsDecodableAtOnceEvenThroughASmallReceiveBuffer) {
    auto [left, right] = endpointPair();
    ZSocket sender(left, 256, 256, 9, true);
    ZSocket receiver(right, 256, 256, 9, true);
    for (const std::string& message : {std::string(1000, 'a'), randomBytes(5000, 2)}) {
        ASSERT_TRUE(sender.send(message.data(), static_cast<unsigned>(message.size())));
        EXPECT_TRUE(message == receiveAll(receiver, message.size(), 2000, 7)) << message.size();  // 7 bytes a time
    }
}
