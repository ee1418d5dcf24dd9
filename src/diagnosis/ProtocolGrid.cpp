#include "ProtocolGrid.h"

#include "Panel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace orvela {

namespace {

// Draws a cell as the protocol shows it: its text one pixel from the left edge, whole (the
// leading spaces of the texts are their indentation), on white, aqua for the fixed cells, or navy
// when the row is chosen.
class CellPainter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool chosen = option.state & QStyle::State_Selected;
        const QVariant background = index.data(Qt::BackgroundRole);
        QColor fill = colors::white;
        if (chosen)
            fill = colors::navy;
        else if (background.canConvert<QBrush>())
            fill = background.value<QBrush>().color();
        p->fillRect(option.rect, fill);
        p->setFont(option.font);
        p->setPen(chosen ? colors::white : colors::black);
        p->drawText(option.rect.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                    index.data(Qt::DisplayRole).toString());
    }
};

} // namespace

ProtocolGrid::ProtocolGrid(int columns, int rows, QWidget* parent)
    : QTableWidget(rows, columns, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // The view never selects by itself: the current row is selected from column 1 on.
    setSelectionMode(QAbstractItemView::NoSelection);
    setItemDelegate(new CellPainter(this));
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 1) selectColumnsOf(row);
    });
    setShowGrid(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setFrameShape(QFrame::NoFrame);
    setTabKeyNavigation(false);

    QPalette pal = palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(g, QPalette::Highlight, colors::navy);
        pal.setColor(g, QPalette::HighlightedText, colors::white);
    }
    pal.setColor(QPalette::Base, colors::white);
    pal.setColor(QPalette::Text, colors::black);
    setPalette(pal);

    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            cellItem(r, c);
}

QTableWidgetItem* ProtocolGrid::cellItem(int row, int column) {
    QTableWidgetItem* it = item(row, column);
    if (it) return it;
    it = new QTableWidgetItem;
    it->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (isFixed(row, column)) {
        // Shown, never chosen.
        it->setFlags(Qt::ItemIsEnabled);
        it->setBackground(colors::aqua);
    } else {
        it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    setItem(row, column, it);
    return it;
}

QString ProtocolGrid::text(int row, int column) const {
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

void ProtocolGrid::setText(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
    cellItem(row, column)->setText(text);
}

void ProtocolGrid::selectRow(int row) {
    row = std::clamp(row, 1, std::max(1, rowCount() - 1));
    setCurrentCell(row, 1, QItemSelectionModel::NoUpdate);
    selectColumnsOf(row);
}

void ProtocolGrid::selectColumnsOf(int row) {
    const QItemSelection chosen(model()->index(row, 1), model()->index(row, columnCount() - 1));
    selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
}

void ProtocolGrid::setSizes(int rowHeight, const std::vector<int>& columnWidths) {
    for (int r = 0; r < rowCount(); ++r)
        setRowHeight(r, rowHeight + kLineWidth);
    for (int c = 0; c < columnCount() && c < static_cast<int>(columnWidths.size()); ++c)
        setColumnWidth(c, columnWidths[static_cast<std::size_t>(c)]);
}

int ProtocolGrid::rowTop(int row) const {
    return rowViewportPosition(row);
}

QModelIndex ProtocolGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    // The headings and the numbers are never chosen.
    const int row = std::clamp(next.isValid() ? next.row() : currentRow(), 1, rowCount() - 1);
    const int column = std::max(1, next.isValid() ? next.column() : currentColumn());
    return model()->index(row, column);
}

void ProtocolGrid::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Q_EMIT enterPressed();
        e->accept();
        return;
    }
    Q_EMIT otherKeyPressed();
    if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right) {
        // Whole rows are chosen: sideways moves nothing.
        e->accept();
        return;
    }
    QTableWidget::keyPressEvent(e);
}

void ProtocolGrid::mousePressEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    const int row = rowAt(e->position().toPoint().y());
    if (row >= 1) selectRow(row);
    Q_EMIT pressed();
    e->accept();
}

void ProtocolGrid::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
}

void ProtocolGrid::mouseReleaseEvent(QMouseEvent* e) {
    Q_EMIT released(rowAt(e->position().toPoint().y()));
    e->accept();
}

void ProtocolGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    const int row = rowAt(e->position().toPoint().y());
    if (row >= 1) selectRow(row);
    Q_EMIT doubleClicked(row);
    e->accept();
}

void ProtocolGrid::paintEvent(QPaintEvent* e) {
    QTableWidget::paintEvent(e);
    QPainter p(viewport());
    p.setPen(Qt::NoPen);
    p.setBrush(colors::gray);
    // The line below each row and right of each column, inside the cell's own size.
    int x = 0;
    for (int c = 0; c < columnCount(); ++c) {
        x += columnWidth(c);
        p.drawRect(x - kLineWidth, 0, kLineWidth,
                   rowViewportPosition(rowCount() - 1) + rowHeight(rowCount() - 1));
    }
    for (int r = 0; r < rowCount(); ++r) {
        const int bottom = rowViewportPosition(r) + rowHeight(r);
        p.drawRect(0, bottom - kLineWidth, x, kLineWidth);
    }
}

} // namespace orvela
