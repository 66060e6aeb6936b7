#include "map/rules/MapLabels.h"

#include "chart/elements/AirspaceElement.h"
#include "chart/elements/ChartElementText.h"
#include "chart/elements/VORElement.h"

namespace {

std::wstring airspaceLabel(const AirspaceElement& a, const units::UnitConverter* converter) {
    const std::wstring limits = AirspaceElement::formatLimit(a.bottom, a.bottomReference, converter) + L" - " +
                                AirspaceElement::formatLimit(a.top, a.topReference, converter);
    return a.airspaceClass.empty() ? limits : widen(a.airspaceClass) + L" " + limits;
}

std::wstring vorLabel(const VORElement& vor) {
    if (vor.vorType == VORElement::TACAN) return widen(vor.ident) + L" CH " + widen(vor.tacanChannel);
    return widen(vor.ident) + L" " +
           formatFrequency(static_cast<unsigned>(vor.frequencyMHz), static_cast<unsigned>(vor.frequencyKHz));
}

}  // namespace

std::wstring getMapLabel(const IChartElement& element, const units::UnitConverter* converter) {
    switch (element.getType()) {
    case IChartElement::AIRSPACE:
        return airspaceLabel(static_cast<const AirspaceElement&>(element), converter);
    case IChartElement::VOR:
        return vorLabel(static_cast<const VORElement&>(element));
    case IChartElement::NDB:
    case IChartElement::OBSTRUCTION:
        return element.getIndicatedLabel(true, converter);
    default:
        return element.getIndicatedLabel(false, converter);
    }
}
