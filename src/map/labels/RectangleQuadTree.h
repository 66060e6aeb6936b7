#pragma once
#include <vector>

#include "map/labels/LabelRect.h"

// A quad tree over a set of rectangles that answers "which of them overlap
// this one" without looking at all of them. Each rectangle sits in the
// smallest node that holds it whole, so a rectangle across a split line stays
// in the parent; a query visits only the nodes its rectangle overlaps.
// The label optimiser moves every rectangle at every step, so the tree is
// rebuilt rather than updated; rebuild() keeps the memory of the last build.
// Queries reuse scratch space too, so one tree serves one thread at a time.
class RectangleQuadTree {
public:
    RectangleQuadTree() = default;
    explicit RectangleQuadTree(const std::vector<LabelRect>& rects) { rebuild(rects); }

    // Indexes rects (by their position in the vector, which must outlive
    // the queries).
    void rebuild(const std::vector<LabelRect>& rects);

    // Appends to out the indices of the rectangles that share a positive
    // area with r, in no particular order.
    void query(const LabelRect& r, std::vector<int>& out) const;

    // The area r shares with all rectangles, leaving out the one at index
    // skip (pass -1 to count them all).
    double overlapSum(const LabelRect& r, int skip) const;

    // The area shared by every pair of the rectangles, each pair once.
    double totalOverlap() const;

private:
    // Node areas by their edges, so that children meet their parent's edges
    // exactly and no rectangle falls between two nodes by a rounding error.
    struct Edges {
        double left, top, right, bottom;
    };
    struct Node {
        Edges area;
        int firstChild = -1;  // four consecutive nodes, or -1 for a leaf
        int depth = 0;
        std::vector<int> items;
    };

    void insert(int index);
    void split(int node);
    int childHolding(const Node& node, const LabelRect& r) const;

    const std::vector<LabelRect>* rects = nullptr;
    std::vector<Node> nodes;
    size_t usedNodes = 0;
    mutable std::vector<int> stack;
    mutable std::vector<int> found;
};
