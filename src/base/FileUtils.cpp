#include "base/FileUtils.h"

#include "base/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string withTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

std::vector<std::string> sortedEntries(const std::string& directory, bool* ok) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(directory.c_str());
    *ok = dir != nullptr;
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool visitBelow(const std::string& directory,
                const std::function<void(const std::string&, bool)>& visitor) {
    bool ok;
    const std::vector<std::string> names = sortedEntries(directory, &ok);
    for (const std::string& name : names) {
        const std::string path = directory + name;
        struct stat info;
        const bool isDir = ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        visitor(path, isDir);
        if (isDir) ok = visitBelow(path + "/", visitor) && ok;
    }
    return ok;
}

bool copyOneFile(const std::string& from, const std::string& to, uint64_t* copied,
                 const std::function<void(uint64_t)>& onBytes) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0660);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out, buffer + done, static_cast<size_t>(got - done));
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) {
                ok = false;
                break;
            }
            done += put;
        }
        if (!ok) break;
        *copied += static_cast<uint64_t>(got);
        onBytes(*copied);
    }
    ok = (::close(out) == 0) && ok;
    ::close(in);
    return ok;
}

}  // namespace

bool createDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0770) == 0) return true;
    return isDirectory(path);
}

bool makePath(const std::string& path) {
    if (path.empty()) return false;
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        createDirectory(path.substr(0, slash));
    }
    return createDirectory(path);
}

bool fileExists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

bool isDirectory(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool removeFileOrTree(const std::string& path) {
    std::error_code error;
    std::filesystem::remove_all(path, error);
    struct stat info;
    return ::lstat(path.c_str(), &info) != 0;
}

bool writeStringToFile(const std::string& path, const std::string& text) { return replaceFileAtomically(path, text); }

bool visitFiles(const std::string& directory,
                const std::function<void(const std::string& path, bool isDirectory)>& visitor) {
    return visitBelow(withTrailingSlash(directory), visitor);
}

uint64_t countFileSize(const std::string& directory) {
    uint64_t total = 0;
    visitFiles(directory, [&total](const std::string& path, bool isDir) {
        struct stat info;
        if (!isDir && ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) total += static_cast<uint64_t>(info.st_size);
    });
    return total;
}

bool copyFiles(const std::string& from, const std::string& to,
               const std::function<void(const std::wstring& progressText)>& progress) {
    const std::string source = withTrailingSlash(from);
    const std::string target = withTrailingSlash(to);
    const uint64_t total = countFileSize(source);
    int lastPercent = -1;
    auto report = [&](uint64_t copied) {
        const int percent = total == 0 ? 100 : static_cast<int>(copied * 100 / total);
        if (percent == lastPercent || !progress) return;
        lastPercent = percent;
        progress(L"Copying files: " + std::to_wstring(percent) + L"%");
    };
    if (total > 0) report(0);

    bool ok = makePath(target);
    uint64_t copied = 0;
    const bool walked = visitFiles(source, [&](const std::string& path, bool isDir) {
             const std::string destination = target + path.substr(source.size());
             if (isDir) {
                 ok = createDirectory(destination) && ok;
             } else {
                 ok = copyOneFile(path, destination, &copied, report) && ok;
             }
    });
    ok = walked && ok;
    report(total);
    return ok;
}
