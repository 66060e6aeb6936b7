#include "app/config/StandardConfig.h"

#include "base/IniFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(StandardConfig, TextIsInTheProgramsOwnWrittenForm) {
    // Reading and writing it again changes nothing: blanks escaped, keys in the written order.
    const std::string& text = getStandardConfigText();
    IniFile ini;
    ini.setFromString(text);
    EXPECT_EQ(ini.toString(), text);
    EXPECT_EQ(ini.get("", "font"), "Heebo Medium");
}

TEST(StandardConfig, PanelLayoutHasItsSectionsEveryPanelOnTheScreenAndNoneOverlappingAnother) {
    IniFile ini;
    ini.setFromString(getStandardConfigText());
    ASSERT_EQ(ini.get("", "PanelCount"), "311");
    struct Placed {
        int page, portrait;
        double sx, sy, tx, ty;
    };
    std::vector<Placed> panels;
    int sections = 0;
    for (const auto& section : ini.getSections()) sections += section.first.rfind("P", 0) == 0;
    EXPECT_EQ(sections, 311);
    for (int i = 0; i < 311; ++i) {
        const std::string s = "P" + std::to_string(i);
        ASSERT_TRUE(ini.isSectionAvailable(s)) << s;
        const int kind = std::stoi(ini.get(s, "FactoryIndex"));
        EXPECT_TRUE(kind >= 0 && kind <= 20) << s;
        const Placed p{std::stoi(ini.get(s, "Page")), std::stoi(ini.get(s, "Portrait")), std::stod(ini.get(s, "ViewPortSX")),
                       std::stod(ini.get(s, "ViewPortSY")), std::stod(ini.get(s, "ViewPortTX")),
                       std::stod(ini.get(s, "ViewPortTY"))};
        EXPECT_TRUE(0 <= p.sx && p.sx < p.tx && p.tx <= 1 && 0 <= p.sy && p.sy < p.ty && p.ty <= 1) << s;
        panels.push_back(p);
    }
    // Panels of a page overlap only when one lies wholly over the other.
    const auto contains = [](const Placed& a, const Placed& b) {
        return a.sx <= b.sx + 1e-9 && a.sy <= b.sy + 1e-9 && a.tx >= b.tx - 1e-9 && a.ty >= b.ty - 1e-9;
    };
    for (size_t i = 0; i < panels.size(); ++i)
        for (size_t j = i + 1; j < panels.size(); ++j) {
            const Placed &a = panels[i], &b = panels[j];
            if (a.page != b.page || a.portrait != b.portrait) continue;
            const bool overlap = a.sx < b.tx - 1e-9 && b.sx < a.tx - 1e-9 && a.sy < b.ty - 1e-9 && b.sy < a.ty - 1e-9;
            EXPECT_TRUE(!overlap || contains(a, b) || contains(b, a)) << "P" << i << " and P" << j;
        }
    // The layout's fixed points: the three-dimensional view and the battery.
    EXPECT_EQ(ini.get("P0", "FactoryIndex"), "3");
    EXPECT_EQ(ini.get("P0", "Page"), "2");
    EXPECT_EQ(ini.get("P10", "FactoryIndex"), "12");
    EXPECT_EQ(std::stod(ini.get("P10", "ViewPortSX")), 0.058);
    EXPECT_EQ(std::stod(ini.get("P10", "ViewPortTX")), 0.14);
    EXPECT_EQ(std::stod(ini.get("P10", "ViewPortTY")), 0.0946782);
}
