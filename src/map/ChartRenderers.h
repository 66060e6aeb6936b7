#pragma once
#include <memory>
#include <vector>

#include "map/IChartElementRenderer.h"

class Drawer2D;

// The ten element renderers, one per chart element type, made once and
// shared by every map panel.
class ChartRenderers {
public:
    explicit ChartRenderers(Drawer2D& drawer);
    ~ChartRenderers();
    // Null for a type code without a renderer.
    IChartElementRenderer* forType(int type) const {
        return type >= 0 && type < static_cast<int>(byType.size()) ? byType[type] : nullptr;
    }

    // Every renderer, in the order they were made.
    const std::vector<std::unique_ptr<IChartElementRenderer>>& all() const { return renderers; }

private:
    // In the order they are made; byType indexes them by element type.
    std::vector<std::unique_ptr<IChartElementRenderer>> renderers;
    std::vector<IChartElementRenderer*> byType;
};
