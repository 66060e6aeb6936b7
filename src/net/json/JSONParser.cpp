#include "net/json/JSONParser.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isNumberChar(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E'; }

// The JSON number grammar: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
bool isJSONNumber(const std::string& t, bool& integral) {
    size_t i = 0;
    auto digits = [&] {
        const size_t start = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        return i > start;
    };
    if (i < t.size() && t[i] == '-') ++i;
    if (i < t.size() && t[i] == '0') {
        ++i;
    } else if (!digits()) {
        return false;
    }
    integral = true;
    if (i < t.size() && t[i] == '.') {
        ++i;
        integral = false;
        if (!digits()) return false;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        integral = false;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (!digits()) return false;
    }
    return i == t.size();
}

}  // namespace

JSONParser::JSONParser() = default;

JSONParser::~JSONParser() { reset(); }

void JSONParser::reset() {
    // Containers are emptied from the innermost out, so freeing a deeply
    // nested value never recurses through the whole stack.
    while (!stack.empty()) stack.pop_back();
    result.reset();
    token.clear();
    state = VALUE;
    status = NEED_MORE;
    readingKey = false;
    highSurrogate = 0;
}

IRPCValue* JSONParser::stealResult() { return result.release(); }

JSONParser::Status JSONParser::fail() {
    state = DONE;
    return status = FAILED;
}

JSONParser::Status JSONParser::parseCharacter(char c, char next) {
    switch (state) {
    case STRING:
        return string(c);
    case NUMBER:
        return number(c, next);
    case VALUE:
        if (isSpace(c)) return status;
        return startValue(c, next);
    case ARRAY_START:
        if (isSpace(c)) return status;
        if (c == ']') return closeContainer(c);
        return startValue(c, next);
    case OBJECT_START:
    case OBJECT_KEY:
        if (isSpace(c)) return status;
        if (c == '}' && state == OBJECT_START) return closeContainer(c);
        if (c != '"') return fail();
        readingKey = true;
        token.clear();
        state = STRING;
        return status;
    case COLON:
        if (isSpace(c)) return status;
        if (c != ':') return fail();
        state = VALUE;
        return status;
    case AFTER_VALUE:
        if (isSpace(c)) return status;
        if (c == ',') {
            state = stack.back().container->getType() == IRPCValue::ARRAY_VALUE ? VALUE : OBJECT_KEY;
            return status;
        }
        return closeContainer(c);
    case ESCAPE:
        return escape(c);
    case UNICODE:
        return unicode(c);
    case LITERAL:
        return literal(c);
    case DONE:
        return status;
    }
    return fail();
}

JSONParser::Status JSONParser::startValue(char c, char next) {
    token.clear();
    switch (c) {
    case '{':
    case '[':
        if (stack.size() >= kMaxDepth) return fail();
        stack.push_back(Frame());
        if (c == '{') {
            stack.back().container.reset(new ObjectValue());
            state = OBJECT_START;
        } else {
            stack.back().container.reset(new ArrayValue());
            state = ARRAY_START;
        }
        return status;
    case '"':
        readingKey = false;
        state = STRING;
        return status;
    case 't':
    case 'f':
    case 'n':
        state = LITERAL;
        return literal(c);
    default:
        if (c != '-' && (c < '0' || c > '9')) return fail();
        state = NUMBER;
        return number(c, next);
    }
}

JSONParser::Status JSONParser::completeValue(IRPCValue* value) {
    if (stack.empty()) {
        result.reset(value);
        state = DONE;
        return status = COMPLETE;
    }
    Frame& top = stack.back();
    if (top.container->getType() == IRPCValue::ARRAY_VALUE) static_cast<ArrayValue*>(top.container.get())->add(value);
    else static_cast<ObjectValue*>(top.container.get())->set(top.key, value);
    state = AFTER_VALUE;
    return status;
}

JSONParser::Status JSONParser::closeContainer(char c) {
    const bool isArray = stack.back().container->getType() == IRPCValue::ARRAY_VALUE;
    if (c != (isArray ? ']' : '}')) return fail();
    IRPCValue* closed = stack.back().container.release();
    stack.pop_back();
    return completeValue(closed);
}

