#include "map/labels/RectangleGradientDescent.h"

#include <cmath>
#include <limits>

#include "map/labels/LabelMoveLimit.h"
#include "map/labels/RectangleQuadTree.h"

// The cost of a placement is, over every overlapping pair, the product of
// how far the two would have to move apart along x and along y to stop
// overlapping (their penetration depths), plus a weak pull of every label
// towards where it started. For labels that overlap partly the product is
// their shared area; where one lies across or inside the other it is larger,
// and unlike the shared area it still tells which way out is shorter, so the
// descent never stalls on a flat spot. The pull keeps labels from drifting
// once they are clear; 40 pixels out it is still weaker than the push of an
// overlap one pixel deep, so it gives way to all but the thinnest slivers.
//
// The cost jumps in steepness where labels just touch and mixes rectangles
// of very different sizes, so no single step size suits it. Each coordinate
// therefore keeps its own step, moved by the sign of its gradient only:
// longer while the sign holds, halved when it flips (resilient
// backpropagation, the variant that skips the move after a flip). The best
// placement seen is the result.
namespace {
constexpr double kAnchorPull = 0.01;  // cost per square pixel of distance from the start
constexpr double kFirstStep = 1.0;    // pixels
constexpr double kMinStep = 0.01;
constexpr double kMaxStepShareOfReach = 0.25;
constexpr double kStepGrowth = 1.2;
constexpr double kStepShrink = 0.5;
constexpr int kMaxIterations = 500;
// The run ends when the best cost has not fallen by this share for this many
// steps in a row.
constexpr double kProgressShare = 1e-3;
constexpr int kPatience = 30;

struct Axis {
    double position, start, gradient = 0, lastGradient = 0, step = kFirstStep;
};

class Descent {
public:
    Descent(const std::vector<LabelRect>& start, const LabelRect& bounds, double maxMove)
        : current(start), maxStep(std::max(kMinStep, maxMove * kMaxStepShareOfReach)) {
        limits.reserve(start.size());
        for (LabelRect& r : current) {
            limits.emplace_back(r, bounds, maxMove);
            limits.back().clamp(r.left, r.top);
            xs.push_back(Axis{r.left, r.left});
            ys.push_back(Axis{r.top, r.top});
        }
    }

    // The cost of the current placement; fills in the gradients.
    double evaluate() {
        double cost = 0;
        for (size_t i = 0; i < current.size(); ++i) {
            cost += pullTowardsStart(xs[i]) + pullTowardsStart(ys[i]);
        }
        tree.rebuild(current);
        for (int i = 0; i < int(current.size()); ++i) {
            neighbours.clear();
            tree.query(current[i], neighbours);
            for (int j : neighbours) {
                if (j > i) cost += pushApart(i, j);
            }
        }
        return cost;
    }

    void move() {
        for (size_t i = 0; i < current.size(); ++i) {
            moveAxis(xs[i]);
            moveAxis(ys[i]);
            limits[i].clamp(xs[i].position, ys[i].position);
            current[i].left = xs[i].position;
            current[i].top = ys[i].position;
        }
    }

    std::vector<LabelRect> current;

private:
    static double pullTowardsStart(Axis& axis) {
        const double d = axis.position - axis.start;
        axis.gradient = 2 * kAnchorPull * d;
        return kAnchorPull * d * d;
    }

    // The overlap cost of a pair that shares some area, and its gradient.
    double pushApart(int i, int j) {
        const LabelRect& a = current[i];
        const LabelRect& b = current[j];
        // Each way out goes past the nearer side; a tie between two
        // rectangles with one centre sends the first one (i < j) left or up.
        const bool aFirstInX = a.left + a.right() <= b.left + b.right();
        const bool aFirstInY = a.top + a.bottom() <= b.top + b.bottom();
        const double depthX = aFirstInX ? a.right() - b.left : b.right() - a.left;
        const double depthY = aFirstInY ? a.bottom() - b.top : b.bottom() - a.top;
        const double signX = aFirstInX ? 1 : -1, signY = aFirstInY ? 1 : -1;
        xs[i].gradient += signX * depthY;
        xs[j].gradient -= signX * depthY;
        ys[i].gradient += signY * depthX;
        ys[j].gradient -= signY * depthX;
        return depthX * depthY;
    }

    void moveAxis(Axis& axis) const {
        const double agreement = axis.gradient * axis.lastGradient;
        if (agreement > 0) {
            axis.step = std::min(axis.step * kStepGrowth, maxStep);
        } else if (agreement < 0) {
            axis.step = std::max(axis.step * kStepShrink, kMinStep);
            axis.gradient = 0;
        }
        if (axis.gradient > 0) axis.position -= axis.step;
        if (axis.gradient < 0) axis.position += axis.step;
        axis.lastGradient = axis.gradient;
    }

    std::vector<LabelMoveLimit> limits;
    std::vector<Axis> xs, ys;
    double maxStep;
    RectangleQuadTree tree;
    std::vector<int> neighbours;
};
}  // namespace

RectangleDescentResult descendRectangles(const std::vector<LabelRect>& start, const LabelRect& bounds, double maxMove,
                                         const std::function<bool()>& stopRequested) {
    Descent descent(start, bounds, maxMove);
    RectangleDescentResult result;
    result.rects = descent.current;
    double bestCost = std::numeric_limits<double>::infinity();
    double costToBeat = bestCost;
    int stepsWithoutProgress = 0;
    while (result.iterations < kMaxIterations && stepsWithoutProgress < kPatience) {
        if (stopRequested && stopRequested()) {
            result.stopped = true;
            break;
        }
        const double cost = descent.evaluate();
        ++result.iterations;
        if (cost < bestCost) {
            bestCost = cost;
            result.rects = descent.current;
        }
        if (cost < costToBeat) {
            costToBeat = cost * (1 - kProgressShare);
            stepsWithoutProgress = 0;
        } else {
            ++stepsWithoutProgress;
        }
        if (cost == 0) break;
        descent.move();
    }
    return result;
}
