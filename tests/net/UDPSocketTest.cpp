#include "NetTestSupport.h"
#include "net/UDPSocket.h"

#include <gtest/gtest.h>
#include <sys/socket.h>

#include <string>

namespace {

int socketOption(int handle, int name) {
    int value = 0;
    socklen_t length = sizeof(value);
    getsockopt(handle, SOL_SOCKET, name, &value, &length);
    return value;
}

IPv4Address loopback4(int port) { return IPv4Address("127.0.0.1", static_cast<unsigned short>(port)); }

template <class Socket, class Address>
void exchangeDatagrams(const std::string& loopback) {
    Socket receiver(0);
    Socket sender;
    sender.setUDPTarget(Address(loopback, static_cast<unsigned short>(receiver.getBoundPort())));
    ASSERT_TRUE(sender.send("hello", 5));
    EXPECT_EQ("hello", receiveAll(receiver, 1));

    auto source = receiver.getLastDatagramAddress();
    ASSERT_NE(nullptr, source);
    EXPECT_EQ(loopback, source->getAddressAsString());
    // Answering the recorded sender (address and port) reaches the socket that only ever sent.
    receiver.setUDPTarget(*source);
    ASSERT_TRUE(receiver.send("reply", 5));
    EXPECT_EQ("reply", receiveAll(sender, 1));
}

}  // namespace

TEST(UDPSocket, DatagramsBetweenTwoSocketsOnIPv4AndIPv6Loopback) {
    exchangeDatagrams<IPv4UDPSocket, IPv4Address>("127.0.0.1");
    exchangeDatagrams<IPv6UDPSocket, IPv6Address>("::1");
}

TEST(UDPSocket, IPv4ReceptionOfAnIPv6SocketCanBeSwitchedOnAndOffKeepingThePort) {
    IPv6UDPSocket receiver;
    ASSERT_TRUE(receiver.setIPv4ReceptionEnabled(true));
    ASSERT_TRUE(receiver.bind(0, false));
    const int port = receiver.getBoundPort();
    IPv4UDPSocket v4Sender;
    v4Sender.setUDPTarget(loopback4(port));
    ASSERT_TRUE(v4Sender.send("v4", 2));
    EXPECT_EQ("v4", receiveAll(receiver, 1));
    ASSERT_NE(nullptr, receiver.getLastDatagramAddress());
    EXPECT_EQ("::ffff:127.0.0.1", receiver.getLastDatagramAddress()->getAddressAsString());
    ASSERT_TRUE(receiver.setIPv4ReceptionEnabled(false));
    EXPECT_EQ(port, receiver.getBoundPort());
    v4Sender.send("v4", 2);
    IPv6UDPSocket v6Sender;
    v6Sender.setUDPTarget(IPv6Address("::1", static_cast<unsigned short>(port)));
    ASSERT_TRUE(v6Sender.send("v6", 2));
    EXPECT_EQ("v6", receiveAll(receiver, 1));  // only the IPv6 datagram arrives
    char buffer[16];
    EXPECT_EQ(0, receiver.recv(buffer, sizeof(buffer)));

    // The other way: an IPv6 socket reaches an IPv4 target through its mapped address.
    IPv4UDPSocket v4Receiver(0);
    v6Sender.setUDPTarget(loopback4(v4Receiver.getBoundPort()));
    ASSERT_TRUE(v6Sender.send("mapped", 6));
    EXPECT_EQ("mapped", receiveAll(v4Receiver, 1));
}

TEST(UDPSocket, RestoreReappliesOptionsAndASendNeedsAValidTarget) {
    IPv4UDPSocket socket(0);
    const int port = socket.getBoundPort();
    const int defaultSize = socketOption(socket.getSocketHandle(), SO_RCVBUF);
    ASSERT_TRUE(socket.setReceiveBufferSize(8192));
    const int chosenSize = socketOption(socket.getSocketHandle(), SO_RCVBUF);
    ASSERT_NE(defaultSize, chosenSize);
    ASSERT_TRUE(socket.restore());
    EXPECT_EQ(port, socket.getBoundPort());
    EXPECT_EQ(chosenSize, socketOption(socket.getSocketHandle(), SO_RCVBUF));
    EXPECT_FALSE(socket.send("lost", 4));
    socket.setUDPTarget(IPv4Address("no.such.address", static_cast<unsigned short>(port)));
    EXPECT_FALSE(socket.send("lost", 4));  // not quietly sent to 0.0.0.0, i.e. this host
    socket.setUDPTarget(loopback4(port));
    EXPECT_TRUE(socket.send("self", 4));
    EXPECT_EQ("self", receiveAll(socket, 1));
}
