#include "ui/MaterialWindow.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <algorithm>

namespace balka {

namespace {

const QColor SelectedCell(166, 200, 240);

// Hands the typed text of a value cell to the window and filters the keys of the cell editor.
class ValueCellDelegate : public QStyledItemDelegate {
  public:
    explicit ValueCellDelegate(MaterialWindow* window)
        : QStyledItemDelegate(window), window_(window) {}

    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        // A message box raised by the edit takes the focus from the cell editor, which would
        // commit the same edit a second time.
        if (committing_) {
            return;
        }
        committing_ = true;
        window_->CellEditDone(index.column(), index.row() + 1,
                              static_cast<QLineEdit*>(editor)->text());
        committing_ = false;
    }

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            const bool printable = !text.isEmpty() && text.at(0) >= QChar(' ');
            if (printable && !MaterialEditor::AcceptsCellKey(text.at(0).unicode())) {
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

  private:
    MaterialWindow* window_;
    mutable bool committing_ = false;
};

} // namespace

MaterialWindow::MaterialWindow(MaterialEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(QStringLiteral("Характеристики материала"));

    const TextTable& cells = editor_.Table();
    table_ = new QTableWidget(cells.RowCount() - 1, cells.ColumnCount(), this);
    table_->setGeometry(8, 8, 264, 96);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(18);
    table_->horizontalHeader()->setFixedHeight(20);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setColumnWidth(0, 58);
    for (int column = 1; column < cells.ColumnCount(); ++column) {
        table_->setColumnWidth(column, 67);
    }
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked);
    table_->setItemDelegate(new ValueCellDelegate(this));
    QPalette colours = table_->palette();
    colours.setColor(QPalette::Highlight, SelectedCell);
    colours.setColor(QPalette::HighlightedText, Qt::black);
    table_->setPalette(colours);

    const char* lines[] = {"A,B,C - типы материала Драволит", "Custom - пользовательский тип",
                           "Rиз - расчетное сопротивление изгибу",
                           "Rск - расчетное сопротивление скалыванию", "E - модуль упругости"};
    // The dialog widens when the font makes a legend line longer than the table.
    int width = 280;
    int y = 110;
    for (const char* line : lines) {
        auto* label = new QLabel(QString::fromUtf8(line), this);
        const int textWidth = std::max(260, label->sizeHint().width());
        label->setGeometry(12, y, textWidth, 16);
        width = std::max(width, textWidth + 20);
        y += 16;
    }
    setFixedSize(width, 230);
    table_->move((width - table_->width()) / 2, 8);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry((width - 75) / 2, 196, 75, 25);
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);

    for (int row = 1; row < cells.RowCount(); ++row) {
        for (int column = 0; column < cells.ColumnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setForeground(Qt::black);
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (MaterialEditor::IsCellEditable(column, row)) {
                flags |= Qt::ItemIsEditable;
                item->setBackground(Qt::white);
            } else {
                item->setBackground(palette().window());
            }
            item->setFlags(flags);
            table_->setItem(row - 1, column, item);
        }
    }
    editor_.AttachView(this);
    Refresh();
}

MaterialWindow::~MaterialWindow() {
    editor_.AttachView(nullptr);
}

// The window has no field of its own to focus; the table's cells are chosen through SelectCell.
void MaterialWindow::FocusField(const std::string&) {}

void MaterialWindow::SelectCell(int column, int row) {
    table_->setCurrentCell(row - 1, column);
}

// Texts are set in place: an edit may still be closing over its item.
void MaterialWindow::Refresh() {
    const TextTable& cells = editor_.Table();
    for (int column = 0; column < cells.ColumnCount(); ++column) {
        table_->setHorizontalHeaderItem(
            column, new QTableWidgetItem(QString::fromStdString(cells.Cell(column, 0))));
        for (int row = 1; row < cells.RowCount(); ++row) {
            table_->item(row - 1, column)->setText(QString::fromStdString(cells.Cell(column, row)));
        }
    }
}

void MaterialWindow::CellEditDone(int column, int row, const QString& text) {
    editor_.GridEditCellDone(column, row, text.toStdString());
    // A refused or unchanged edit leaves the model's text, which replaces the typed one.
    table_->item(row - 1, column)
        ->setText(QString::fromStdString(editor_.Table().Cell(column, row)));
}

} // namespace balka
