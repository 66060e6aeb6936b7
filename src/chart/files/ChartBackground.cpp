#include "chart/files/ChartBackground.h"

#include "chart/files/ChartFileIO.h"
#include "base/Logger.h"
#include "chart/files/WorldWideAreaTree.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

const char* const KIND_WORDS[IArea::BG_TYPE_COUNT] = {"vfr", "ifr", "ifrh"};
const char* const KIND_PREFIXES[IArea::BG_TYPE_COUNT] = {"vfr_", "ifr_", "ifrh_"};
constexpr const char* PLACEHOLDER = "Placeholder";
constexpr int TREE_DEPTH = 7;

std::string trimmed(const std::string& line) {
    size_t begin = line.find_first_not_of(" \t\r");
    if (begin == std::string::npos)
        return "";
    size_t end = line.find_last_not_of(" \t\r");
    return line.substr(begin, end - begin + 1);
}

bool parseAreaNumber(const std::string& text, int& area) {
    if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), ::isdigit))
        return false;
    area = std::stoi(text);
    return area <= WorldWideAreaTree::LAST_AREA;
}

int depthOf(const WorldWideAreaTree& tree, int area) {
    int depth = 0;
    for (const IArea* current = tree.getArea(area); current && current->getParentIndex() >= 0;
         current = tree.getArea(current->getParentIndex()))
        depth++;
    return depth;
}

}  // namespace

bool parseBackgroundDescription(const std::string& text, BackgroundDescription& description, std::string& error) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(trimmed(line));
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    if (lines.size() < 5) {
        error = "too short";
        return false;
    }
    if (lines[1] != PLACEHOLDER || lines.back() != PLACEHOLDER) {
        error = "missing \"Placeholder\" line";
        return false;
    }
    description = BackgroundDescription();
    description.name = lines[0];
    auto kind = std::find(std::begin(KIND_WORDS), std::end(KIND_WORDS), lines[2]);
    if (kind == std::end(KIND_WORDS)) {
        error = "unknown kind \"" + lines[2] + "\"";
        return false;
    }
    description.kind = static_cast<IArea::BgType>(kind - std::begin(KIND_WORDS));
    if (lines[3] != "0" && lines[3] != "1") {
        error = "flag is not 0 or 1";
        return false;
    }
    description.flag = lines[3] == "1";
    for (size_t i = 4; i + 1 < lines.size(); i++) {
        int area = 0;
        if (!parseAreaNumber(lines[i], area)) {
            error = "bad area number \"" + lines[i] + "\" on line " + std::to_string(i + 1);
            return false;
        }
        description.areas.push_back(area);
    }
    return true;
}

std::string ChartBackground::getImageFileName(IArea::BgType kind, int area) {
    return std::string(KIND_PREFIXES[kind]) + std::to_string(area) + ".png";
}

void ChartBackground::clear() {
    descriptions.clear();
    for (int kind = 0; kind < IArea::BG_TYPE_COUNT; kind++) {
        images[kind].clear();
        computed[kind].clear();
    }
}

void ChartBackground::loadFolder(const std::string& folder) {
    std::string base = folder;
    if (!base.empty() && base.back() != '/')
        base.push_back('/');
    for (const std::string& name : listFilesWithExtension(folder, ".bg"))
        addDescriptionFile(base + name);
}

bool ChartBackground::addDescriptionFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    BackgroundDescription description;
    std::string error;
    if (!parseBackgroundDescription(text.str(), description, error)) {
        logMessage("Background description " + path + " skipped: " + error);
        return false;
    }
    size_t slash = path.find_last_of('/');
    description.folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    addDescription(description);
    return true;
}

void ChartBackground::addDescription(const BackgroundDescription& description) {
    descriptions.push_back(description);
    for (int area : description.areas) {
        images[description.kind][area] = description.folder;
        computed[description.kind].erase(area);
    }
}

void ChartBackground::computeMipMapLevels(const WorldWideAreaTree& tree, const ChartProgressCallback& progress) {
    logMessage("Calculating MipMap levels for Background Charts...");
    for (int kind = 0; kind < IArea::BG_TYPE_COUNT; kind++) {
        computed[kind].clear();
        // Areas with an image, by depth, so each level is finished before its parents.
        std::vector<std::vector<int>> byDepth(TREE_DEPTH + 1);
        for (const auto& image : images[kind])
            byDepth[static_cast<size_t>(depthOf(tree, image.first))].push_back(image.first);
        for (int depth = TREE_DEPTH; depth > 0; depth--) {
            if (progress)
                progress("Calculating MipMap levels for Background Charts... Processing level " +
                             std::to_string(TREE_DEPTH - depth + 1) + " of " + std::to_string(TREE_DEPTH),
                         (kind * TREE_DEPTH + (TREE_DEPTH - depth)) / double(IArea::BG_TYPE_COUNT * TREE_DEPTH));
            for (int area : byDepth[static_cast<size_t>(depth)]) {
                int parent = tree.getArea(area)->getParentIndex();
                if (images[kind].count(parent) || !computed[kind].insert(parent).second)
                    continue;
                byDepth[static_cast<size_t>(depth - 1)].push_back(parent);
            }
        }
    }
}

bool ChartBackground::hasImage(IArea::BgType kind, int area) const {
    return images[kind].count(area) || computed[kind].count(area);
}

bool ChartBackground::isComputed(IArea::BgType kind, int area) const {
    return computed[kind].count(area) > 0;
}

std::string ChartBackground::getImagePath(IArea::BgType kind, int area) const {
    auto found = images[kind].find(area);
    return found == images[kind].end() ? std::string() : found->second + getImageFileName(kind, area);
}
