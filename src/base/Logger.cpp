#include "base/Logger.h"

Logger* logger = nullptr;

namespace {
std::string withTrailingSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}
}  // namespace

Logger::Logger(std::string dir) : directory(withTrailingSlash(std::move(dir))) {
    streams.push_back(std::make_unique<std::ofstream>(directory + "log.txt", std::ios::out | std::ios::trunc));
}

int Logger::createAdditionalLogFile(const std::string& name) {
    std::lock_guard<std::mutex> lock(mutex);
    streams.push_back(std::make_unique<std::ofstream>(directory + name, std::ios::out | std::ios::trunc));
    return static_cast<int>(streams.size()) - 1;
}

void Logger::write(const std::string& text, int targets, int stream) {
    std::lock_guard<std::mutex> lock(mutex);
    if ((targets & FILE) && stream >= 0 && stream < static_cast<int>(streams.size())) {
        std::ofstream& out = *streams[stream];
        out << text;
        if (text.empty() || text.back() != '\n') out << '\n';
        out.flush();
    }
    if (targets & CONSOLE) {
        std::cout << text;
        if (text.empty() || text.back() != '\n') std::cout << '\n';
        std::cout.flush();
    }
}

void Logger::logStringConsole(const std::string& text) {
    std::lock_guard<std::mutex> lock(mutex);
    std::cout << text;
    if (text.empty() || text.back() != '\n') std::cout << '\n';
    std::cout.flush();
}

void logMessage(const std::string& text, int targets) {
    if (Logger* current = logger) {
        current->log(text, targets);
        return;
    }
    static std::mutex consoleMutex;
    std::lock_guard<std::mutex> lock(consoleMutex);
    std::cerr << text;
    if (text.empty() || text.back() != '\n') std::cerr << '\n';
}
