#pragma once
#include "net/IPAddress.h"
#include "net/Socket.h"

#include <memory>
#include <string>
#include <vector>

using IPAddressList = std::vector<std::unique_ptr<IIPAddress>>;

// Resolves host (a name or a numeric address) to its IPv4 and IPv6 addresses,
// in the resolver's order, each carrying port. Empty when nothing resolves.
IPAddressList queryIPAddressesForHostName(const std::string& host, unsigned short port);

// Tries the addresses in order, each with a fresh TCP socket of its family,
// and returns the first socket that connects within timeoutMs; null when none
// does.
std::unique_ptr<ISocket> connectSocketForAddressList(const IPAddressList& addresses, int timeoutMs);

// tcp: a TCP socket connected to host. Otherwise a UDP socket of the first
// address's family whose send() goes to that address. Null when the name
// does not resolve or nothing connects.
std::unique_ptr<ISocket> createSocketForHostName(bool tcp, const std::string& host, unsigned short port,
                                                 int timeoutMs);

// The IPv4 broadcast address of every interface that has one, each carrying
// port: where to announce to or query devices on the local network.
std::vector<IPv4Address> queryIPv4BroadcastAdresses(unsigned short port);
