#pragma once
#include "base/UnitConverter.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// Text helpers shared by the element kinds: frequencies, altitudes and the
// description pages.

// "118.100" from the MHz and kHz parts of a frequency.
std::wstring formatFrequency(unsigned megahertz, unsigned kilohertz);
// The converter to show values with: the given one, or one with the
// standard units when there is none.
const units::UnitConverter& unitsOrStandard(const units::UnitConverter* converter);
// A height or length kept in feet by the chart data, in the pilot's
// altitude unit: "3500 ft" or "1067 m"; the bare rounded number for labels.
std::wstring formatFeet(int feet, const units::UnitConverter* converter);
std::wstring formatFeetNumber(int feet, const units::UnitConverter* converter);
std::wstring widen(const std::string& utf8);

// The names under which search finds an element: the given ones without
// empty and repeated entries, in order.
std::vector<std::string> makeInsertionNames(std::initializer_list<std::string> names);

// A description page in the program's markup: a title and label/value rows.
// Text is escaped so that element data can never open a tag.
class AmlPage {
public:
    AmlPage(const std::string& style, const std::wstring& title);
    AmlPage& row(const std::wstring& label, const std::wstring& value);
    // Adds the row only when value is not empty.
    AmlPage& optionalRow(const std::wstring& label, const std::wstring& value);
    std::wstring str() const;

private:
    std::string style;
    std::wstring title;
    std::vector<std::pair<std::wstring, std::wstring>> rows;
};
