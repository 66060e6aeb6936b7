#pragma once
#include <vector>

// Where the parts of a dialog go, as plain arithmetic on rectangles so that
// every size can be checked exactly without the engine. Sizes follow the
// screen: the recommended button size grows with sqrt(width * height), so a
// dialog stays finger-sized from 800 x 480 to 1920 x 1080, and narrow
// (portrait) screens stack what landscape screens put side by side.

struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return width() <= 0 || height() <= 0; }
    bool contains(const Box& o) const {
        return o.left >= left && o.top >= top && o.right <= right && o.bottom <= bottom;
    }
    bool operator==(const Box& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct DialogMetrics {
    int screenWidth = 0;
    int screenHeight = 0;
    int buttonWidth = 0;
    int buttonHeight = 0;

    bool isPortrait() const { return screenHeight > screenWidth; }
    // Space between elements and around the window's content.
    int margin() const;
};

// A window of at most the wanted size, centred, never closer than one margin
// to the screen's edges.
Box centredWindow(const DialogMetrics& m, int wantedWidth, int wantedHeight);

// The usual width of a dialog: six buttons, or the screen less its margins.
int dialogWidth(const DialogMetrics& m);

// `count` boxes of equal width side by side in [left, right) with `gap`
// between them.
std::vector<Box> splitRow(int left, int right, int top, int bottom, int count, int gap);

// Boxes inside a window are relative to the window's top-left corner; the
// title bar takes the first titleHeight pixels.

// A text above a set of buttons (message boxes and questions). The buttons
// share one row when each gets at least the recommended width and room for
// the widest label; otherwise they are stacked, one a row, full width.
struct ButtonDialogLayout {
    Box window;
    Box text;
    std::vector<Box> buttons;
    bool stacked = false;
};
ButtonDialogLayout layOutButtonDialog(const DialogMetrics& m, int titleHeight, int textHeight, int buttonCount,
                                      int widestLabel);

// A question answered by typing (a file name): the prompt, one edit field, a
// status line for a refused answer and the buttons, laid out as a button
// dialog whose text holds prompt, field and status.
struct PromptLayout {
    Box window;
    Box prompt;
    Box field;
    Box status;
    std::vector<Box> buttons;
};
PromptLayout layOutPromptDialog(const DialogMetrics& m, int titleHeight, int promptHeight, int buttonCount,
                                int widestLabel);

// Rows of a label and a field (settings, calibration, altimeter), a status
// line for errors and a row of buttons. Landscape screens put the label left
// of its field, portrait ones above it. Rows shrink (to half a button's height
// at the least) when they would not fit on the screen.
struct FormLayout {
    Box window;
    std::vector<Box> labels;
    std::vector<Box> fields;
    Box status;
    std::vector<Box> buttons;
};
FormLayout layOutForm(const DialogMetrics& m, int titleHeight, int rowCount, int buttonCount);

// A list with the details of the selected entry (icon and description) and
// a row of buttons: side by side in landscape, list above details in portrait.
struct MasterDetailLayout {
    Box window;
    Box list;
    Box icon;
    Box description;
    std::vector<Box> buttons;
};
MasterDetailLayout layOutMasterDetail(const DialogMetrics& m, int titleHeight, int buttonCount);

// A list of configured parts over the kind to add (a combo box) with the
// Add and Remove buttons, then OK and Cancel. Landscape screens put the kind
// beside Add and Remove, portrait ones above them.
struct ListEditorLayout {
    Box window;
    Box list;
    Box kind;
    Box add;
    Box remove;
    std::vector<Box> buttons;
};
ListEditorLayout layOutListEditor(const DialogMetrics& m, int titleHeight);

// Height of a list's rows: the font's height with room, but never less
// than a finger needs.
int listRowHeight(const DialogMetrics& m, int fontHeight);

// A layout file drawn for a design screen, stretched to the real one.
Box scaleDesignBox(const Box& design, int designWidth, int designHeight, int screenWidth, int screenHeight);

// `count` rows of `rowHeight` stacked in `area`, scrolled so that row
// `firstRow` is at the top. Rows that are not wholly inside the area come
// back empty (the caller hides them).
std::vector<Box> layOutScrolledRows(const Box& area, int rowHeight, int count, int firstRow);
// How many whole rows the area shows.
int visibleRowCount(const Box& area, int rowHeight);
