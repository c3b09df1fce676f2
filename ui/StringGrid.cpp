#include "ui/StringGrid.h"

#include "ui/HeaderlessGrid.h"

namespace ui {

StringGrid::StringGrid(int rows, int columns, QWidget* parent) : QTableWidget(parent)
{
    hideHeadersThenSize(*this, rows, columns);
}

bool StringGrid::wouldLeave(CursorAction cursorAction) const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return false;
    if (cursorAction == MoveNext)
        return current.row() == rowCount() - 1 && current.column() == columnCount() - 1;
    if (cursorAction == MovePrevious) return current.row() == 0 && current.column() == 0;
    return false;
}

// Staying put makes the view ignore the Tab, and the window then moves the focus on.
QModelIndex StringGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (wouldLeave(cursorAction)) return currentIndex();
    return QTableWidget::moveCursor(cursorAction, modifiers);
}

// An editor takes Tab itself and asks for the next cell; at the edge the text is kept and the focus
// leaves the grid at once rather than after a second Tab.
void StringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    const bool leaving = (forward || hint == QAbstractItemDelegate::EditPreviousItem) &&
                         wouldLeave(forward ? MoveNext : MovePrevious);
    QTableWidget::closeEditor(editor, leaving ? QAbstractItemDelegate::NoHint : hint);
    if (leaving) focusNextPrevChild(forward);
}

} // namespace ui
