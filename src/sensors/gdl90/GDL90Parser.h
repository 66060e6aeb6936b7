#pragma once
#include <memory>

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
    // through getFrame()/getFrameLength() until the next call. Inline: it
    // runs once per received byte.
    bool parse(unsigned char byte) {
        if (collected == 0) {
            if (byte == FLAG_BYTE) openFrame();
            return false;
        }
        if (escape) {
            escape = false;
            byte ^= 0x20;
        } else if (byte == ESCAPE_BYTE) {
            escape = true;
            return false;
        } else if (byte == FLAG_BYTE) {
            return onFlag();
        }
        buffer[collected++] = byte;
        if (collected >= BUFFER_SIZE) onOverflow();
        return false;
    }

    const unsigned char* getFrame() const { return buffer.get(); }
    // Length of the last complete frame including both flag bytes.
    int getFrameLength() const { return frameLength; }

    // Decodes the last accepted frame.
    std::unique_ptr<IGDL90Message> createParsedMessage() const;

    // Forgets a partly collected frame, e.g. when a stream was replaced.
    void reset();

private:
    static constexpr unsigned char FLAG_BYTE = 0x7E;
    static constexpr unsigned char ESCAPE_BYTE = 0x7D;

    void openFrame() {
        buffer[0] = FLAG_BYTE;
        collected = 1;
        escape = false;
    }
    bool onFlag();
    void onOverflow();

    std::unique_ptr<unsigned char[]> buffer;
    int collected = 0;  // bytes of the open frame; 0 means no frame is open
    int frameLength = 0;
    bool escape = false;
};

// Builds the message for one complete frame (pointing at the opening flag,
// `frameLength` bytes including both flags) from its length and message ID.
// Frames that match no known layout become an UnknownGDL90Message; never null.
std::unique_ptr<IGDL90Message> createParsedMessage(const unsigned char* frame, int frameLength);
