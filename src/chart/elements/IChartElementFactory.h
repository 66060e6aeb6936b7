#pragma once
#include "chart/elements/IChartElement.h"

#include <string>

class IIndexCorrectionCallback;

// Creates the elements of one kind. The chart looks factories up by the
// type code of a record, the custom-element loader by the INI key `Type`.
class IChartElementFactory {
public:
    // A new element with its defaults; the caller owns it. Elements that
    // refer to other elements by index translate those through callback
    // (may be null).
    virtual IChartElement* Create(IIndexCorrectionCallback* callback) = 0;
    // The name shown to the pilot.
    virtual std::wstring getName() const = 0;
    // The type keyword of the INI form ("AIRPORT", "AIRWAY_SEGMENT" ...).
    virtual std::string getStringDescriptor() const = 0;
    virtual ~IChartElementFactory() = default;
    // The type code of the elements this factory makes.
    virtual IChartElement::Type getElementType() const = 0;
};
