#pragma once
#include "base/RecordCodec.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

class IIndexCorrectionCallback;

// Prefix tree of element names for the search. Every node knows how many
// identifiers its whole subtree holds, so a query can tell at once whether
// listing all completions of a prefix is affordable.
//
// On disk ("Names.dat") the root is written in pre-order: child count, then
// per child its character and the child itself, then the subtree count, the
// number of identifiers ending at the node and those identifiers; all
// integers are 32-bit little-endian.
class Trie {
public:
    Trie();
    ~Trie();
    Trie(const Trie&) = delete;
    Trie& operator=(const Trie&) = delete;

    void insert(const std::string& name, int32_t identifier);
    // Removes every occurrence of the identifier, under whatever names.
    void removeElement(int32_t identifier);
    // True when at least one identifier ends exactly at this name.
    bool isElement(const std::string& name) const;
    // Empty when nothing starts with the prefix. When the prefix's subtree
    // holds more than `maximum` identifiers only those named exactly as the
    // prefix are returned, otherwise every identifier of the subtree (exact
    // matches first).
    std::vector<int32_t> getMatching(const std::string& prefix, uint32_t maximum) const;

    uint32_t getElementCount() const;
    void clear();

    bool save(std::ostream& out) const;
    // Replaces the content; on a corrupt stream the tree is left empty and
    // false is returned.
    bool Load(std::istream& in);
    // Merges a saved tree into this one, passing every stored identifier
    // through the callback (none: identifiers taken as stored). A corrupt
    // file is rejected as a whole and leaves this tree unchanged.
    bool mergeLoad(const std::string& path, IIndexCorrectionCallback* callback);
    bool mergeBuffer(const std::vector<char>& content, IIndexCorrectionCallback* callback);

    static bool SaveTrie(const Trie& trie, const std::string& path);
    // Null when the file is missing or corrupt.
    static std::unique_ptr<Trie> LoadTrie(const std::string& path);

    // Names longer than this are not stored; it also bounds the recursion
    // when reading untrusted files.
    static constexpr size_t MAX_NAME_LENGTH = 1024;

private:
    static constexpr uint32_t NONE = 0xFFFFFFFF;
    // The world's names make millions of nodes, so they live in one pool and
    // refer to each other by index: children as a sibling list sorted by
    // character, identifiers as a list in a second pool.
    struct Node {
        uint32_t firstChild = NONE;
        uint32_t nextSibling = NONE;
        uint32_t subtreeCount = 0;
        uint32_t firstIdentifier = NONE;
        char character = 0;
    };
    struct IdentifierEntry {
        int32_t identifier;
        uint32_t next;
    };

    uint32_t findChild(uint32_t node, char c) const;
    uint32_t findOrCreateChild(uint32_t node, char c);
    // Searches the sorted sibling list from after `previous` (NONE: from the
    // start) and leaves `previous` at the child found or made.
    uint32_t findOrCreateChildAfter(uint32_t node, char c, uint32_t& previous);
    uint32_t findNode(const std::string& name) const;
    void appendIdentifier(uint32_t node, int32_t identifier);
    void collect(uint32_t node, std::vector<int32_t>& out) const;
    uint32_t removeFrom(uint32_t node, int32_t identifier);
    void saveNode(uint32_t node, RecordWriter<StreamSink>& out) const;
    // Reads one saved node. With target NONE it only checks the layout;
    // otherwise it merges into target and reports through `added` how many
    // identifiers arrived in the subtree (subtree counts are recomputed, not
    // trusted).
    bool readNode(RecordReader& reader, uint32_t target, IIndexCorrectionCallback* callback, size_t depth,
                  uint32_t& added);

    std::vector<Node> nodes;  // nodes[0] is the root
    std::vector<IdentifierEntry> identifiers;
};
