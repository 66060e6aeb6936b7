#pragma once
#include <map>
#include <string>
#include <vector>

// The languages of the user interface and the phrases of the chosen one.
//
// <languageDirectory>/languages.cfg lists the languages in order, one entry
// per language: "<directory name> = <name shown to the pilot>". Each
// language directory holds phrases.bla (English text = translation) and, per
// dialog, <dialog>.labels (element name = label). All are UnicodeCfgParser
// files. The chosen language is kept as its directory name under the key
// "language" of the unnamed section of the language INI file; an unknown or
// missing choice selects the first language.
class LanguageManager {
public:
    using PhraseTable = std::map<std::wstring, std::wstring>;

    LanguageManager(const std::string& languageDirectory, const std::string& languageIniPath);

    int getLanguageCount() const { return static_cast<int>(languages.size()); }
    // Empty for an index out of range.
    std::wstring getLanguageName(int index) const;
    std::string getLanguageDirectoryName(int index) const;
    // -1 when no language is installed.
    int getCurrentLanguage() const { return current; }

    // The phrases of the current language (empty when it has none).
    const PhraseTable& getPhrases() const { return phrases; }
    // The translation of a phrase, or the phrase itself when there is none.
    std::wstring translate(const std::wstring& phrase) const;

    // Labels for the elements of a dialog in the current language, from
    // <dialogName>.labels; empty when the file is missing.
    PhraseTable getLabels(const std::string& dialogName) const;

    // Switches to the language, remembers the choice in the language INI file
    // and reloads the phrases. False for an index out of range or when the
    // choice cannot be saved (the switch still happens then).
    bool changeLanguage(int index);

private:
    struct Language {
        std::string directory;
        std::wstring name;
    };

    void loadPhrases();
    std::string currentDirectoryPath() const;

    std::string languageDirectory;  // ends in "/"
    std::string languageIniPath;
    std::vector<Language> languages;
    int current = -1;
    PhraseTable phrases;
};
