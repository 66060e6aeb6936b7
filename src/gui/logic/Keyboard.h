#pragma once
#include <string>
#include <vector>

// The on-screen keyboard of touch screens, without the engine: which keys
// there are and where they lie on a screen of a given size.

struct KeyDefinition {
    enum Action { CHARACTER, BACKSPACE, ENTER, SHIFT, CHANGE, HIDE };
    Action action = CHARACTER;
    wchar_t character = 0;  // CHARACTER: what the key types (lower case for letters)
    std::wstring label;     // shown on the key; the CHANGE key shows a texture instead when there is one
    double width = 1;       // in widths of a letter key
};

struct KeyboardDefinition {
    std::string name;
    std::vector<std::vector<KeyDefinition>> rows;
    // How wide a letter key may be for its height: keys stop growing taller
    // once this ratio is reached, so a landscape keyboard leaves the screen's
    // upper part free. Set by the application to 1.0 in portrait and 2.0 in
    // landscape; wider ratios mean flatter keys.
    double keyAspect = 2.0;
};

// Letters (QWERTY with shift), then digits and symbols; the CHANGE key of
// each switches to the next.
std::vector<KeyboardDefinition> getStandardKeyboards();

struct KeyArea {
    int row = 0, column = 0;       // of the definition
    int left, top, right, bottom;  // pixels, right and bottom exclusive
};

struct KeyboardLayout {
    int top = 0;  // the keyboard covers the screen from here to its bottom
    std::vector<KeyArea> keys;
};

// Keys across the full width at the bottom of the screen, rows centred, at
// most half the screen high. Neighbouring keys share their edges, so every
// pixel of a row belongs to exactly one key.
KeyboardLayout layoutKeyboard(const KeyboardDefinition& keyboard, int screenWidth, int screenHeight);

// The index in layout.keys of the key under the point, -1 for none.
int findKeyAt(const KeyboardLayout& layout, int x, int y);
