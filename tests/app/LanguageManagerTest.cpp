#include "app/LanguageManager.h"

#include "base/FileUtils.h"
#include "base/IniFile.h"
#include "app/UnicodeCfgParser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(UnicodeCfg, EntriesCommentsBlanksEscapesAndDuplicates) {
    UnicodeCfgParser parser;
    parser.parse("\xEF\xBB\xBF# comment = not an entry\n  Hello   =   Hallo  \r\n\nno separator here\n"
                 "a \\= b = c\n\\# hash = \\ padded\\ \nmulti = line1\\nline2\\tx\npath = C:\\dir\\\\file\n"
                 "Gr\xC3\xBC\xC3\x9F" "e = \xE2\x82\xAC =\nHello = Servus\nempty =");
    const std::vector<UnicodeCfgParser::Entry> expected = {
        {L"Hello", L"Hallo"},    {L"a = b", L"c"},  {L"# hash", L" padded "}, {L"multi", L"line1\nline2\tx"},
        {L"path", L"C:\\dir\\file"}, {L"Gr\u00FC\u00DFe", L"\u20AC ="}, {L"Hello", L"Servus"}, {L"empty", L""},
    };
    EXPECT_EQ(parser.getEntries(), expected);
    EXPECT_EQ(parser.getSkippedLineCount(), 1);
    EXPECT_EQ(parser.toMap().at(L"Hello"), L"Servus");  // the later duplicate wins
    EXPECT_EQ(parser.toMap().size(), expected.size() - 1);
    EXPECT_FALSE(parser.parseFile("/nonexistent/file.cfg"));
}

class Languages : public ::testing::Test {
protected:
    void SetUp() override {
        makePath(dir / "lang/English");
        makePath(dir / "lang/German");
        makePath(dir / "data");
        writeWholeFile(dir / "lang/languages.cfg", "# list\nEnglish = English\nGerman = Deutsch\n");
        writeWholeFile(dir / "lang/English/phrases.bla", "");
        writeWholeFile(dir / "lang/German/phrases.bla", "Please wait... = Bitte warten...\nOK = OK\n");
        writeWholeFile(dir / "lang/German/location.labels", "okButton = Weiter\nimageBox = Bilder\n");
    }
    std::string langDir() const { return dir / "lang"; }
    std::string iniPath() const { return dir / "data/language.ini"; }
    TempDir dir;
};

TEST_F(Languages, FirstIsTheDefaultAndAChangeReloadsAndIsRemembered) {
    {
        LanguageManager manager(langDir(), iniPath());
        ASSERT_EQ(manager.getLanguageCount(), 2);
        EXPECT_EQ(manager.getLanguageName(1), L"Deutsch");
        EXPECT_EQ(manager.getLanguageName(2), L"");
        EXPECT_EQ(manager.getLanguageDirectoryName(-1), "");
        EXPECT_EQ(manager.getCurrentLanguage(), 0);
        EXPECT_EQ(manager.translate(L"Please wait..."), L"Please wait...");
        EXPECT_TRUE(manager.changeLanguage(1));
        EXPECT_EQ(manager.translate(L"Please wait..."), L"Bitte warten...");
        EXPECT_EQ(manager.getLabels("location").at(L"okButton"), L"Weiter");
        EXPECT_TRUE(manager.getLabels("missingDialog").empty());
        EXPECT_FALSE(manager.changeLanguage(5));
        EXPECT_EQ(manager.getCurrentLanguage(), 1);
    }
    EXPECT_EQ(IniFile(iniPath()).get("", "language"), "German");
    LanguageManager again(langDir(), iniPath());
    EXPECT_EQ(again.getCurrentLanguage(), 1);
    EXPECT_EQ(again.getPhrases().size(), 2u);

    writeWholeFile(iniPath(), "language = Klingon\n");
    EXPECT_EQ(LanguageManager(langDir(), iniPath()).getCurrentLanguage(), 0);
}

TEST_F(Languages, NoLanguageListMeansNoLanguages) {
    LanguageManager manager(dir / "nowhere", iniPath());
    EXPECT_EQ(std::make_pair(manager.getLanguageCount(), manager.getCurrentLanguage()), std::make_pair(0, -1));
    EXPECT_FALSE(manager.changeLanguage(0));
    EXPECT_EQ(manager.translate(L"x"), L"x");
}

TEST(LanguageFiles, ShippedListOffersEnglishFirst) {
    LanguageManager manager(std::string(CIRRONA_SOURCE_DIR) + "/media/GUI/lang", "/nonexistent/language.ini");
    ASSERT_GE(manager.getLanguageCount(), 1);
    EXPECT_EQ(manager.getLanguageDirectoryName(0), "English");
    EXPECT_EQ(manager.getLanguageName(0), L"English");
}
