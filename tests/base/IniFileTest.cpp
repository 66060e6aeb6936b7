#include "base/IniFile.h"

#include <gtest/gtest.h>

#include <map>
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

TEST(IniParse, EdgeCasesOfTheLineFormat) {
    struct Entry {
        const char *section, *key, *value;
    };
    // sectionSize: how many keys the section of the first entry holds, so that
    // nothing else (a comment, the rest of a header line) became a key.
    struct Case {
        const char* text;
        std::vector<Entry> entries;
        size_t sectionSize;
    };
    const Case cases[] = {
        // blanks around keys and values; trailing blanks of a value are kept
        {"key = value  \nk2=v2\n  k3   =   v3\n\tk4\t=\tv4\t\n",
         {{"", "key", "value  "}, {"", "k2", "v2"}, {"", "k3", "v3"}, {"", "k4", "v4\t"}}, 4},
        // the last line completes without a line feed
        {"a = 1\nkey =", {{"", "a", "1"}, {"", "key", ""}}, 2},
        {"x = last", {{"", "x", "last"}}, 1},
        // a section header ignores the rest of its line
        {"[P0] comment = not a key\nPage = 2\n", {{"P0", "Page", "2"}}, 1},
        // comments are whole lines only
        {"; note = 1\n# other = 2\nkey = a ; b\nk2 = x # y\n", {{"", "key", "a ; b"}, {"", "k2", "x # y"}}, 2},
        // carriage returns never reach values
        {"[S]\r\na = 1\r\nb =\r\nc = x\ry\r\n", {{"S", "a", "1"}, {"S", "b", ""}, {"S", "c", "xy"}}, 3},
        // a line without "=" becomes the prefix of the next key
        {"orphan\nkey = v\n", {{"", "orphan\nkey", "v"}}, 1},
        // keys are case sensitive and later values win
        {"Font = x\nfont = y\nfont = z\n", {{"", "Font", "x"}, {"", "font", "z"}}, 2},
        // repeated section headers merge
        {"[A]\na = 1\n[B]\nb = 2\n[A]\nc = 3\na = 4\n", {{"A", "a", "4"}, {"A", "c", "3"}, {"B", "b", "2"}}, 2},
        // a section name takes line feeds until the closing bracket
        {"[two\nlines]\na = 1\n", {{"two\nlines", "a", "1"}}, 1},
    };
    for (const Case& c : cases) {
        IniFile ini = parse(c.text);
        for (const Entry& e : c.entries) EXPECT_EQ(ini.get(e.section, e.key, "<missing>"), e.value) << c.text;
        EXPECT_EQ(ini.getSection(c.entries[0].section).size(), c.sectionSize) << c.text;
    }
}

TEST(IniParse, SetFromStringAddsToWhatIsThereAndTheTextIsInByteWiseOrderUnnamedFirst) {
    IniFile ini = parse("a = 1\nb = 2\n");
    ini.setFromString("b = 3\n[S]\nc = 4\n");
    EXPECT_EQ(ini.toString(), "a = 1\nb = 3\n\n[S]\nc = 4\n\n");
    // Sections and keys in byte-wise order.
    ini = parse("b = 2\na = 1\n[P2]\nx = 1\n[P10]\nx = 1\n[p1]\nx = 1\n");
    EXPECT_EQ(ini.toString(), "a = 1\nb = 2\n\n[P10]\nx = 1\n\n[P2]\nx = 1\n\n[p1]\nx = 1\n\n");
    IniFile high;
    high.set("", "\xC3\xA9", "1");
    high.set("", "z", "1");
    EXPECT_EQ(high.getSection("").begin()->first, "z");  // bytes compare unsigned
}

