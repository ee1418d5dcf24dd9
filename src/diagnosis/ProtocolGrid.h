#pragma once
// The grid of the diagnosis protocol: a table of text cells whose first row (the headings) and
// first column (the programme numbers) are fixed, in aqua, and can never be chosen; whole rows are
// selected from column 1 on, the grid lines are 2 pixels wide, and there are no scroll bars.
// Enter, the mouse and the other keys are reported to the protocol.

#include <QTableWidget>

namespace orvela {

class ProtocolGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kLineWidth = 2;

    ProtocolGrid(int columns, int rows, QWidget* parent = nullptr);

    // The cell's text (empty for a cell outside the grid); setting makes the cell when needed.
    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    // Makes `row` (1 or more) the current row, selected from column 1 to the last.
    void selectRow(int row);
    // Sizes every row and column; the row heights include the grid line below them.
    void setSizes(int rowHeight, const std::vector<int>& columnWidths);
    // The top of a row in grid coordinates.
    int rowTop(int row) const;

Q_SIGNALS:
    void enterPressed();
    void otherKeyPressed();
    void pressed();
    void released(int row);
    void doubleClicked(int row);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QTableWidgetItem* cellItem(int row, int column);
    void selectColumnsOf(int row);
    bool isFixed(int row, int column) const { return row == 0 || column == 0; }
};

} // namespace orvela
