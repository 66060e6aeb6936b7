#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "net/json/RPCValue.h"

// Reads JSON one character at a time, as bytes arrive from a stream, so a
// value can be taken the moment its last character is in: no buffering of
// whole messages, no waiting for a line end. Objects, arrays, strings,
// numbers and the literals are each read by their own small state; open
// containers wait on a stack. `next` (the character after `current`, or 0
// when not yet known) ends a number without waiting for one more call; a
// number inside a container whose next character is unknown ends with the
// following call.
class JSONParser {
public:
    enum Status { NEED_MORE, COMPLETE, FAILED };
    // Deeper nesting is refused: freeing such a value would recurse too deep.
    static constexpr size_t kMaxDepth = 512;

    JSONParser();
    ~JSONParser();

    // COMPLETE once the top-level value has closed (stealResult takes it),
    // FAILED at the first character that cannot continue the value; both
    // stay until reset(). Whitespace before a value is skipped.
    Status parse(char current, char next) {
        // Most characters of a message are inside strings: those take the
        // short way.
        if (state == STRING && current != '"' && current != '\\' && static_cast<unsigned char>(current) >= 0x20 &&
            !highSurrogate) {
            token += current;
            return status;
        }
        return parseCharacter(current, next);
    }
    void reset();
    // The completed value (the caller owns it), or null.
    IRPCValue* stealResult();
    Status getStatus() const { return status; }

private:
    enum State {
        VALUE,         // a value must start (whitespace skipped)
        ARRAY_START,   // after "[": a value or "]"
        OBJECT_START,  // after "{": a key or "}"
        OBJECT_KEY,    // after "," in an object: a key
        COLON,         // after a key
        AFTER_VALUE,   // "," or the container's end
        STRING,        // inside a string
        ESCAPE,        // after a backslash
        UNICODE,       // the hex digits of \uXXXX
        NUMBER,
        LITERAL,  // true, false, null
        DONE
    };
    struct Frame {
        std::unique_ptr<IRPCValue> container;
        std::string key;
    };

    Status parseCharacter(char current, char next);
    Status fail();
    Status startValue(char c, char next);
    Status completeValue(IRPCValue* value);
    Status closeContainer(char c);
    Status string(char c);
    Status escape(char c);
    Status unicode(char c);
    Status number(char c, char next);
    Status finishNumber();
    Status literal(char c);
    void appendCodePoint(unsigned codePoint);

    State state = VALUE;
    Status status = NEED_MORE;
    std::vector<Frame> stack;
    std::unique_ptr<IRPCValue> result;
    std::string token;        // string, number or literal being read
    bool readingKey = false;  // the string is an object key
    unsigned hex = 0;
    int hexDigits = 0;
    unsigned highSurrogate = 0;
};
