#include "gui/dialogs/DialogLayout.h"

#include <algorithm>
#include <cstdint>

std::vector<Box> splitRow(int left, int right, int top, int bottom, int count, int gap) {
    std::vector<Box> boxes;
    if (count <= 0) return boxes;
    const int each = (right - left - gap * (count - 1)) / count;
    for (int i = 0; i < count; ++i) {
        const int x = left + i * (each + gap);
        boxes.push_back({x, top, x + each, bottom});
    }
    return boxes;
}

int DialogMetrics::margin() const { return std::max(4, buttonHeight / 4); }

Box centredWindow(const DialogMetrics& m, int wantedWidth, int wantedHeight) {
    const int width = std::min(wantedWidth, m.screenWidth - 2 * m.margin());
    const int height = std::min(wantedHeight, m.screenHeight - 2 * m.margin());
    const int left = (m.screenWidth - width) / 2;
    const int top = (m.screenHeight - height) / 2;
    return {left, top, left + width, top + height};
}

int dialogWidth(const DialogMetrics& m) { return std::min(6 * m.buttonWidth, m.screenWidth - 2 * m.margin()); }

ButtonDialogLayout layOutButtonDialog(const DialogMetrics& m, int titleHeight, int textHeight, int buttonCount,
                                      int widestLabel) {
    ButtonDialogLayout l;
    const int gap = m.margin();
    const int width = dialogWidth(m);
    const int inner = width - 2 * gap;
    const int perButton = buttonCount > 0 ? (inner - gap * (buttonCount - 1)) / buttonCount : inner;
    l.stacked = buttonCount > 1 && (perButton < m.buttonWidth || perButton < widestLabel + 2 * gap);
    const int rows = l.stacked ? buttonCount : (buttonCount > 0 ? 1 : 0);
    const int buttonsHeight = rows * m.buttonHeight + std::max(0, rows - 1) * gap;
    const int wanted = titleHeight + gap + std::max(textHeight, 0) + gap + buttonsHeight + gap;
    l.window = centredWindow(m, width, wanted);
    const int w = l.window.width(), h = l.window.height();
    const int buttonsTop = h - gap - buttonsHeight;
    l.text = {gap, titleHeight + gap, w - gap, std::max(titleHeight + gap, buttonsTop - gap)};
    if (l.stacked) {
        for (int i = 0; i < buttonCount; ++i) {
            const int top = buttonsTop + i * (m.buttonHeight + gap);
            l.buttons.push_back({gap, top, w - gap, top + m.buttonHeight});
        }
    } else {
        l.buttons = splitRow(gap, w - gap, buttonsTop, buttonsTop + m.buttonHeight, buttonCount, gap);
    }
    return l;
}

PromptLayout layOutPromptDialog(const DialogMetrics& m, int titleHeight, int promptHeight, int buttonCount,
                                int widestLabel) {
    const int gap = m.margin();
    const int textHeight = promptHeight + gap + m.buttonHeight + gap + m.buttonHeight;
    const ButtonDialogLayout d = layOutButtonDialog(m, titleHeight, textHeight, buttonCount, widestLabel);
    PromptLayout l{d.window, d.text, {}, {}, d.buttons};
    // On a screen too low for everything the prompt gives way: the field
    // and the status line keep a finger's height.
    const int statusTop = d.text.bottom - m.buttonHeight;
    const int fieldTop = statusTop - gap - m.buttonHeight;
    l.prompt.bottom = std::max(d.text.top, fieldTop - gap);
    l.field = {d.text.left, fieldTop, d.text.right, fieldTop + m.buttonHeight};
    l.status = {d.text.left, statusTop, d.text.right, d.text.bottom};
    return l;
}

