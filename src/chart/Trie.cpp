#include "chart/Trie.h"

#include "app/AtomicFile.h"
#include "chart/ChartFileIO.h"
#include "chart/IIndexCorrectionCallback.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

struct Trie::Node {
    // Kept sorted by the character, compared as a signed char.
    std::vector<std::pair<char, std::unique_ptr<Node>>> children;
    uint32_t subtreeCount = 0;
    std::vector<int32_t> identifiers;

    Node* find(char c) const {
        auto it = lowerBound(c);
        return (it != children.end() && it->first == c) ? it->second.get() : nullptr;
    }

    Node* findOrCreate(char c) {
        auto it = lowerBound(c);
        if (it != children.end() && it->first == c)
            return it->second.get();
        it = children.emplace(it, c, std::make_unique<Node>());
        return it->second.get();
    }

    std::vector<std::pair<char, std::unique_ptr<Node>>>::iterator lowerBound(char c) {
        return std::lower_bound(children.begin(), children.end(), c,
                                [](const auto& child, char value) { return child.first < value; });
    }
    std::vector<std::pair<char, std::unique_ptr<Node>>>::const_iterator lowerBound(char c) const {
        return std::lower_bound(children.begin(), children.end(), c,
                                [](const auto& child, char value) { return child.first < value; });
    }

    void collect(std::vector<int32_t>& out) const {
        out.insert(out.end(), identifiers.begin(), identifiers.end());
        for (const auto& child : children)
            child.second->collect(out);
    }

    // Returns how many identifiers were removed below and at this node and
    // drops children that became empty.
    uint32_t remove(int32_t identifier) {
        uint32_t removed = 0;
        auto end = std::remove(identifiers.begin(), identifiers.end(), identifier);
        removed += static_cast<uint32_t>(identifiers.end() - end);
        identifiers.erase(end, identifiers.end());
        for (auto& child : children)
            removed += child.second->remove(identifier);
        children.erase(std::remove_if(children.begin(), children.end(),
                                      [](const auto& child) { return child.second->subtreeCount == 0; }),
                       children.end());
        subtreeCount -= std::min(subtreeCount, removed);
        return removed;
    }

    void save(std::ostream& out) const {
        writeU32(out, static_cast<uint32_t>(children.size()));
        for (const auto& child : children) {
            writeU8(out, static_cast<uint8_t>(child.first));
            child.second->save(out);
        }
        writeU32(out, subtreeCount);
        writeU32(out, static_cast<uint32_t>(identifiers.size()));
        for (int32_t identifier : identifiers)
            writeU32(out, static_cast<uint32_t>(identifier));
    }
};

Trie::Trie() : root(std::make_unique<Node>()) {}
Trie::~Trie() = default;

void Trie::insert(const std::string& name, int32_t identifier) {
    if (name.size() > MAX_NAME_LENGTH)
        return;
    Node* node = root.get();
    node->subtreeCount++;
    for (char c : name) {
        node = node->findOrCreate(c);
        node->subtreeCount++;
    }
    node->identifiers.push_back(identifier);
}

void Trie::removeElement(int32_t identifier) {
    root->remove(identifier);
}

bool Trie::isElement(const std::string& name) const {
    const Node* node = root.get();
    for (char c : name) {
        node = node->find(c);
        if (!node)
            return false;
    }
    return !node->identifiers.empty();
}

std::vector<int32_t> Trie::getMatching(const std::string& prefix, uint32_t maximum) const {
    std::vector<int32_t> result;
    const Node* node = root.get();
    for (char c : prefix) {
        node = node->find(c);
        if (!node)
            return result;
    }
    if (node->subtreeCount > maximum)
        return node->identifiers;
    result.reserve(node->subtreeCount);
    node->collect(result);
    return result;
}

uint32_t Trie::getElementCount() const {
    return root->subtreeCount;
}

void Trie::clear() {
    root = std::make_unique<Node>();
}

bool Trie::save(std::ostream& out) const {
    root->save(out);
    return static_cast<bool>(out);
}

bool Trie::Load(std::istream& in) {
    clear();
    std::vector<char> content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return mergeBuffer(content, nullptr);
}

bool Trie::mergeLoad(const std::string& path, IIndexCorrectionCallback* callback) {
    std::vector<char> content;
    if (!readWholeFile(path, content))
        return false;
    return mergeBuffer(content, callback);
}

bool Trie::mergeBuffer(const std::vector<char>& content, IIndexCorrectionCallback* callback) {
    uint32_t added = 0;
    ByteReader check(content);
    if (!readNode(check, nullptr, nullptr, 0, added) || !check.atEnd())
        return false;
    ByteReader reader(content);
    added = 0;
    readNode(reader, root.get(), callback, 0, added);
    return true;
}

bool Trie::SaveTrie(const Trie& trie, const std::string& path) {
    std::ostringstream out;
    if (!trie.save(out))
        return false;
    return replaceFileAtomically(path, out.str());
}

std::unique_ptr<Trie> Trie::LoadTrie(const std::string& path) {
    auto trie = std::make_unique<Trie>();
    if (!trie->mergeLoad(path, nullptr))
        return nullptr;
    return trie;
}

bool Trie::readNode(ByteReader& reader, Node* target, IIndexCorrectionCallback* callback, size_t depth,
              uint32_t& added) {
    uint32_t childCount = 0;
    if (!reader.readU32(childCount) || childCount > 256)
        return false;
    if (childCount > 0 && depth >= Trie::MAX_NAME_LENGTH)
        return false;
    uint32_t addedHere = 0;
    for (uint32_t i = 0; i < childCount; i++) {
        uint8_t character = 0;
        if (!reader.readU8(character))
            return false;
        Node* child = target ? target->findOrCreate(static_cast<char>(character)) : nullptr;
        uint32_t addedBelow = 0;
        if (!readNode(reader, child, callback, depth + 1, addedBelow))
            return false;
        addedHere += addedBelow;
    }
    uint32_t storedSubtreeCount = 0, identifierCount = 0;
    if (!reader.readU32(storedSubtreeCount) || !reader.readU32(identifierCount))
        return false;
    if (identifierCount > reader.remaining() / 4)
        return false;
    for (uint32_t i = 0; i < identifierCount; i++) {
        uint32_t stored = 0;
        reader.readU32(stored);
        if (target) {
            auto identifier = static_cast<int32_t>(stored);
            target->identifiers.push_back(callback ? callback->OnIndexCorrect(identifier) : identifier);
        }
    }
    addedHere += identifierCount;
    if (target)
        target->subtreeCount += addedHere;
    added = addedHere;
    return true;
}
