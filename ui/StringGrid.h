#pragma once

#include <QTableWidget>

namespace ui {

/// A grid of editable texts that the keyboard can leave. Tab and Shift+Tab move from cell to cell, as
/// in a spreadsheet, also while a cell is being edited; Tab on the last cell and Shift+Tab on the first
/// pass the focus on to the next or previous control of the window instead of wrapping around. It has
/// no row and column headers.
class StringGrid final : public QTableWidget {
    Q_OBJECT

public:
    StringGrid(int rows, int columns, QWidget* parent = nullptr);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    /// Whether moving the cursor this way from the current cell would wrap around the grid.
    bool wouldLeave(CursorAction cursorAction) const;
};

} // namespace ui
