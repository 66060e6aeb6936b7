#pragma once
#include <memory>
#include <vector>

class IGDL90Message;

// Reassembles GDL90 frames from a byte stream, one byte at a time, so it
// works the same for datagrams, TCP streams and serial lines. The frame is
// kept unescaped in the buffer, opening and closing flag included, until the
// next byte is parsed.
class GDL90Parser {
public:
    static constexpr int BUFFER_SIZE = 65536;

    GDL90Parser();

    // True when this byte completed a frame whose FCS is right (or zero,
    // which senders use to say "not computed"). The frame is then available
    // through getFrame()/getFrameLength() until the next call.
    bool parse(unsigned char byte);

    const unsigned char* getFrame() const { return buffer.data(); }
    // Length of the last complete frame including both flag bytes.
    int getFrameLength() const { return frameLength; }

    // Decodes the last accepted frame.
    std::unique_ptr<IGDL90Message> createParsedMessage() const;

    // Forgets a partly collected frame, e.g. when a stream was replaced.
    void reset();

private:
    bool closeFrame();

    std::vector<unsigned char> buffer;
    int collected = 0;  // bytes of the open frame; 0 means no frame is open
    int frameLength = 0;
    bool escape = false;
};

// Builds the message for one complete frame (pointing at the opening flag,
// `frameLength` bytes including both flags) from its length and message ID.
// Frames that match no known layout become an UnknownGDL90Message; never null.
std::unique_ptr<IGDL90Message> createParsedMessage(const unsigned char* frame, int frameLength);
