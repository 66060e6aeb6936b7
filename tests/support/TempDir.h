#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A fresh directory below /tmp, removed with everything in it at the end of
// the test. path() ends in "/" like the program's own directories.
class TempDir {
public:
    TempDir() {
        char name[] = "/tmp/cirrona_test_XXXXXX";
        const char* made = mkdtemp(name);
        dir = made ? std::string(made) + "/" : std::string();
    }
    ~TempDir() {
        std::error_code ignored;
        if (!dir.empty()) std::filesystem::remove_all(dir, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return dir; }
    std::string operator/(const std::string& relative) const { return dir + relative; }

private:
    std::string dir;
};

inline std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeWholeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

inline bool fileExists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(path, ignored);
}
