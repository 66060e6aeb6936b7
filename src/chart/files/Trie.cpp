#include "chart/files/Trie.h"

#include "base/AtomicFile.h"
#include "chart/files/ChartFileIO.h"
#include "chart/files/IIndexCorrectionCallback.h"

#include <algorithm>
#include <iterator>
#include <sstream>

Trie::Trie() {
    clear();
}

Trie::~Trie() = default;

void Trie::clear() {
    nodes.assign(1, Node());
    nodes.shrink_to_fit();
    identifiers.clear();
    identifiers.shrink_to_fit();
}

uint32_t Trie::findChild(uint32_t node, char c) const {
    for (uint32_t child = nodes[node].firstChild; child != NONE; child = nodes[child].nextSibling) {
        if (nodes[child].character == c)
            return child;
        if (nodes[child].character > c)
            break;
    }
    return NONE;
}

uint32_t Trie::findOrCreateChild(uint32_t node, char c) {
    uint32_t previous = NONE;
    return findOrCreateChildAfter(node, c, previous);
}

uint32_t Trie::findOrCreateChildAfter(uint32_t node, char c, uint32_t& previous) {
    uint32_t child = previous == NONE ? nodes[node].firstChild : nodes[previous].nextSibling;
    while (child != NONE && nodes[child].character < c) {
        previous = child;
        child = nodes[child].nextSibling;
    }
    if (child != NONE && nodes[child].character == c) {
        previous = child;
        return child;
    }
    auto created = static_cast<uint32_t>(nodes.size());
    Node fresh;
    fresh.character = c;
    fresh.nextSibling = child;
    nodes.push_back(fresh);
    if (previous == NONE)
        nodes[node].firstChild = created;
    else
        nodes[previous].nextSibling = created;
    previous = created;
    return created;
}

uint32_t Trie::findNode(const std::string& name) const {
    uint32_t node = 0;
    for (char c : name) {
        node = findChild(node, c);
        if (node == NONE)
            return NONE;
    }
    return node;
}

void Trie::appendIdentifier(uint32_t node, int32_t identifier) {
    auto entry = static_cast<uint32_t>(identifiers.size());
    identifiers.push_back(IdentifierEntry{identifier, NONE});
    uint32_t* link = &nodes[node].firstIdentifier;
    while (*link != NONE)
        link = &identifiers[*link].next;
    *link = entry;
}

void Trie::insert(const std::string& name, int32_t identifier) {
    if (name.size() > MAX_NAME_LENGTH)
        return;
    uint32_t node = 0;
    nodes[0].subtreeCount++;
    for (char c : name) {
        node = findOrCreateChild(node, c);
        nodes[node].subtreeCount++;
    }
    appendIdentifier(node, identifier);
}

uint32_t Trie::removeFrom(uint32_t node, int32_t identifier) {
    uint32_t removed = 0;
    uint32_t* link = &nodes[node].firstIdentifier;
    while (*link != NONE) {
        if (identifiers[*link].identifier == identifier) {
            *link = identifiers[*link].next;  // the entry stays unused in the pool
            removed++;
        } else {
            link = &identifiers[*link].next;
        }
    }
    uint32_t* childLink = &nodes[node].firstChild;
    while (*childLink != NONE) {
        uint32_t child = *childLink;
        removed += removeFrom(child, identifier);
        if (nodes[child].subtreeCount == 0)
            *childLink = nodes[child].nextSibling;  // unlinked; stays unused in the pool
        else
            childLink = &nodes[child].nextSibling;
    }
    nodes[node].subtreeCount -= std::min(nodes[node].subtreeCount, removed);
    return removed;
}

void Trie::removeElement(int32_t identifier) {
    removeFrom(0, identifier);
}

bool Trie::isElement(const std::string& name) const {
    uint32_t node = findNode(name);
    return node != NONE && nodes[node].firstIdentifier != NONE;
}

