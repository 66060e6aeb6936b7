#include "NetTestSupport.h"
#include "net/HostAddresses.h"
#include "net/TCPSocket.h"
#include "net/UDPSocket.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>

#include <memory>
#include <string>
#include <vector>

namespace {

unsigned short portOf(const ASocket& socket) { return static_cast<unsigned short>(socket.getBoundPort()); }

// A loopback port on which nothing listens.
unsigned short closedPort() { return portOf(IPv4TCPSocket(0)); }

// A listener, a client connected to it and the server's end of that connection.
struct ConnectedPair {
    ConnectedPair() {
        server.listen(4);
        if (client.connect(IPv4Address("127.0.0.1", portOf(server)), 1000)) accepted = server.accept(1000);
    }
    IPv4TCPSocket server{0};
    IPv4TCPSocket client;
    std::unique_ptr<IPv4TCPSocket> accepted;
};

// Swaps a socket's connection for a descriptor that was never connected.
bool replaceWithUnconnectedDescriptor(int handle) {
    int unconnected = socket(AF_INET, SOCK_STREAM, 0);
    const bool replaced = unconnected >= 0 && dup2(unconnected, handle) >= 0;
    if (unconnected >= 0) close(unconnected);
    return replaced;
}

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
    ASSERT_NE(nullptr, accepted);
    ASSERT_NE(nullptr, peer);
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

TEST(TCPSocket, ConnectFailsAtOnceWhenRefusedAndAfterItsTimeOutWhenUnanswered) {
    IPv4TCPSocket client;
    uint32_t start = getMilliSecs();
    EXPECT_FALSE(client.connect(IPv4Address("127.0.0.1", closedPort()), 2000));
    EXPECT_LT(getMilliSecs() - start, 1000u);
    // A listener that never accepts, with its queue filled: further handshakes
    // are dropped. An unparsable address must not fall back to 0.0.0.0, this host.
    IPv4TCPSocket server(0);
    ASSERT_TRUE(server.listen(0));
    EXPECT_FALSE(client.connect(IPv4Address("not-an-address", portOf(server)), 200));
    std::vector<std::unique_ptr<IPv4TCPSocket>> queued;
    bool timedOut = false;
    for (int attempt = 0; attempt < 8 && !timedOut; ++attempt) {
        queued.push_back(std::make_unique<IPv4TCPSocket>());
        start = getMilliSecs();
        if (queued.back()->connect(IPv4Address("127.0.0.1", portOf(server)), 100)) continue;
        uint32_t elapsed = getMilliSecs() - start;
        EXPECT_GE(elapsed, 90u);
        EXPECT_LT(elapsed, 1000u);
        timedOut = true;
    }
    EXPECT_TRUE(timedOut);
}

TEST(TCPSocket, ClosedPeerIsSurvivedWithoutSignal) {
    // Default SIGPIPE handling: a send that raised the signal would kill the test program.
    sighandler_t previous = signal(SIGPIPE, SIG_DFL);
    ConnectedPair pair;
    ASSERT_NE(nullptr, pair.accepted);
    pair.accepted.reset();
    char block[4096] = {};
    bool sendFailed = false;
    for (int i = 0; i < 200 && !sendFailed; ++i) {
        sendFailed = !pair.client.send(block, sizeof(block));
        if (!sendFailed) delay(1);
    }
    signal(SIGPIPE, previous);
    EXPECT_TRUE(sendFailed);
    char buffer[16];
    EXPECT_EQ(0, pair.client.recv(buffer, sizeof(buffer)));
}

TEST(TCPSocket, NotConnectedClientRestoresOnceButAnAcceptedSocketStopsTrying) {
    ConnectedPair pair;
    ASSERT_NE(nullptr, pair.accepted);
    ASSERT_TRUE(replaceWithUnconnectedDescriptor(pair.client.getSocketHandle()));
    ASSERT_TRUE(replaceWithUnconnectedDescriptor(pair.accepted->getSocketHandle()));
    char buffer[16];
    EXPECT_EQ(0, pair.accepted->recv(buffer, sizeof(buffer)));
    EXPECT_FALSE(pair.accepted->isAutoRestoreEnabled());

    EXPECT_EQ(0, pair.client.recv(buffer, sizeof(buffer)));
    EXPECT_TRUE(pair.client.isAutoRestoreEnabled());
    // The restore reconnected to the remembered peer.
    auto reconnected = pair.server.accept(1000);
    ASSERT_NE(nullptr, reconnected);
    ASSERT_TRUE(reconnected->send("back", 4));
    EXPECT_EQ("back", receiveAll(pair.client, 4));
}

TEST(TCPSocket, ListenerKeepsItsPortOnRestoreAndSharesItOnlyWithReusePort) {
    IPv4TCPSocket server(0);
    ASSERT_TRUE(server.listen(2));
    int port = server.getBoundPort();
    ASSERT_TRUE(server.restore());
    EXPECT_EQ(port, server.getBoundPort());
    IPv4TCPSocket client;
    ASSERT_TRUE(client.connect(IPv4Address("127.0.0.1", static_cast<unsigned short>(port)), 1000));
    EXPECT_NE(nullptr, server.accept(1000));

    IPv4TCPSocket intruder;
    EXPECT_FALSE(intruder.bind(port, false));
    EXPECT_EQ(-1, intruder.getBoundPort());
    IPv4TCPSocket first, second;
    ASSERT_TRUE(first.bind(0, true));
    ASSERT_TRUE(first.listen(1));
    EXPECT_TRUE(second.bind(first.getBoundPort(), true));
    EXPECT_TRUE(second.listen(1));
}

TEST(HostAddresses, ResolveAndConnectPastARefusedAddressOrGiveATargetedUDPSocket) {
    auto numeric = queryIPAddressesForHostName("::1", 4000);
    ASSERT_EQ(1u, numeric.size());
    EXPECT_EQ("::1", numeric[0]->getAddressAsString());
    EXPECT_EQ(4000, numeric[0]->getPort());
    bool hasIPv4Loopback = false;
    for (const auto& address : queryIPAddressesForHostName("localhost", 80))
        hasIPv4Loopback |= address->getAddressAsString() == "127.0.0.1" && address->getPort() == 80;
    EXPECT_TRUE(hasIPv4Loopback);

    IPv4TCPSocket server(0);
    ASSERT_TRUE(server.listen(4));
    IPAddressList addresses;
    EXPECT_EQ(nullptr, connectSocketForAddressList(addresses, 200));
    addresses.push_back(std::make_unique<IPv6Address>("::1", closedPort()));
    EXPECT_EQ(nullptr, connectSocketForAddressList(addresses, 200));
    addresses.push_back(std::make_unique<IPv4Address>("127.0.0.1", portOf(server)));
    auto socket = connectSocketForAddressList(addresses, 500);
    ASSERT_NE(nullptr, socket);
    auto accepted = server.accept(1000);
    ASSERT_NE(nullptr, accepted);
    ASSERT_TRUE(socket->send("second", 6));
    EXPECT_EQ("second", receiveAll(*accepted, 6));
    EXPECT_EQ(nullptr, createSocketForHostName(true, "127.0.0.1", closedPort(), 200));

    IPv6UDPSocket receiver;
    ASSERT_TRUE(receiver.bind(0, false));
    auto udp = createSocketForHostName(false, "::1", portOf(receiver), 1000);
    ASSERT_NE(nullptr, udp);
    ASSERT_TRUE(udp->send("udp", 3));
    EXPECT_EQ("udp", receiveAll(receiver, 3));
}
