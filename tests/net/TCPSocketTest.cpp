#include "NetTestSupport.h"
#include "net/HostAddresses.h"
#include "net/TCPSocket.h"
#include "net/UDPSocket.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>

#include <memory>
#include <string>

namespace {

unsigned short portOf(const ASocket& socket) { return static_cast<unsigned short>(socket.getBoundPort()); }

// A loopback port on which nothing listens.
unsigned short closedPort() { return portOf(IPv4TCPSocket(0)); }

template <class Socket, class Address>
void exchangeOnLoopback(const std::string& loopback) {
    Socket server(0);
    ASSERT_TRUE(server.listen(4));
    // Nobody connecting: accept gives up after its time-out.
    uint32_t start = getMilliSecs();
    EXPECT_EQ(nullptr, server.accept(50));
    EXPECT_LT(getMilliSecs() - start, 1000u);

    Socket client;
    ASSERT_TRUE(client.connect(Address(loopback, portOf(server)), 1000));
    std::unique_ptr<IIPAddress> peer;
    auto accepted = server.accept(1000, &peer);
    ASSERT_TRUE(accepted && peer);
    EXPECT_EQ(loopback, peer->getAddressAsString());
    EXPECT_EQ(loopback, accepted->getPeerAddress()->getAddressAsString());
    ASSERT_TRUE(client.send("ping", 4));
    ASSERT_TRUE(eventually([&] { return accepted->getAvailableBytes() == 4; }));
    EXPECT_EQ("ping", receiveAll(*accepted, 4));
    ASSERT_TRUE(accepted->send("pong!", 5));
    EXPECT_EQ("pong!", receiveAll(client, 5));
}

}  // namespace

TEST(TCPSocket, ListenAcceptAndConnectOnIPv4AndIPv6Loopback) {
    exchangeOnLoopback<IPv4TCPSocket, IPv4Address>("127.0.0.1");
    exchangeOnLoopback<IPv6TCPSocket, IPv6Address>("::1");
}

TEST(TCPSocket, ConnectFailsAtOnceWhenRefusedOrUnparsable) {
    IPv4TCPSocket client;
    uint32_t start = getMilliSecs();
    EXPECT_FALSE(client.connect(IPv4Address("127.0.0.1", closedPort()), 2000));
    EXPECT_LT(getMilliSecs() - start, 1000u);
    // An unparsable address must not fall back to 0.0.0.0, this host.
    IPv4TCPSocket server(0);
    ASSERT_TRUE(server.listen(1));
    EXPECT_FALSE(client.connect(IPv4Address("not-an-address", portOf(server)), 200));
}

TEST(TCPSocket, ClosedPeerIsSurvivedWithoutSignal) {
    // Default SIGPIPE handling: a send that raised the signal would kill the test program.
    sighandler_t previous = signal(SIGPIPE, SIG_DFL);
    IPv4TCPSocket server(0), client;
    ASSERT_TRUE(server.listen(4));
    ASSERT_TRUE(client.connect(IPv4Address("127.0.0.1", portOf(server)), 1000));
    ASSERT_NE(nullptr, server.accept(1000));  // and closed at once
    char block[4096] = {};
    EXPECT_TRUE(eventually([&] { return !client.send(block, sizeof(block)); }, 500));
    signal(SIGPIPE, previous);
    char buffer[16];
    EXPECT_EQ(0, client.recv(buffer, sizeof(buffer)));
}

TEST(TCPSocket, ListenerKeepsItsPortOnRestoreAndSharesItOnlyWithReusePort) {
    IPv4TCPSocket server(0);
    ASSERT_TRUE(server.listen(2));
    const unsigned short port = portOf(server);
    ASSERT_TRUE(server.restore());
    EXPECT_EQ(port, portOf(server));
    IPv4TCPSocket client, intruder, first, second;
    ASSERT_TRUE(client.connect(IPv4Address("127.0.0.1", port), 1000));
    EXPECT_NE(nullptr, server.accept(1000));
    EXPECT_FALSE(intruder.bind(port, false));
    ASSERT_TRUE(first.bind(0, true));
    ASSERT_TRUE(first.listen(1));
    EXPECT_TRUE(second.bind(first.getBoundPort(), true));
    EXPECT_TRUE(second.listen(1));
}

TEST(HostAddresses, ResolveAndConnectPastARefusedAddressOrGiveATargetedUDPSocket) {
    bool hasIPv4Loopback = false;
    for (const auto& address : queryIPAddressesForHostName("localhost", 80))
        hasIPv4Loopback |= address->getAddressAsString() == "127.0.0.1" && address->getPort() == 80;
    EXPECT_TRUE(hasIPv4Loopback);

    IPv4TCPSocket server(0);
    ASSERT_TRUE(server.listen(4));
    IPAddressList addresses;
    addresses.push_back(std::make_unique<IPv6Address>("::1", closedPort()));
    EXPECT_EQ(nullptr, connectSocketForAddressList(addresses, 200));
    addresses.push_back(std::make_unique<IPv4Address>("127.0.0.1", portOf(server)));
    EXPECT_NE(nullptr, connectSocketForAddressList(addresses, 500));
    EXPECT_NE(nullptr, server.accept(1000));
    EXPECT_EQ(nullptr, createSocketForHostName(true, "127.0.0.1", closedPort(), 200));

    IPv6UDPSocket receiver;
    ASSERT_TRUE(receiver.bind(0, false));
    auto udp = createSocketForHostName(false, "::1", portOf(receiver), 1000);
    ASSERT_TRUE(udp && udp->send("udp", 3));
    EXPECT_EQ("udp", receiveAll(receiver, 3));
}