void Trie::collect(uint32_t node, std::vector<int32_t>& out) const {
    for (uint32_t entry = nodes[node].firstIdentifier; entry != NONE; entry = identifiers[entry].next)
        out.push_back(identifiers[entry].identifier);
    for (uint32_t child = nodes[node].firstChild; child != NONE; child = nodes[child].nextSibling)
        collect(child, out);
}

std::vector<int32_t> Trie::getMatching(const std::string& prefix, uint32_t maximum) const {
    std::vector<int32_t> result;
    uint32_t node = findNode(prefix);
    if (node == NONE)
        return result;
    if (nodes[node].subtreeCount > maximum) {
        for (uint32_t entry = nodes[node].firstIdentifier; entry != NONE; entry = identifiers[entry].next)
            result.push_back(identifiers[entry].identifier);
        return result;
    }
    result.reserve(nodes[node].subtreeCount);
    collect(node, result);
    return result;
}

uint32_t Trie::getElementCount() const {
    return nodes[0].subtreeCount;
}

void Trie::saveNode(uint32_t node, RecordWriter<StreamSink>& out) const {
    uint32_t childCount = 0;
    for (uint32_t child = nodes[node].firstChild; child != NONE; child = nodes[child].nextSibling)
        childCount++;
    out(childCount);
    for (uint32_t child = nodes[node].firstChild; child != NONE; child = nodes[child].nextSibling) {
        out(nodes[child].character);
        saveNode(child, out);
    }
    uint32_t identifierCount = 0;
    for (uint32_t entry = nodes[node].firstIdentifier; entry != NONE; entry = identifiers[entry].next)
        identifierCount++;
    out(nodes[node].subtreeCount, identifierCount);
    for (uint32_t entry = nodes[node].firstIdentifier; entry != NONE; entry = identifiers[entry].next)
        out(identifiers[entry].identifier);
}

bool Trie::save(std::ostream& out) const {
    RecordWriter<StreamSink> writer({out});
    saveNode(0, writer);
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
    RecordReader check(content.data(), content.size());
    if (!readNode(check, NONE, nullptr, 0, added) || check.remaining() > 0)
        return false;
    // A saved node takes at least 13 bytes: room for the new ones at once,
    // growing geometrically so that many merges stay linear.
    size_t needed = nodes.size() + content.size() / 13;
    if (needed > nodes.capacity())
        nodes.reserve(std::max(needed, 2 * nodes.capacity()));
    RecordReader reader(content.data(), content.size());
    added = 0;
    readNode(reader, 0, callback, 0, added);
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

bool Trie::readNode(RecordReader& reader, uint32_t target, IIndexCorrectionCallback* callback, size_t depth,
                    uint32_t& added) {
    uint32_t childCount = 0;
    if (!reader(childCount).ok() || childCount > 256)
        return false;
    if (childCount > 0 && depth >= MAX_NAME_LENGTH)
        return false;
    uint32_t addedHere = 0;
    // Saved children come in ascending order, so the search for the next one
    // goes on from the last one found.
    uint32_t previous = NONE;
    char lastCharacter = 0;
    for (uint32_t i = 0; i < childCount; i++) {
        char c = 0;
        if (!reader(c).ok())
            return false;
        if (i > 0 && c <= lastCharacter)
            previous = NONE;  // out of order (not written by us): search from the start
        lastCharacter = c;
        uint32_t child = target != NONE ? findOrCreateChildAfter(target, c, previous) : NONE;
        uint32_t addedBelow = 0;
        if (!readNode(reader, child, callback, depth + 1, addedBelow))
            return false;
        addedHere += addedBelow;
    }
    uint32_t storedSubtreeCount = 0, identifierCount = 0;
    if (!reader(storedSubtreeCount, identifierCount).ok() || identifierCount > reader.remaining() / 4)
        return false;
    for (uint32_t i = 0; i < identifierCount; i++) {
        int32_t identifier = 0;
        reader(identifier);
        if (target != NONE)
            appendIdentifier(target, callback ? callback->OnIndexCorrect(identifier) : identifier);
    }
    addedHere += identifierCount;
    if (target != NONE)
        nodes[target].subtreeCount += addedHere;
    added = addedHere;
    return true;
}
