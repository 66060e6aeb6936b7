// cirrona-diag gdl90 [--hex]: decodes a GDL90 byte stream from standard
// input, one JSON object per accepted frame. Rejected frames are reported on
// standard error by the parser itself.

#include "DiagCommand.h"

#include "sensors/gdl90/GDL90Messages.h"
#include "sensors/gdl90/GDL90Parser.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>
#include <iostream>
#include <sstream>

namespace {

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c >= 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out.push_back(static_cast<char>(c));
            }
        }
    }
    return out + "\"";
}

std::string jsonValue(const GDL90Field& field) {
    switch (field.kind) {
    case GDL90Field::INTEGER: return std::to_string(field.integer);
    case GDL90Field::BOOLEAN: return field.integer ? "true" : "false";
    case GDL90Field::TEXT: return jsonString(field.text);
    case GDL90Field::NUMBER:
        if (!std::isfinite(field.number)) return "null";
        {
            std::ostringstream out;
            out.precision(10);
            out << field.number;
            return out.str();
        }
    }
    return "null";
}

void printFrame(const GDL90Parser& parser) {
    std::unique_ptr<IGDL90Message> message = parser.createParsedMessage();
    GDL90FieldList fields;
    message->describe(fields);
    std::cout << "{\"type\":" << jsonString(IGDL90Message::type2Name(message->getType()))
              << ",\"frameLength\":" << parser.getFrameLength()
              << ",\"validMessage\":" << (message->isValidMsg() ? "true" : "false") << ",\"fields\":{";
    bool first = true;
    for (const GDL90Field& f : fields.fields()) {
        if (!first) std::cout << ",";
        first = false;
        std::cout << jsonString(f.name) << ":{\"value\":" << jsonValue(f)
                  << ",\"valid\":" << (f.valid ? "true" : "false") << "}";
    }
    std::cout << "}}\n";
}

int hexDigit(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = std::tolower(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Hex text to bytes: pairs of hex digits; "0x" prefixes and any other
// characters (spaces, commas, line breaks) between bytes are skipped.
std::string hexToBytes(const std::string& text) {
    std::string bytes;
    int high = -1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '0' && high < 0 && i + 1 < text.size() && std::tolower(text[i + 1]) == 'x') {
            ++i;
            continue;
        }
        const int digit = hexDigit(static_cast<unsigned char>(text[i]));
        if (digit < 0) {
            high = -1;
            continue;
        }
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<char>((high << 4) | digit));
            high = -1;
        }
    }
    return bytes;
}

int run(const DiagCommand& self, const std::vector<std::string>& args) {
    bool hex = false;
    for (const std::string& a : args) {
        if (a == "--hex") hex = true;
        else return diagUsageError(self, "unknown argument " + a);
    }
    std::ostringstream input;
    input << std::cin.rdbuf();
    const std::string bytes = hex ? hexToBytes(input.str()) : input.str();
    GDL90Parser parser;
    for (char byte : bytes) {
        if (parser.parse(static_cast<unsigned char>(byte))) printFrame(parser);
    }
    std::cout.flush();
    return 0;
}

DiagCommand makeCommand() {
    DiagCommand command;
    command.name = "gdl90";
    command.usage = "[--hex]";
    command.summary = "decodes GDL90 frames from standard input (raw bytes, or hex text with --hex) as JSON lines";
    return command;
}

const DiagRegistration registration([] {
    DiagCommand command = makeCommand();
    command.run = [](const std::vector<std::string>& args) {
        static const DiagCommand self = makeCommand();
        return run(self, args);
    };
    return command;
}());

}  // namespace
