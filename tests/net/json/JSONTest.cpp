#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "fuzz/JSONFuzzChecks.h"
#include "support/FuzzReplay.h"

namespace {

std::unique_ptr<IRPCValue> parseAll(const std::string& text, JSONParser::Status expected = JSONParser::COMPLETE) {
    JSONParser parser;
    EXPECT_EQ(jsonfuzz::feed(parser, text.data(), text.size()), expected) << text;
    return std::unique_ptr<IRPCValue>(parser.stealResult());
}

std::string roundTrip(const std::string& text) { return convertRPCValueToJSONString(parseAll(text).get()); }

TEST(JSONWriter, NumbersStringsAndContainers) {
    const std::pair<double, const char*> doubles[] = {
        {0.5, "0.5"}, {2, "2.0"}, {47.1234567, "47.1235"}, {-1234567.0, "-1.23457e+06"}, {1e-7, "1e-07"}};
    for (const auto& [value, text] : doubles) {
        DoubleValue v(value);
        EXPECT_EQ(convertRPCValueToJSONString(&v), text);
    }
    DoubleValue notANumber(std::nan(""));
    EXPECT_EQ(convertRPCValueToJSONString(&notANumber), "null");
    ObjectValue object;
    auto* array = new ArrayValue();
    array->add(new IntegerValue(-9007199254740993));
    array->add(new BoolValue(false));
    array->add(new NULLValue());
    array->add(new DoubleValue(3));
    object.set("list", array);
    object.set("text", new StringValue("a\"b\\c\n\x01\xc3\xa9"));
    EXPECT_EQ(convertRPCValueToJSONString(&object),
              "{\"list\":[-9007199254740993,false,null,3.0],\"text\":\"a\\\"b\\\\c\\u000a\\u0001\xc3\xa9\"}");
    EXPECT_EQ(convertRPCValueToJSONString(array, true), "[-9007199254740993,false,null,\"3.0\"]");
    std::unique_ptr<IRPCValue> copy(object.createNewCopy());
    EXPECT_EQ(convertRPCValueToJSONString(copy.get()), convertRPCValueToJSONString(&object));
}

TEST(JSONWriter, MessagesAreOneLineWithBlanksAfterSeparators) {
    StringValue name("alt");
    DoubleValue half(0.5);
    EXPECT_EQ(formatJSONRPCCall("get", {&name, &half}, 7),
              "{\"jsonrpc\": \"2.0\", \"method\": \"get\", \"params\": [\"alt\",0.5], \"id\": 7}");
    EXPECT_EQ(convertRPCValueToJSONResult(&half, 3), "{\"jsonrpc\": \"2.0\", \"result\": 0.5, \"id\": 3}");
    EXPECT_EQ(formatJSONRPCError(-32601, "Method not found", &name, "12"),
              "{\"jsonrpc\": \"2.0\", \"error\": {\"code\": -32601, \"message\": \"Method not found\", \"data\": "
              "\"alt\"}, \"id\": 12}");
}

TEST(JSONParser, ReadsEveryKindOneCharacterAtATime) {
    EXPECT_EQ(roundTrip(" {\"b\" : [1, -0, 2.5e3, 1E-2, true, false, null, {}, []], \"a\":\"x\\ty\\/\"}"),
              "{\"a\":\"x\\u0009y/\",\"b\":[1,0,2500.0,0.01,true,false,null,{},[]]}");
    auto text = parseAll("\"\\u00e9\\u20AC\\ud83d\\ude00\"");
    EXPECT_EQ(static_cast<StringValue*>(text.get())->value, "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80");
    EXPECT_EQ(parseAll("9223372036854775807")->getType(), IRPCValue::INTEGER_VALUE);
    EXPECT_EQ(parseAll("9223372036854775808")->getType(), IRPCValue::DOUBLE_VALUE);
    EXPECT_EQ(parseAll("42")->getType(), IRPCValue::INTEGER_VALUE);  // ends without a next character

    // A number cut by the end of a received piece continues with the next one.
    JSONParser parser;
    for (char c : std::string("[12")) parser.parse(c, 0);
    parser.parse('3', ']');
    ASSERT_EQ(parser.parse(']', 0), JSONParser::COMPLETE);
    std::unique_ptr<IRPCValue> array(parser.stealResult());
    EXPECT_EQ(convertRPCValueToJSONString(array.get()), "[123]");
    parser.reset();
    EXPECT_EQ(jsonfuzz::feed(parser, "null", 4), JSONParser::COMPLETE);
}

TEST(JSONParser, RejectsAtTheFirstWrongCharacter) {
    for (const char* bad : {"01", "1.", "-", "1e", "+1", "trux", "nul1", "[1,]", "[1}", "{\"a\" 1}", "{1:2}",
                            "{\"a\":1,}", "\"\x01\"", "\"\\x\"", "\"\\u12g4\"", "\"\\ud800\"", "\"\\udc00\"", "]"})
        parseAll(bad, JSONParser::FAILED);
    std::string deep(JSONParser::kMaxDepth, '[');
    parseAll(deep, JSONParser::NEED_MORE);
    parseAll(deep + "[", JSONParser::FAILED);
}

TEST(JSONParser, KeptFuzzInputsPassTheFuzzChecks) {
    EXPECT_GT(
        replayFuzzInputs(std::string(CIRRONA_SOURCE_DIR) + "/tests/net/json/fuzz/regressions/", jsonfuzz::checkJSON),
        0);
}

}  // namespace
