#include "net/json/JSONWriter.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

void appendDouble(std::string& out, double value, bool quoted) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    std::ostringstream text;
    text << value;  // general notation, 6 significant digits
    std::string digits = text.str();
    if (digits.find_first_of(".e") == std::string::npos) digits += ".0";
    if (quoted) out += '"';
    out += digits;
    if (quoted) out += '"';
}

}  // namespace

void appendJSONString(std::string& out, const std::string& text) {
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u00%02x", unsigned(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void appendJSON(std::string& out, const IRPCValue* value, bool quoteDoubles) {
    switch (value ? value->getType() : IRPCValue::NULL_VALUE) {
    case IRPCValue::NULL_VALUE:
        out += "null";
        break;
    case IRPCValue::BOOL_VALUE:
        out += static_cast<const BoolValue*>(value)->value ? "true" : "false";
        break;
    case IRPCValue::DOUBLE_VALUE:
        appendDouble(out, static_cast<const DoubleValue*>(value)->value, quoteDoubles);
        break;
    case IRPCValue::INTEGER_VALUE:
        out += std::to_string(static_cast<const IntegerValue*>(value)->value);
        break;
    case IRPCValue::STRING_VALUE:
        appendJSONString(out, static_cast<const StringValue*>(value)->value);
        break;
    case IRPCValue::ARRAY_VALUE: {
        out += '[';
        const char* separator = "";
        for (const auto& element : static_cast<const ArrayValue*>(value)->values) {
            out += separator;
            appendJSON(out, element.get(), quoteDoubles);
            separator = ",";
        }
        out += ']';
        break;
    }
    case IRPCValue::OBJECT_VALUE: {
        out += '{';
        const char* separator = "";
        for (const auto& member : static_cast<const ObjectValue*>(value)->members) {
            out += separator;
            appendJSONString(out, member.first);
            out += ':';
            appendJSON(out, member.second.get(), quoteDoubles);
            separator = ",";
        }
        out += '}';
        break;
    }
    }
}

std::string convertRPCValueToJSONString(const IRPCValue* value, bool quoteDoubles) {
    std::string out;
    appendJSON(out, value, quoteDoubles);
    return out;
}

std::string convertRPCValueToJSONResult(const IRPCValue* value, uint64_t id, bool quoteDoubles) {
    std::string out = "{\"jsonrpc\": \"2.0\", \"result\": ";
    appendJSON(out, value, quoteDoubles);
    return out + ", \"id\": " + std::to_string(id) + "}";
}

std::string formatJSONRPCCall(const std::string& method, const std::vector<const IRPCValue*>& params, uint64_t id) {
    std::string out = "{\"jsonrpc\": \"2.0\", \"method\": ";
    appendJSONString(out, method);
    out += ", \"params\": [";
    for (size_t i = 0; i < params.size(); ++i) {
        if (i) out += ',';
        appendJSON(out, params[i]);
    }
    return out + "], \"id\": " + std::to_string(id) + "}";
}

std::string formatJSONRPCError(int code, const std::string& message, const IRPCValue* data, const std::string& id) {
    std::string out = "{\"jsonrpc\": \"2.0\", \"error\": {\"code\": " + std::to_string(code) + ", \"message\": ";
    appendJSONString(out, message);
    out += ", \"data\": ";
    appendJSON(out, data);
    return out + "}, \"id\": " + id + "}";
}
