#include "chart/elements/ChartElementText.h"

#include "base/StringConversions.h"
#include "chart/elements/IChartElement.h"

#include <cmath>
#include <cstdio>
#include <iostream>

std::wstring formatFrequency(unsigned megahertz, unsigned kilohertz) {
    wchar_t text[32];
    std::swprintf(text, 32, L"%u.%03u", megahertz, kilohertz % 1000);
    return text;
}

const units::UnitConverter& unitsOrStandard(const units::UnitConverter* converter) {
    static const units::UnitConverter standard;
    return converter ? *converter : standard;
}

std::wstring formatFeet(int feet, const units::UnitConverter* converter) {
    return unitsOrStandard(converter).formatAltitude(units::feetToMetres(feet));
}

std::wstring formatFeetNumber(int feet, const units::UnitConverter* converter) {
    const double value = unitsOrStandard(converter).toAltitude(units::feetToMetres(feet));
    return std::to_wstring(std::lround(value));
}

std::wstring widen(const std::string& utf8) { return convertUtf8ToWString(utf8); }

std::vector<std::string> makeInsertionNames(std::initializer_list<std::string> names) {
    std::vector<std::string> result;
    for (const std::string& name : names) {
        if (name.empty())
            continue;
        bool seen = false;
        for (const std::string& have : result)
            seen = seen || have == name;
        if (!seen)
            result.push_back(name);
    }
    return result;
}

namespace {

std::wstring escapeAml(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        switch (c) {
        case L'<': out += L"&lt;"; break;
        case L'>': out += L"&gt;"; break;
        case L'&': out += L"&amp;"; break;
        case L'"': out += L"&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

AmlPage::AmlPage(const std::string& style, const std::wstring& title) : style(style), title(title) {}

AmlPage& AmlPage::row(const std::wstring& label, const std::wstring& value) {
    rows.emplace_back(label, value);
    return *this;
}

AmlPage& AmlPage::optionalRow(const std::wstring& label, const std::wstring& value) {
    if (!value.empty())
        rows.emplace_back(label, value);
    return *this;
}

std::wstring AmlPage::str() const {
    std::wstring out = L"<aml style=\"" + escapeAml(widen(style)) + L"\">\n<h1>" + escapeAml(title) + L"</h1>\n<table>\n";
    for (const auto& entry : rows)
        out += L"<tr><td>" + escapeAml(entry.first) + L"</td><td>" + escapeAml(entry.second) + L"</td></tr>\n";
    out += L"</table>\n</aml>\n";
    return out;
}

void IChartElement::print() const {
    const ChartPosition position = getPosition();
    std::cout << "type " << getType() << " at " << position.latitude << ", " << position.longitude << ": "
              << convertWStringToUtf8String(createDescriptionString()) << std::endl;
}
