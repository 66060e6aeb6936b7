#include "NetTestSupport.h"
#include "net/ZSocket.h"

#include <gtest/gtest.h>
#include <sys/socket.h>

#include <random>
#include <string>
#include <thread>

namespace {

struct EndpointPair {
    EndpointPair() {
        int handles[2];
        socketpair(AF_UNIX, SOCK_STREAM, 0, handles);
        left = new DescriptorEndpoint(handles[0]);
        right = new DescriptorEndpoint(handles[1]);
    }
    DescriptorEndpoint* left;
    DescriptorEndpoint* right;
};

std::string randomBytes(size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(generator());
    return bytes;
}

}  // namespace

TEST(ZSocket, LargeRandomBufferSurvivesTheRoundTrip) {
    EndpointPair pair;
    ZSocket sender(pair.left, 4096, 4096, 6, true);
    ZSocket receiver(pair.right, 4096, 4096, 6, true);
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
    EndpointPair pair;
    ZSocket sender(pair.left, 256, 256, 9, true);
    ZSocket receiver(pair.right, 256, 256, 9, true);
    for (const std::string& message : {std::string(1000, 'a'), randomBytes(5000, 2)}) {
        ASSERT_TRUE(sender.send(message.data(), static_cast<unsigned>(message.size())));
        std::string received;
        char piece[7];
        for (uint32_t start = getMilliSecs(); received.size() < message.size() && getMilliSecs() - start < 2000;) {
            int count = receiver.recv(piece, sizeof(piece));
            ASSERT_LE(count, 7);
            if (count > 0) received.append(piece, static_cast<size_t>(count));
        }
        EXPECT_TRUE(message == received) << message.size();
    }
    char buffer[16];
    EXPECT_EQ(0, receiver.recv(buffer, sizeof(buffer)));
}