TEST(IniEscape, EscapeTableAndMalformedEscapesLeaveTheWholeTextLiteral) {
    EXPECT_EQ(escapeIniText("\n\\#; \t[]=\rA"), "\\n\\\\\\#\\;\\ \\t\\0\\1\\2\\rA");
    const std::pair<const char*, const char*> cases[] = {
        {"a\\qb", "a\\qb"},
        {"a\\ b\\", "a\\ b\\"},            // valid escape first, lone backslash last
        {"C:\\data\\ x", "C:\\data\\ x"},  // "\d" is no escape
        {"C:\\temp", "C:\temp"},           // but "\t" is
        {"a\\ b\\n", "a b\n"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(unescapeIniText(text), expected) << text;
    EXPECT_EQ(parse("v = a\\qb\\ c\n").get("", "v"), "a\\qb\\ c");
    // The blank before "=" is dropped even when escaped; what is left ends in
    // a lone backslash and is therefore taken literally. A blank inside a key survives.
    IniFile ini;
    ini.set("", "k ", "1");
    ini.set("", "a b", "2");
    EXPECT_EQ(roundTrip(ini).getSection(""), (IniSection{{"k\\", "1"}, {"a b", "2"}}));
}

TEST(IniAccess, MissingValuesAndSectionEditing) {
    IniFile ini = parse("[A]\na = 1\nb = 2\n[B]\nold = x\n");
    EXPECT_EQ(ini.get("A", "missing", "dflt") + ini.get("Nope", "a") + ini.get("A", "a", "dflt"), "dflt1");
    ini.moveSection("A", "B");  // replaces B
    EXPECT_EQ(ini.getSections(), (IniSectionMap{{"B", {{"a", "1"}, {"b", "2"}}}}));
    ini.removeValue("B", "a");
    ini.removeValue("Absent", "a");
    EXPECT_EQ(ini.getSections(), (IniSectionMap{{"B", {{"b", "2"}}}}));
    ini.removeSection("B");
    EXPECT_TRUE(ini.getSections().empty());
}

TEST(IniIteratorWalk, VisitsSectionsAndValuesInOrder) {
    EXPECT_FALSE(std::unique_ptr<IniIterator>(IniFile().createNewIterator())->isSectionAvail());
    IniFile ini = parse("t = 0\n[B]\nb2 = 2\nb1 = 1\n[A]\na = x\n");
    std::unique_ptr<IniIterator> it(ini.createNewIterator());
    std::string seen;
    for (; it->isSectionAvail(); it->gotoNextSection()) {
        seen += "[" + it->getCurrentSection() + "]";
        for (; it->isValueAvail(); it->gotoNextValue()) seen += it->getCurrentKey() + "=" + it->getCurrentValue() + ";";
    }
    EXPECT_EQ(seen, "[]t=0;[A]a=x;[B]b1=1;b2=2;");
    it->gotoNextSection();  // past the end stays at the end
    EXPECT_FALSE(it->isSectionAvail() || it->isValueAvail());
}

TEST(IniSectionHelpers, TypedAccess) {
    IniSection section;
    setToIniSection(section, "lit", "literal");  // must not become a bool
    setToIniSection(section, "on", true);
    setToIniSection(section, "off", false);
    setToIniSection(section, "w", std::wstring(L"\u00E9t\u00E9 \U0001F6E9"));
    section["num"] = "-7";
    section["junk"] = "yes";
    EXPECT_EQ(section, (IniSection{{"lit", "literal"}, {"on", "1"}, {"off", "0"},
                                   {"w", "\xC3\xA9t\xC3\xA9 \xF0\x9F\x9B\xA9"}, {"num", "-7"}, {"junk", "yes"}}));

    EXPECT_EQ(getFromIniSection(section, "missing", std::string("d")), "d");
    // Any non-zero integer is true, no integer reads as 0.
    const bool flags[] = {getFromIniSection(section, "off", true), getFromIniSection(section, "missing", true),
                          getFromIniSection(section, "num", false), getFromIniSection(section, "junk", true)};
    EXPECT_EQ(std::vector<bool>(std::begin(flags), std::end(flags)), (std::vector<bool>{false, true, true, false}));
    EXPECT_EQ(getFromIniSection(section, "w", std::wstring()), L"\u00E9t\u00E9 \U0001F6E9");
    EXPECT_EQ(getFromIniSection(section, "missing", L"def"), L"def");
}
