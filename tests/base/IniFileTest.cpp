#include "base/IniFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

IniFile parse(const std::string& text) {
    IniFile ini;
    ini.setFromString(text);
    return ini;
}

IniFile roundTrip(const IniFile& ini) { return parse(ini.toString()); }

}  // namespace

struct ParseCase {
    const char* text;
    const char* section;
    const char* key;
    const char* value;  // nullptr: the key must not exist
};

TEST(IniParse, EdgeCasesOfTheLineFormat) {
    const ParseCase cases[] = {
        // blanks around keys and values; trailing blanks of a value are kept
        {"key = value  \nk2=v2\n  k3   =   v3\n\tk4\t=\tv4\t\n", "", "key", "value  "},
        {"key = value  \nk2=v2\n  k3   =   v3\n\tk4\t=\tv4\t\n", "", "k3", "v3"},
        {"key = value  \nk2=v2\n  k3   =   v3\n\tk4\t=\tv4\t\n", "", "k4", "v4\t"},
        // the last line completes without a line feed
        {"a = 1\nkey =", "", "key", ""},
        {"x = last", "", "x", "last"},
        // a section header ignores the rest of its line
        {"[P0] comment = not a key\nPage = 2\n", "P0", "Page", "2"},
        {"[P0] comment = not a key\nPage = 2\n", "P0", "comment", nullptr},
        // comments are whole lines only
        {"; note = 1\n# other = 2\nkey = a ; b\nk2 = x # y\n", "", "key", "a ; b"},
        {"; note = 1\n# other = 2\nkey = a ; b\nk2 = x # y\n", "", "k2", "x # y"},
        {"; note = 1\n# other = 2\n", "", "; note", nullptr},
        {"; note = 1\n# other = 2\n", "", "# other", nullptr},
        // carriage returns never reach values
        {"[S]\r\na = 1\r\nb =\r\nc = x\ry\r\n", "S", "a", "1"},
        {"[S]\r\na = 1\r\nb =\r\nc = x\ry\r\n", "S", "b", ""},
        {"[S]\r\na = 1\r\nb =\r\nc = x\ry\r\n", "S", "c", "xy"},
        // a line without "=" becomes the prefix of the next key
        {"orphan\nkey = v\n", "", "orphan\nkey", "v"},
        {"orphan\nkey = v\n", "", "key", nullptr},
        // keys are case sensitive and later values win
        {"Font = x\nfont = y\nfont = z\n", "", "Font", "x"},
        {"Font = x\nfont = y\nfont = z\n", "", "font", "z"},
        // repeated section headers merge
        {"[A]\na = 1\n[B]\nb = 2\n[A]\nc = 3\na = 4\n", "A", "a", "4"},
        {"[A]\na = 1\n[B]\nb = 2\n[A]\nc = 3\na = 4\n", "A", "c", "3"},
        // a section name takes line feeds until the closing bracket
        {"[two\nlines]\na = 1\n", "two\nlines", "a", "1"},
    };
    for (const ParseCase& c : cases) {
        IniFile ini = parse(c.text);
        if (c.value) {
            EXPECT_EQ(ini.get(c.section, c.key, "<missing>"), c.value) << c.text;
        } else {
            EXPECT_FALSE(ini.isAvailable(c.section, c.key)) << c.text;
        }
    }
    EXPECT_EQ(parse("; note = 1\n# other = 2\nkey = a ; b\nk2 = x # y\n").getSection("").size(), 2u);
    EXPECT_EQ(parse("[A]\na = 1\n[B]\nb = 2\n[A]\nc = 3\na = 4\n").getSection("A").size(), 2u);
}

TEST(IniParse, SetFromStringAddsToWhatIsThere) {
    IniFile ini = parse("a = 1\nb = 2\n");
    ini.setFromString("b = 3\n[S]\nc = 4\n");
    EXPECT_EQ(ini.get("", "a"), "1");
    EXPECT_EQ(ini.get("", "b"), "3");
    EXPECT_EQ(ini.get("S", "c"), "4");
}

TEST(IniParse, EntriesBeforeAnyHeaderAreUnnamedAndWrittenFirstWithoutHeader) {
    IniFile ini = parse("[B]\nx = 1\n");
    ini.set("", "top", "yes");
    EXPECT_EQ(ini.toString(), "top = yes\n\n[B]\nx = 1\n\n");
}

