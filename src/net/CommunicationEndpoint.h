#pragma once

// A byte transport: every data link of the program (sockets, serial lines,
// compressed links) is read and written through this interface, so a sensor
// does not care how its bytes travel.
class ICommunicationEndpoint {
public:
    virtual ~ICommunicationEndpoint() = default;

    // Reads what is available without waiting for more. Returns the number of
    // bytes read, 0 when nothing is there, negative when the device failed.
    virtual int recv(char* buffer, unsigned length) = 0;

    // Sends all of data; returns success.
    virtual bool send(const char* data, unsigned length) = 0;
};
