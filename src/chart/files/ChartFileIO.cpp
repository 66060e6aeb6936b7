#include "chart/files/ChartFileIO.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fstream>
#include <sys/stat.h>
#include <iterator>

bool readWholeFile(const std::string& path, std::vector<char>& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    std::streamoff length = in.tellg();
    if (length < 0)
        return false;
    in.seekg(0, std::ios::beg);
    content.resize(static_cast<size_t>(length));
    if (length > 0 && !in.read(content.data(), length))
        return false;
    return true;
}

std::vector<std::string> listFilesWithExtension(const std::string& folder, const std::string& extension) {
    std::vector<std::string> names;
    DIR* directory = opendir(folder.c_str());
    if (!directory)
        return names;
    while (dirent* entry = readdir(directory)) {
        std::string name = entry->d_name;
        if (name.size() > extension.size() &&
            name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
            names.push_back(name);
    }
    closedir(directory);
    std::sort(names.begin(), names.end());
    return names;
}

bool createFolders(const std::string& folder) {
    std::string path;
    for (size_t i = 0; i <= folder.size(); i++) {
        if (i == folder.size() || folder[i] == '/') {
            if (!path.empty() && mkdir(path.c_str(), 0770) != 0 && errno != EEXIST)
                return false;
        }
        if (i < folder.size())
            path.push_back(folder[i]);
    }
    return true;
}