FormLayout layOutForm(const DialogMetrics& m, int titleHeight, int rowCount, int buttonCount) {
    FormLayout l;
    const int gap = m.margin();
    const int width = dialogWidth(m);
    const bool sideBySide = !m.isPortrait();
    const int linesPerRow = sideBySide ? 1 : 2;
    // Fixed parts: title, status line, buttons and the gaps around them.
    const int fixed = titleHeight + gap + m.buttonHeight + gap + m.buttonHeight + gap;
    const int available = m.screenHeight - 2 * m.margin() - fixed;
    int line = m.buttonHeight;
    if (rowCount > 0 && rowCount * linesPerRow * (line + gap / 2) > available)
        line = std::max(m.buttonHeight / 2, available / (rowCount * linesPerRow) - gap / 2);
    const int rowHeight = linesPerRow * line + (linesPerRow - 1) * (gap / 2);
    const int rowsHeight = rowCount * (rowHeight + gap / 2);
    l.window = centredWindow(m, width, fixed + rowsHeight);
    const int w = l.window.width(), h = l.window.height();
    for (int i = 0; i < rowCount; ++i) {
        const int top = titleHeight + gap + i * (rowHeight + gap / 2);
        if (sideBySide) {
            const int split = gap + (w - 2 * gap) * 2 / 5;
            l.labels.push_back({gap, top, split, top + line});
            l.fields.push_back({split + gap, top, w - gap, top + line});
        } else {
            l.labels.push_back({gap, top, w - gap, top + line});
            l.fields.push_back({gap, top + line + gap / 2, w - gap, top + rowHeight});
        }
    }
    const int buttonsTop = h - gap - m.buttonHeight;
    l.status = {gap, buttonsTop - gap - m.buttonHeight, w - gap, buttonsTop - gap};
    l.buttons = splitRow(gap, w - gap, buttonsTop, buttonsTop + m.buttonHeight, buttonCount, gap);
    return l;
}

MasterDetailLayout layOutMasterDetail(const DialogMetrics& m, int titleHeight, int buttonCount) {
    MasterDetailLayout l;
    const int gap = m.margin();
    l.window = centredWindow(m, m.screenWidth, m.screenHeight);
    const int w = l.window.width(), h = l.window.height();
    const int buttonsTop = h - gap - m.buttonHeight;
    l.buttons = splitRow(gap, w - gap, buttonsTop, buttonsTop + m.buttonHeight, buttonCount, gap);
    const int contentTop = titleHeight + gap, contentBottom = buttonsTop - gap;
    const int iconSize = std::min(m.buttonWidth, (contentBottom - contentTop) / 3);
    if (m.isPortrait()) {
        const int split = contentTop + (contentBottom - contentTop) * 3 / 5;
        l.list = {gap, contentTop, w - gap, split};
        l.icon = {gap, split + gap, gap + iconSize, split + gap + iconSize};
        l.description = {2 * gap + iconSize, split + gap, w - gap, contentBottom};
    } else {
        const int split = gap + (w - 2 * gap) / 2;
        l.list = {gap, contentTop, split, contentBottom};
        l.icon = {split + gap, contentTop, split + gap + iconSize, contentTop + iconSize};
        l.description = {split + gap, contentTop + iconSize + gap, w - gap, contentBottom};
    }
    return l;
}

ListEditorLayout layOutListEditor(const DialogMetrics& m, int titleHeight) {
    ListEditorLayout l;
    const int gap = m.margin(), row = m.buttonHeight;
    l.window = centredWindow(m, m.screenWidth, m.screenHeight);
    const int w = l.window.width(), h = l.window.height();
    const int buttonsTop = h - gap - row;
    l.buttons = splitRow(gap, w - gap, buttonsTop, buttonsTop + row, 2, gap);
    const int editTop = buttonsTop - gap - row;
    int kindTop = editTop;
    if (m.isPortrait()) {
        const std::vector<Box> edit = splitRow(gap, w - gap, editTop, editTop + row, 2, gap);
        l.add = edit[0], l.remove = edit[1];
        kindTop = editTop - gap - row;
        l.kind = {gap, kindTop, w - gap, kindTop + row};
    } else {
        const std::vector<Box> edit = splitRow(gap, w - gap, editTop, editTop + row, 4, gap);
        l.kind = {edit[0].left, editTop, edit[1].right, editTop + row};
        l.add = edit[2], l.remove = edit[3];
    }
    l.list = {gap, titleHeight + gap, w - gap, std::max(titleHeight + gap, kindTop - gap)};
    return l;
}

Box scaleDesignBox(const Box& d, int designWidth, int designHeight, int screenWidth, int screenHeight) {
    auto sx = [&](int x) { return int(int64_t(x) * screenWidth / designWidth); };
    auto sy = [&](int y) { return int(int64_t(y) * screenHeight / designHeight); };
    return {sx(d.left), sy(d.top), sx(d.right), sy(d.bottom)};
}

int listRowHeight(const DialogMetrics& m, int fontHeight) { return std::max(fontHeight + 4, m.buttonHeight * 3 / 4); }

int visibleRowCount(const Box& area, int rowHeight) { return rowHeight > 0 ? area.height() / rowHeight : 0; }

std::vector<Box> layOutScrolledRows(const Box& area, int rowHeight, int count, int firstRow) {
    std::vector<Box> rows;
    for (int i = 0; i < count; ++i) {
        const int top = area.top + (i - firstRow) * rowHeight;
        const Box row{area.left, top, area.right, top + rowHeight};
        rows.push_back(area.contains(row) ? row : Box{});
    }
    return rows;
}
