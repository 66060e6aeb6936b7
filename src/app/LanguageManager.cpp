#include "app/LanguageManager.h"

#include "base/IniFile.h"
#include "base/StringConversions.h"
#include "app/UnicodeCfgParser.h"

LanguageManager::LanguageManager(const std::string& directory, const std::string& iniPath)
    : languageDirectory(directory), languageIniPath(iniPath) {
    if (languageDirectory.empty() || languageDirectory.back() != '/') languageDirectory += '/';

    UnicodeCfgParser list;
    list.parseFile(languageDirectory + "languages.cfg");
    for (const UnicodeCfgParser::Entry& entry : list.getEntries()) {
        if (!entry.first.empty()) languages.push_back({convertWStringToUtf8String(entry.first), entry.second});
    }
    if (languages.empty()) return;

    const std::string chosen = IniFile(languageIniPath).get("", "language");
    current = 0;
    for (size_t i = 0; i < languages.size(); ++i) {
        if (languages[i].directory == chosen) current = static_cast<int>(i);
    }
    loadPhrases();
}

std::wstring LanguageManager::getLanguageName(int index) const {
    return index >= 0 && index < getLanguageCount() ? languages[index].name : std::wstring();
}

std::string LanguageManager::getLanguageDirectoryName(int index) const {
    return index >= 0 && index < getLanguageCount() ? languages[index].directory : std::string();
}

std::wstring LanguageManager::translate(const std::wstring& phrase) const {
    auto found = phrases.find(phrase);
    return found == phrases.end() ? phrase : found->second;
}

LanguageManager::PhraseTable LanguageManager::getLabels(const std::string& dialogName) const {
    if (current < 0) return {};
    UnicodeCfgParser labels;
    labels.parseFile(currentDirectoryPath() + dialogName + ".labels");
    return labels.toMap();
}

bool LanguageManager::changeLanguage(int index) {
    if (index < 0 || index >= getLanguageCount()) return false;
    current = index;
    loadPhrases();
    IniFile ini(languageIniPath);
    ini.set("", "language", languages[index].directory);
    return ini.save(languageIniPath);
}

void LanguageManager::loadPhrases() {
    UnicodeCfgParser file;
    file.parseFile(currentDirectoryPath() + "phrases.bla");
    phrases = file.toMap();
}

std::string LanguageManager::currentDirectoryPath() const {
    return languageDirectory + languages[current].directory + "/";
}