JSONParser::Status JSONParser::string(char c) {
    if (c == '"') {
        if (highSurrogate) return fail();  // half a pair
        if (readingKey) {
            stack.back().key.swap(token);
            readingKey = false;
            state = COLON;
            return status;
        }
        return completeValue(new StringValue(std::move(token)));
    }
    if (c == '\\') {
        state = ESCAPE;
        return status;
    }
    if (static_cast<unsigned char>(c) < 0x20 || highSurrogate) return fail();
    token += c;
    return status;
}

JSONParser::Status JSONParser::escape(char c) {
    static const char kFrom[] = "\"\\/bfnrt";
    static const char kTo[] = "\"\\/\b\f\n\r\t";
    if (c == 'u') {
        hex = 0;
        hexDigits = 0;
        state = UNICODE;
        return status;
    }
    const char* at = c ? std::strchr(kFrom, c) : nullptr;
    if (!at || highSurrogate) return fail();
    token += kTo[at - kFrom];
    state = STRING;
    return status;
}

JSONParser::Status JSONParser::unicode(char c) {
    unsigned digit;
    if (c >= '0' && c <= '9') digit = unsigned(c - '0');
    else if (c >= 'a' && c <= 'f') digit = unsigned(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') digit = unsigned(c - 'A' + 10);
    else return fail();
    hex = hex * 16 + digit;
    if (++hexDigits < 4) return status;
    state = STRING;
    if (hex >= 0xD800 && hex < 0xDC00) {
        if (highSurrogate) return fail();
        highSurrogate = hex;
        return status;
    }
    if (hex >= 0xDC00 && hex < 0xE000) {
        if (!highSurrogate) return fail();
        appendCodePoint(0x10000 + ((highSurrogate - 0xD800) << 10) + (hex - 0xDC00));
        highSurrogate = 0;
        return status;
    }
    if (highSurrogate) return fail();
    appendCodePoint(hex);
    return status;
}

void JSONParser::appendCodePoint(unsigned cp) {
    if (cp < 0x80) {
        token += char(cp);
    } else if (cp < 0x800) {
        token += char(0xC0 | (cp >> 6));
        token += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        token += char(0xE0 | (cp >> 12));
        token += char(0x80 | ((cp >> 6) & 0x3F));
        token += char(0x80 | (cp & 0x3F));
    } else {
        token += char(0xF0 | (cp >> 18));
        token += char(0x80 | ((cp >> 12) & 0x3F));
        token += char(0x80 | ((cp >> 6) & 0x3F));
        token += char(0x80 | (cp & 0x3F));
    }
}

JSONParser::Status JSONParser::number(char c, char next) {
    if (!isNumberChar(c)) {
        // The number ended at the end of the previous piece of input.
        if (finishNumber() != NEED_MORE) return status;
        return parse(c, next);
    }
    token += c;
    // Inside a container a number is never the last character, so an
    // unknown next character (0) waits for the next call.
    if (isNumberChar(next) || (next == 0 && !stack.empty())) return status;
    return finishNumber();
}

JSONParser::Status JSONParser::finishNumber() {
    bool integral = false;
    if (!isJSONNumber(token, integral)) return fail();
    if (integral) {
        errno = 0;
        const long long value = std::strtoll(token.c_str(), nullptr, 10);
        if (errno != ERANGE) return completeValue(new IntegerValue(value));
    }
    return completeValue(new DoubleValue(std::strtod(token.c_str(), nullptr)));
}

JSONParser::Status JSONParser::literal(char c) {
    token += c;
    for (const char* word : {"true", "false", "null"}) {
        if (std::strncmp(word, token.c_str(), token.size()) != 0) continue;
        if (token.size() < std::strlen(word)) return status;
        if (word[0] == 'n') return completeValue(new NULLValue());
        return completeValue(new BoolValue(word[0] == 't'));
    }
    return fail();
}
