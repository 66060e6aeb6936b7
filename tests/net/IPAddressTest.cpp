#include "net/Crc32.h"
#include "net/IPAddress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// Version, address as written back, and port, in one string.
std::string describe(const IIPAddress& a) {
    return std::to_string(a.getIPVersion()) + " " + a.getAddressAsString() + " " + std::to_string(a.getPort()) +
           (a.isValid() ? "" : " invalid");
}
}  // namespace

TEST(IPAddress, ParsesAndFormatsBothFamilies) {
    IPv6Address v6("FE80:0:0::1", 43211);
    EXPECT_EQ(describe(IPv4Address("192.168.10.1", 4000)), "4 192.168.10.1 4000");
    EXPECT_EQ(describe(v6), "6 fe80::1 43211");
    EXPECT_EQ(1u, IPv6Address("fe80::1%1", 1).getScopeId());
    auto copy = v6.createNewCopy();  // independent of the original
    copy->setPort(11);
    EXPECT_EQ(describe(*copy), "6 fe80::1 11");
    EXPECT_EQ(43211, v6.getPort());
}

TEST(IPAddress, UnparsableTextIsMarkedInvalid) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(describe(IPv4Address("192.168.1.300", 1)), "4 0.0.0.0 1 invalid");
    EXPECT_FALSE(IPv6Address("12::34::56", 1).isValid());
    testing::internal::GetCapturedStdout();
}

TEST(IPAddress, OrderIsFamilyThenAddressThenPort) {
    // Each address sorts before the next; bytes compare unsigned.
    IPv4Address low("10.0.0.1", 9000), high("10.0.0.2", 1), highPort("10.0.0.2", 2), beyond("10.0.0.200", 1);
    IPv6Address v6("::1", 1);
    const std::vector<const IIPAddress*> ordered = {&low, &high, &highPort, &beyond, &v6};
    for (size_t i = 0; i + 1 < ordered.size(); ++i)
        EXPECT_TRUE(*ordered[i] < *ordered[i + 1] && !(*ordered[i + 1] < *ordered[i])) << i;
    EXPECT_TRUE(IPv4Address("10.0.0.1", 9000) == low);
}

TEST(IPAddress, IPv4AddressMapsIntoIPv6SocketAddresses) {
    IPv4Address v4("127.0.0.1", 4000);
    sockaddr_storage storage;
    ASSERT_EQ(sizeof(sockaddr_in6), v4.toSockAddr(storage, AF_INET6));
    auto mapped = IIPAddress::fromSockAddr(reinterpret_cast<sockaddr*>(&storage));
    EXPECT_EQ("::ffff:127.0.0.1", mapped->getAddressAsString());
    EXPECT_EQ(4000, mapped->getPort());
    // An IPv6 address has no IPv4 form.
    EXPECT_EQ(0u, IPv6Address("::1", 1).toSockAddr(storage, AF_INET));
}

TEST(Crc32, MatchesTheStandardCheckValue) {
    EXPECT_EQ(0xCBF43926u, crc32buf("123456789", 9));
    EXPECT_EQ(0u, crc32buf("", 0));
}
