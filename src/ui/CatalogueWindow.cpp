#include "ui/CatalogueWindow.h"

#include "model/NumericKeyFilter.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace balka {

namespace {

const QColor SelectedCell(166, 200, 240);

// Paints a data cell as its mark: a filled green or red rectangle inset 6 pixels left and right
// and 4 pixels top and bottom; the digit itself is not drawn.
class MarkDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect, selected ? SelectedCell : QColor(Qt::white));
        const QString mark = index.data().toString();
        if (mark == QLatin1String("1") || mark == QLatin1String("2")) {
            painter->fillRect(option.rect.adjusted(6, 4, -6, -4),
                              mark == QLatin1String("1") ? QColor(Qt::green) : QColor(Qt::red));
        }
    }
};

} // namespace

CatalogueWindow::CatalogueWindow(CatalogueEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
    setWindowTitle(QStringLiteral("Сортамент"));

    grid_ = new QTableWidget(this);
    grid_->move(12, 12);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setDefaultSectionSize(CatalogueEditor::ColumnWidth);
    grid_->horizontalHeader()->setFixedHeight(20);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(CatalogueEditor::RowHeight);
    grid_->verticalHeader()->setFixedWidth(41);
    grid_->setItemDelegate(new MarkDelegate(grid_));
    connect(grid_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int column) { editor_.ToggleSize(column + 1, row + 1); });

    widthBox_ = new QLineEdit(this);
    heightBox_ = new QLineEdit(this);
    widthBox_->installEventFilter(this);
    heightBox_->installEventFilter(this);
    addWidth_ = AddButton("Добавить толщину");
    addHeight_ = AddButton("Добавить высоту");
    deleteRow_ = AddButton("Удалить строку");
    deleteColumn_ = AddButton("Удалить столбец");
    ok_ = AddButton("ОК");
    connect(addWidth_, &QPushButton::clicked, this,
            [this] { editor_.AddWidth(widthBox_->text().toStdString()); });
    connect(addHeight_, &QPushButton::clicked, this,
            [this] { editor_.AddHeight(heightBox_->text().toStdString()); });
    connect(deleteRow_, &QPushButton::clicked, this,
            [this] { editor_.DeleteRow(grid_->currentRow() + 1); });
    connect(deleteColumn_, &QPushButton::clicked, this,
            [this] { editor_.DeleteColumn(grid_->currentColumn() + 1); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::hide);

    editor_.AttachView(this);
    Refresh();
}

CatalogueWindow::~CatalogueWindow() {
    editor_.AttachView(nullptr);
}

QPushButton* CatalogueWindow::AddButton(const char* text) {
    auto* button = new QPushButton(QString::fromUtf8(text), this);
    // Enter belongs to the boxes; no button is pressed by it behind the user's back.
    button->setAutoDefault(false);
    return button;
}

void CatalogueWindow::Refresh() {
    const TextTable& cells = editor_.Grid();
    const int rows = cells.RowCount() - 1;
    const int columns = cells.ColumnCount() - 1;
    grid_->clear();
    grid_->setRowCount(rows);
    grid_->setColumnCount(columns);
    for (int column = 1; column <= columns; ++column) {
        grid_->setHorizontalHeaderItem(
            column - 1, new QTableWidgetItem(QString::fromStdString(cells.Cell(column, 0))));
    }
    for (int row = 1; row <= rows; ++row) {
        grid_->setVerticalHeaderItem(
            row - 1, new QTableWidgetItem(QString::fromStdString(cells.Cell(0, row))));
        for (int column = 1; column <= columns; ++column) {
            grid_->setItem(row - 1, column - 1,
                           new QTableWidgetItem(QString::fromStdString(cells.Cell(column, row))));
        }
    }

    const CatalogueEditor::Geometry sizes = editor_.Sizes();
    grid_->resize(sizes.GridWidth, sizes.GridHeight);
    setFixedSize(sizes.WindowWidth, sizes.WindowHeight);
    const int top = 12 + sizes.GridHeight + 10;
    widthBox_->setGeometry(12, top, 70, 24);
    addWidth_->setGeometry(88, top, 130, 24);
    deleteRow_->setGeometry(230, top, 130, 24);
    heightBox_->setGeometry(12, top + 32, 70, 24);
    addHeight_->setGeometry(88, top + 32, 130, 24);
    deleteColumn_->setGeometry(230, top + 32, 130, 24);
    ok_->setGeometry((sizes.WindowWidth - 75) / 2, top + 72, 75, 25);
}

bool CatalogueWindow::eventFilter(QObject* object, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(object);
    if (box != nullptr && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && static_cast<QKeyEvent*>(event)->key() != Qt::Key_Delete) {
            NumericBox numeric{box->text().toStdString(),
                               static_cast<size_t>(box->cursorPosition())};
            return !FilterNumericKey(numeric, text.at(0).unicode(), MinusSign::Refused,
                                     NumberKind::Integer);
        }
    }
    return QDialog::eventFilter(object, event);
}

void CatalogueWindow::FocusField(const std::string& controlName) {
    if (controlName == "edWidth") {
        widthBox_->setFocus();
    } else if (controlName == "edHeight") {
        heightBox_->setFocus();
    } else if (controlName == "bOK") {
        ok_->setFocus();
    }
}

void CatalogueWindow::SelectCell(int column, int row) {
    grid_->setCurrentCell(row - 1, column - 1);
}

} // namespace balka
