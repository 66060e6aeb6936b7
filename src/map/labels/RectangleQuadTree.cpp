#include "map/labels/RectangleQuadTree.h"

namespace {
// A leaf splits when it holds more rectangles than this. Map labels are small
// against the panel, so most of them sink to the leaves; eight per leaf keeps
// the tree shallow without long lists to scan.
constexpr size_t kLeafCapacity = 8;
// Past this depth a leaf keeps whatever it is given: a pile of labels at one
// spot cannot be told apart by splitting further.
constexpr int kMaxDepth = 10;

// Whether r and the span [left, right] x [top, bottom] share a positive
// area; a rectangle of no width or height shares none with anything.
bool sharesArea(const LabelRect& r, double left, double top, double right, double bottom) {
    return std::min(r.right(), right) > std::max(r.left, left) && std::min(r.bottom(), bottom) > std::max(r.top, top);
}

// 0 when the span [low, high] lies before mid, 1 when after it, -1 across.
int sideOf(double low, double high, double mid) {
    if (high <= mid) return 0;
    if (low >= mid) return 1;
    return -1;
}
}  // namespace

void RectangleQuadTree::rebuild(const std::vector<LabelRect>& newRects) {
    rects = &newRects;
    usedNodes = 1;
    if (nodes.empty()) nodes.emplace_back();
    Node& root = nodes[0];
    root.items.clear();
    root.firstChild = -1;
    root.depth = 0;
    if (newRects.empty()) {
        root.area = Edges{0, 0, 0, 0};
        return;
    }
    double left = newRects[0].left, top = newRects[0].top;
    double right = newRects[0].right(), bottom = newRects[0].bottom();
    for (const LabelRect& r : newRects) {
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.right());
        bottom = std::max(bottom, r.bottom());
    }
    root.area = Edges{left, top, right, bottom};
    for (int i = 0; i < int(newRects.size()); ++i) insert(i);
}

int RectangleQuadTree::childHolding(const Node& node, const LabelRect& r) const {
    const int column = sideOf(r.left, r.right(), (node.area.left + node.area.right) / 2);
    const int row = sideOf(r.top, r.bottom(), (node.area.top + node.area.bottom) / 2);
    if (column < 0 || row < 0) return -1;
    return node.firstChild + row * 2 + column;
}

void RectangleQuadTree::insert(int index) {
    const LabelRect& r = (*rects)[index];
    int at = 0;
    while (nodes[at].firstChild >= 0) {
        const int child = childHolding(nodes[at], r);
        if (child < 0) break;
        at = child;
    }
    nodes[at].items.push_back(index);
    if (nodes[at].firstChild < 0 && nodes[at].items.size() > kLeafCapacity && nodes[at].depth < kMaxDepth) {
        split(at);
    }
}

void RectangleQuadTree::split(int at) {
    const int first = int(usedNodes);
    usedNodes += 4;
    if (nodes.size() < usedNodes) nodes.resize(usedNodes);
    const Edges area = nodes[at].area;
    const double xs[3] = {area.left, (area.left + area.right) / 2, area.right};
    const double ys[3] = {area.top, (area.top + area.bottom) / 2, area.bottom};
    for (int k = 0; k < 4; ++k) {
        Node& child = nodes[first + k];
        const int column = k % 2, row = k / 2;
        child.area = Edges{xs[column], ys[row], xs[column + 1], ys[row + 1]};
        child.firstChild = -1;
        child.depth = nodes[at].depth + 1;
        child.items.clear();
    }
    nodes[at].firstChild = first;
    // Hand down what fits a child whole; the rest stays here.
    std::vector<int>& items = nodes[at].items;
    size_t kept = 0;
    for (int index : items) {
        const int child = childHolding(nodes[at], (*rects)[index]);
        if (child < 0) {
            items[kept++] = index;
        } else {
            nodes[child].items.push_back(index);
        }
    }
    items.resize(kept);
}

void RectangleQuadTree::query(const LabelRect& r, std::vector<int>& out) const {
    if (usedNodes == 0) return;
    stack.assign(1, 0);
    while (!stack.empty()) {
        const Node& node = nodes[stack.back()];
        stack.pop_back();
        for (int index : node.items) {
            const LabelRect& item = (*rects)[index];
            if (sharesArea(r, item.left, item.top, item.right(), item.bottom())) out.push_back(index);
        }
        if (node.firstChild < 0) continue;
        for (int k = 0; k < 4; ++k) {
            const Edges& area = nodes[node.firstChild + k].area;
            if (sharesArea(r, area.left, area.top, area.right, area.bottom)) stack.push_back(node.firstChild + k);
        }
    }
}

double RectangleQuadTree::overlapSum(const LabelRect& r, int skip) const {
    found.clear();
    query(r, found);
    double sum = 0;
    for (int index : found) {
        if (index != skip) sum += overlapArea(r, (*rects)[index]);
    }
    return sum;
}

double RectangleQuadTree::totalOverlap() const {
    if (!rects) return 0;
    double sum = 0;
    for (int i = 0; i < int(rects->size()); ++i) {
        found.clear();
        query((*rects)[i], found);
        for (int j : found) {
            if (j > i) sum += overlapArea((*rects)[i], (*rects)[j]);
        }
    }
    return sum;
}