TEST(IniParserStates, DoStepReportsCompletedEntriesWithRawParts) {
    IniParser parser;
    std::vector<std::string> entries;
    for (char c : std::string("[S\\ 1]\nk\\2 = v\\n\n")) {
        if (parser.doStep(c)) entries.push_back(parser.getSection() + "|" + parser.getKey() + "|" + parser.getValue());
    }
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], "S\\ 1|k\\2|v\\n");
    EXPECT_EQ(parser.getState(), IniParser::LINE_START);
}

TEST(IniEscape, WrittenFormMatchesTheEscapeTable) {
    EXPECT_EQ(escapeIniText("\n\\#; \t[]=\rA"), "\\n\\\\\\#\\;\\ \\t\\0\\1\\2\\rA");
    IniFile ini;
    ini.set("", "font", "Heebo Medium");
    ini.set("P0", "Page", "2");
    EXPECT_EQ(ini.toString(), "font = Heebo\\ Medium\n\n[P0]\nPage = 2\n\n");
}

TEST(IniEscape, MalformedEscapesLeaveTheWholeTextLiteral) {
    EXPECT_EQ(unescapeIniText("a\\qb"), "a\\qb");
    EXPECT_EQ(unescapeIniText("a\\ b\\"), "a\\ b\\");  // valid escape first, lone backslash last
    EXPECT_EQ(unescapeIniText("C:\\data\\ x"), "C:\\data\\ x");  // "\\d" is no escape
    EXPECT_EQ(unescapeIniText("C:\\temp"), "C:\temp");  // but "\\t" is
    EXPECT_EQ(unescapeIniText("a\\ b\\n"), "a b\n");
    EXPECT_EQ(parse("v = a\\qb\\ c\n").get("", "v"), "a\\qb\\ c");
}

TEST(IniEscape, KeyEndingInBlankLosesItsEscapedBlankOnReading) {
    // The blank before "=" is dropped even when escaped; what is left ends in
    // a lone backslash and is therefore taken literally.
    IniFile ini;
    ini.set("", "k ", "1");
    IniFile back = roundTrip(ini);
    EXPECT_FALSE(back.isAvailable("", "k "));
    EXPECT_EQ(back.get("", "k\\"), "1");
    // A blank inside a key survives.
    IniFile inner;
    inner.set("", "a b", "2");
    EXPECT_EQ(roundTrip(inner).get("", "a b"), "2");
}

TEST(IniOrder, ByteWiseOrderOfSectionsAndKeys) {
    IniFile ini = parse("b = 2\na = 1\n[P2]\nx = 1\n[P10]\nx = 1\n[p1]\nx = 1\n");
    EXPECT_EQ(ini.toString(), "a = 1\nb = 2\n\n[P10]\nx = 1\n\n[P2]\nx = 1\n\n[p1]\nx = 1\n\n");
    IniFile high;
    high.set("", "\xC3\xA9", "1");
    high.set("", "z", "1");
    EXPECT_EQ(high.getSection("").begin()->first, "z");  // bytes compare unsigned
}

