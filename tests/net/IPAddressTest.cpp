#include "net/Crc32.h"
#include "net/IPAddress.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// Version, address as written back, and port, in one string.
std::string describe(const IIPAddress& a) {
    return std::to_string(a.getIPVersion()) + " " + a.getAddressAsString() + " " + std::to_string(a.getPort()) +
           (a.isValid() ? "" : " invalid");
}
}  // namespace

TEST(IPAddress, ParsesAndFormatsBothFamiliesAndMarksUnparsableTextInvalid) {
    IPv6Address v6("FE80:0:0::1", 43211);
    EXPECT_EQ(describe(IPv4Address("192.168.10.1", 4000)), "4 192.168.10.1 4000");
    EXPECT_EQ(describe(v6), "6 fe80::1 43211");
    EXPECT_EQ(1u, IPv6Address("fe80::1%1", 1).getScopeId());
    auto copy = v6.createNewCopy();  // independent of the original
    copy->setPort(11);
    EXPECT_EQ(describe(*copy), "6 fe80::1 11");
    EXPECT_EQ(43211, v6.getPort());
    testing::internal::CaptureStdout();  // unparsable text is marked invalid
    EXPECT_EQ(describe(IPv4Address("192.168.1.300", 1)), "4 0.0.0.0 1 invalid");
    EXPECT_FALSE(IPv6Address("12::34::56", 1).isValid());
    testing::internal::GetCapturedStdout();
}

TEST(Crc32, MatchesTheStandardCheckValue) {
    EXPECT_EQ(0xCBF43926u, crc32buf("123456789", 9));
    EXPECT_EQ(0u, crc32buf("", 0));
}
