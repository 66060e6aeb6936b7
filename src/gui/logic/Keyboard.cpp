#include "gui/logic/Keyboard.h"

#include <algorithm>
#include <cmath>

namespace {
KeyDefinition character(wchar_t c) { return KeyDefinition{KeyDefinition::CHARACTER, c, std::wstring(1, c), 1}; }

std::vector<KeyDefinition> characters(const std::wstring& text) {
    std::vector<KeyDefinition> row;
    for (wchar_t c : text) row.push_back(character(c));
    return row;
}

KeyDefinition special(KeyDefinition::Action action, const std::wstring& label, double width) {
    return KeyDefinition{action, 0, label, width};
}

double rowWidth(const std::vector<KeyDefinition>& row) {
    double sum = 0;
    for (const KeyDefinition& key : row) sum += key.width;
    return sum;
}
}  // namespace

std::vector<KeyboardDefinition> getStandardKeyboards() {
    KeyboardDefinition letters;
    letters.name = "letters";
    letters.rows = {characters(L"qwertyuiop"), characters(L"asdfghjkl"), characters(L"zxcvbnm"), {}};
    letters.rows[2].insert(letters.rows[2].begin(), special(KeyDefinition::SHIFT, L"\u21E7", 1.5));
    letters.rows[2].push_back(special(KeyDefinition::BACKSPACE, L"\u232B", 1.5));
    letters.rows[3] = {special(KeyDefinition::CHANGE, L"123", 1.5), special(KeyDefinition::HIDE, L"\u2193", 1),
                       KeyDefinition{KeyDefinition::CHARACTER, L' ', L"", 4.5}, character(L'.'),
                       special(KeyDefinition::ENTER, L"\u21B5", 2)};

    KeyboardDefinition symbols;
    symbols.name = "symbols";
    symbols.rows = {characters(L"1234567890"), characters(L"-/:;()$&@\""), characters(L".,?!'+="), {}};
    symbols.rows[2].push_back(special(KeyDefinition::BACKSPACE, L"\u232B", 1.5));
    symbols.rows[3] = {special(KeyDefinition::CHANGE, L"ABC", 1.5), special(KeyDefinition::HIDE, L"\u2193", 1),
                       KeyDefinition{KeyDefinition::CHARACTER, L' ', L"", 4.5}, character(L'\u00B0'),
                       special(KeyDefinition::ENTER, L"\u21B5", 2)};
    return {letters, symbols};
}

KeyboardLayout layoutKeyboard(const KeyboardDefinition& keyboard, int screenWidth, int screenHeight) {
    KeyboardLayout layout;
    layout.top = screenHeight;
    if (keyboard.rows.empty() || screenWidth <= 0 || screenHeight <= 0) return layout;
    double units = 0;
    for (const auto& row : keyboard.rows) units = std::max(units, rowWidth(row));
    const double unit = screenWidth / units;
    const int rows = static_cast<int>(keyboard.rows.size());
    const int rowHeight =
        std::max(1, static_cast<int>(std::min(unit / std::max(keyboard.keyAspect, 0.1), screenHeight / 2.0 / rows)));
    layout.top = screenHeight - rowHeight * rows;
    for (int r = 0; r < rows; ++r) {
        const auto& row = keyboard.rows[r];
        // Edges are rounded from the running sum, not widths one by one, so
        // no gap or overlap builds up along a row.
        const double start = (screenWidth - rowWidth(row) * unit) / 2;
        double edge = start;
        for (int c = 0; c < static_cast<int>(row.size()); ++c) {
            const double next = edge + row[c].width * unit;
            KeyArea key;
            key.row = r;
            key.column = c;
            key.left = static_cast<int>(std::lround(edge));
            key.right = static_cast<int>(std::lround(next));
            key.top = layout.top + r * rowHeight;
            key.bottom = key.top + rowHeight;
            layout.keys.push_back(key);
            edge = next;
        }
    }
    return layout;
}

int findKeyAt(const KeyboardLayout& layout, int x, int y) {
    for (size_t i = 0; i < layout.keys.size(); ++i) {
        const KeyArea& k = layout.keys[i];
        if (x >= k.left && x < k.right && y >= k.top && y < k.bottom) return static_cast<int>(i);
    }
    return -1;
}
