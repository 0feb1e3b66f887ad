// Cell editors of the editors' tables and the display of a text table in a table widget.
#include "ui/CellEditDelegate.h"

#include "model/TextTable.h"
#include "ui/NumericKeyForwarder.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QTableWidget>
#include <algorithm>

namespace balka {

CellEditDelegate::CellEditDelegate(CellEditHooks hooks, QTableWidget* table)
    : QStyledItemDelegate(table), hooks_(std::move(hooks)) {
    table->verticalHeader()->hide();
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::DoubleClicked);
    // Selected data cells are light blue with black text.
    QPalette palette = table->palette();
    palette.setColor(QPalette::Highlight, QColor(166, 202, 240));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    table->setPalette(palette);
    table->setItemDelegate(this);
}

QWidget* CellEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    const int column = index.column();
    const int row = index.row() + 1;
    if (!hooks_.CanEdit(column, row)) {
        return nullptr;
    }
    hooks_.Begin(column, row);
    const std::vector<std::string> items =
        hooks_.ListItems ? hooks_.ListItems(column, row) : std::vector<std::string>{};
    if (!items.empty()) {
        auto* list = new QComboBox(parent);
        for (const std::string& item : items) {
            list->addItem(QString::fromStdString(item));
        }
        return list;
    }
    auto* editor =
        qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
    if (editor != nullptr) {
        auto keyPasses = hooks_.KeyPasses;
        NumericKeyForwarder::Attach(
            editor, [keyPasses](NumericBox&, char32_t key) { return keyPasses(key); });
    }
    return editor;
}

void CellEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->setCurrentText(index.data().toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void CellEditDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                    const QModelIndex& index) const {
    QString text;
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        text = list->currentText();
    } else if (auto* box = qobject_cast<QLineEdit*>(editor)) {
        text = box->text();
    }
    const int column = index.column();
    const int row = index.row() + 1;
    auto done = hooks_.Done;
    QMetaObject::invokeMethod(
        parent(), [done, column, row, text] { done(column, row, text.toStdString()); },
        Qt::QueuedConnection);
}

void CellEditDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    if (hooks_.Paint) {
        // The cell's background first, as the usual drawing would give it.
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
        painter->save();
        const bool drawn = hooks_.Paint(painter, option.rect, index.column(), index.row() + 1);
        painter->restore();
        if (drawn) {
            return;
        }
    }
    QStyledItemDelegate::paint(painter, option, index);
}

void ShowTextTable(QTableWidget& widget, const TextTable& table) {
    widget.setColumnCount(table.ColumnCount());
    widget.setRowCount(table.RowCount() - 1);
    QStringList headers;
    for (int column = 0; column < table.ColumnCount(); ++column) {
        headers << QString::fromStdString(table.Cell(column, 0));
    }
    widget.setHorizontalHeaderLabels(headers);
    for (int row = 1; row < table.RowCount(); ++row) {
        for (int column = 0; column < table.ColumnCount(); ++column) {
            QTableWidgetItem* item = widget.item(row - 1, column);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignCenter);
                if (column == 0) {
                    item->setFlags(Qt::ItemIsEnabled);
                    item->setBackground(widget.palette().button());
                }
                widget.setItem(row - 1, column, item);
            }
            item->setText(QString::fromStdString(table.Cell(column, row)));
        }
    }
}

void ShowCurrentRow(QTableWidget& widget, int row, int count) {
    if (row < 1 || row > count || row > widget.rowCount()) {
        widget.clearSelection();
        widget.setCurrentCell(-1, -1);
        return;
    }
    const int column = std::max(widget.currentColumn(), 1);
    widget.setCurrentCell(row - 1, std::min(column, widget.columnCount() - 1));
}

} // namespace balka