TEST(IniAccess, MissingValuesAndDefaults) {
    IniFile ini = parse("[S]\nk = v\n");
    EXPECT_EQ(ini.get("S", "missing"), "");
    EXPECT_EQ(ini.get("Nope", "k"), "");
    EXPECT_EQ(ini.get("S", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.get("S", "k", "dflt"), "v");
    EXPECT_TRUE(ini.getSection("Nope").empty());
    EXPECT_FALSE(ini.isAvailable("Nope", "k"));
    EXPECT_TRUE(ini.isAvailable("S", "k"));
}

TEST(IniAccess, SectionEditing) {
    IniFile ini = parse("[A]\na = 1\nb = 2\n[B]\nold = x\n");
    ini.moveSection("A", "B");
    EXPECT_FALSE(ini.isSectionAvailable("A"));
    EXPECT_EQ(ini.getSection("B"), (IniSection{{"a", "1"}, {"b", "2"}}));
    ini.moveSection("B", "B");
    EXPECT_EQ(ini.getSection("B").size(), 2u);
    ini.moveSection("B", "C");
    EXPECT_EQ(ini.get("C", "a"), "1");
    ini.removeValue("C", "a");
    ini.removeValue("C", "absent");
    ini.removeValue("Absent", "a");
    EXPECT_EQ(ini.getSection("C"), (IniSection{{"b", "2"}}));
    ini.setSection("C", {{"z", "9"}});
    EXPECT_EQ(ini.getSection("C"), (IniSection{{"z", "9"}}));
    ini.removeSection("C");
    EXPECT_TRUE(ini.getSections().empty());
}

TEST(IniIteratorWalk, VisitsSectionsAndValuesInOrder) {
    IniFile ini = parse("t = 0\n[B]\nb2 = 2\nb1 = 1\n[A]\na = x\n");
    std::unique_ptr<IniIterator> it(ini.createNewIterator());
    std::string seen;
    for (; it->isSectionAvail(); it->gotoNextSection()) {
        seen += "[" + it->getCurrentSection() + "]";
        for (; it->isValueAvail(); it->gotoNextValue()) seen += it->getCurrentKey() + "=" + it->getCurrentValue() + ";";
    }
    EXPECT_EQ(seen, "[]t=0;[A]a=x;[B]b1=1;b2=2;");
    EXPECT_FALSE(it->isValueAvail());
    EXPECT_EQ(it->getCurrentKey(), "");
    it->gotoNextSection();  // past the end stays at the end
    EXPECT_FALSE(it->isSectionAvail());
}

TEST(IniIteratorWalk, EmptyFile) {
    IniFile ini;
    std::unique_ptr<IniIterator> it(ini.createNewIterator());
    EXPECT_FALSE(it->isSectionAvail());
    EXPECT_FALSE(it->isValueAvail());
}

TEST(IniSectionHelpers, TypedAccess) {
    IniSection section;
    setToIniSection(section, "s", std::string("text"));
    setToIniSection(section, "lit", "literal");  // must not become a bool
    setToIniSection(section, "on", true);
    setToIniSection(section, "off", false);
    setToIniSection(section, "w", std::wstring(L"\u00E9t\u00E9 \U0001F6E9"));
    setToIniSection(section, "wl", L"\u00FC");
    EXPECT_EQ(section.at("lit"), "literal");
    EXPECT_EQ(section.at("on"), "1");
    EXPECT_EQ(section.at("off"), "0");
    EXPECT_EQ(section.at("w"), "\xC3\xA9t\xC3\xA9 \xF0\x9F\x9B\xA9");
    EXPECT_EQ(section.at("wl"), "\xC3\xBC");

    EXPECT_EQ(getFromIniSection(section, "s", "d"), "text");
    EXPECT_EQ(getFromIniSection(section, "missing", "d"), "d");
    EXPECT_EQ(getFromIniSection(section, "missing", std::string("d")), "d");
    EXPECT_TRUE(getFromIniSection(section, "on", false));
    EXPECT_FALSE(getFromIniSection(section, "off", true));
    EXPECT_TRUE(getFromIniSection(section, "missing", true));
    EXPECT_EQ(getFromIniSection(section, "w", std::wstring()), L"\u00E9t\u00E9 \U0001F6E9");
    EXPECT_EQ(getFromIniSection(section, "missing", L"def"), L"def");

    section["num"] = "-7";
    section["junk"] = "yes";
    EXPECT_TRUE(getFromIniSection(section, "num", false));  // any non-zero integer is true
    EXPECT_FALSE(getFromIniSection(section, "junk", true));  // no integer reads as 0
}

TEST(IniParserStates, BulkFeedMatchesByteStepsAcrossChunkBoundaries) {
    const std::string text = "; c\n[A] x\nk = v  \r\n\n key2\n= a\\nb\nlast =";
    std::vector<std::string> stepped;
    IniParser byByte;
    for (char c : text) {
        if (byByte.doStep(c)) stepped.push_back(byByte.getSection() + "|" + byByte.getKey() + "|" + byByte.getValue());
    }
    if (byByte.finish()) stepped.push_back(byByte.getSection() + "|" + byByte.getKey() + "|" + byByte.getValue());
    ASSERT_EQ(stepped.size(), 3u);
    for (size_t split = 0; split <= text.size(); ++split) {
        IniParser parser;
        std::vector<std::string> fed;
        auto take = [&] { fed.push_back(parser.getSection() + "|" + parser.getKey() + "|" + parser.getValue()); };
        parser.feed(text.data(), split, take);
        parser.feed(text.data() + split, text.size() - split, take);
        if (parser.finish()) take();
        EXPECT_EQ(fed, stepped) << "split at " << split;
    }
}
