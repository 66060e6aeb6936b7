#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "net/json/RPCValue.h"

// JSON text of a value: doubles in general notation with six significant
// digits and ".0" added when that text has no decimal point (2.0, 0.5,
// 47.1235), written in quotes when `quoteDoubles` is set; NaN and infinities,
// which JSON cannot say, as null; strings with JSON escapes, control
// characters as \u00XX, other bytes (UTF-8) as they are.
std::string convertRPCValueToJSONString(const IRPCValue* value, bool quoteDoubles = false);
void appendJSON(std::string& out, const IRPCValue* value, bool quoteDoubles = false);
void appendJSONString(std::string& out, const std::string& text);

// One-line messages, members separated by ", " and keys followed by ": ":
// {"jsonrpc": "2.0", "result": ..., "id": N}
std::string convertRPCValueToJSONResult(const IRPCValue* value, uint64_t id, bool quoteDoubles = false);
// {"jsonrpc": "2.0", "method": "...", "params": [...], "id": N}
std::string formatJSONRPCCall(const std::string& method, const std::vector<const IRPCValue*>& params, uint64_t id);
// {"jsonrpc": "2.0", "error": {"code": C, "message": "...", "data": ...}, "id": ...}; `id` is JSON text
std::string formatJSONRPCError(int code, const std::string& message, const IRPCValue* data, const std::string& id);
