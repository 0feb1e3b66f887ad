// The holes window's widgets and their wiring. In-place editing starts only by a double-click;
// the edited text reaches the model once the cell editor has closed, so that a refusal's message
// box cannot make the closing editor commit a second time.
#include "ui/HolesWindow.h"

#include "editors/HolesEditor.h"
#include "ui/CellEditDelegate.h"
#include "ui/EscapeCloses.h"
#include "ui/GuardedAction.h"
#include "ui/NamedButton.h"
#include "ui/NumericKeyForwarder.h"
#include "ui/ResourcePicture.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace balka {

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

void SetTextKeepingCaret(QLineEdit* box, const std::string& text) {
    const QString shown = ToQt(text);
    if (box->text() != shown) {
        box->setText(shown);
    }
}

// Opens the span list for "Пр." and a text editor with the cell's key rule for the others.
class HoleCellDelegate : public QStyledItemDelegate {
  public:
    HoleCellDelegate(HolesEditor& model, HolesWindow& window)
        : QStyledItemDelegate(&window), model_(model), window_(window) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const int column = index.column();
        const int row = index.row() + 1;
        if (!model_.GridCanEditCell(column, row)) {
            return nullptr;
        }
        model_.GridDblClickCell(column, row);
        if (model_.GridCellEditor(column, row) == HolesEditor::CellEditor::SpanList) {
            auto* list = new QComboBox(parent);
            for (const std::string& choice : model_.SpanNumberChoices()) {
                list->addItem(ToQt(choice));
            }
            return list;
        }
        auto* editor =
            qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (editor != nullptr) {
            NumericKeyForwarder::Attach(
                editor, [](NumericBox&, char32_t key) { return HolesEditor::GridKeyPress(key); });
        }
        return editor;
    }

    void setModelData(QWidget* editor, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        QString text;
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            text = list->currentText();
        } else if (auto* box = qobject_cast<QLineEdit*>(editor)) {
            text = box->text();
        }
        const int column = index.column();
        const int row = index.row() + 1;
        HolesWindow* window = &window_;
        QMetaObject::invokeMethod(
            window,
            [window, column, row, text] { window->ApplyCellEdit(column, row, text.toStdString()); },
            Qt::QueuedConnection);
    }

  private:
    HolesEditor& model_;
    HolesWindow& window_;
};

QLineEdit* AddLabelledBox(QVBoxLayout* layout, QWidget* owner, const char* name,
                          const char* caption) {
    layout->addWidget(new QLabel(QString::fromUtf8(caption), owner));
    auto* box = new QLineEdit(owner);
    box->setObjectName(QString::fromUtf8(name));
    layout->addWidget(box);
    return box;
}

} // namespace

HolesWindow::HolesWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window), workspace_(workspace), model_(workspace.Holes) {
    setWindowTitle(QStringLiteral("Отверстия"));
    BuildLayout();
    model_.AttachView(this);
    Refresh();
}

HolesWindow::~HolesWindow() {
    model_.AttachView(nullptr);
}

void HolesWindow::BuildLayout() {
    auto* panel = new QVBoxLayout;
    // The explanatory picture of the hole's dimensions.
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("imPicture"));
    picture_->setPixmap(ResourcePicture("HOLES"));
    picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    panel->addWidget(picture_);

    span_ = new QComboBox(this);
    span_->setObjectName(QStringLiteral("cbSpan"));
    panel->addWidget(span_);
    connect(span_, &QComboBox::activated, this, [this](int index) { model_.SpanIndex = index; });

    d_ = AddLabelledBox(panel, this, "leD", " Диаметр отверстия, d, мм");
    x_ = AddLabelledBox(panel, this, "leX", " Привязка к опоре, х, м");
    y_ = AddLabelledBox(panel, this, "leY", " Привязка по высоте, у, м");
    NumericKeyForwarder::Attach(
        d_, [this](NumericBox& box, char32_t key) { return model_.leDKeyPress(box, key); });
    NumericKeyForwarder::Attach(
        x_, [this](NumericBox& box, char32_t key) { return model_.leXKeyPress(box, key); });
    NumericKeyForwarder::Attach(
        y_, [this](NumericBox& box, char32_t key) { return model_.leYKeyPress(box, key); });
    connect(d_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.DText = text.toStdString(); });
    connect(x_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.XText = text.toStdString(); });
    connect(y_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.YText = text.toStdString(); });

    auto* buttons = new QHBoxLayout;
    QPushButton* add = AddNamedButton(this, buttons, "bAdd", "Добавить");
    QPushButton* remove = AddNamedButton(this, buttons, "bDelete", "Удалить");
    QPushButton* clear = AddNamedButton(this, buttons, "bClear", "Очистить");
    panel->addLayout(buttons);
    panel->addStretch();
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    QPushButton* ok = AddNamedButton(this, okRow, "bOK", "ОК");
    connect(add, &QPushButton::clicked, this, [this] { Run([this] { model_.bAddClick(); }); });
    connect(remove, &QPushButton::clicked, this,
            [this] { Run([this] { model_.bDeleteClick(grid_->currentRow() + 1); }); });
    connect(clear, &QPushButton::clicked, this, [this] { Run([this] { model_.bClearClick(); }); });
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("Grid"));
    // Every column stays in sight: the columns share the table's width instead of scrolling.
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->hide();
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked);
    grid_->setItemDelegate(new HoleCellDelegate(model_, *this));
    QPalette palette = grid_->palette();
    palette.setColor(QPalette::Highlight, QColor(166, 202, 240));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    grid_->setPalette(palette);

    auto* right = new QVBoxLayout;
    right->addWidget(grid_);
    right->addLayout(okRow);
    auto* top = new QHBoxLayout(this);
    top->addLayout(panel);
    top->addLayout(right, 1);
    CloseOnEscape(*this);
    resize(640, 380);
}

void HolesWindow::Run(const std::function<void()>& action) {
    RunGuarded(workspace_.Messages, action);
}

void HolesWindow::ApplyCellEdit(int column, int row, const std::string& text) {
    Run([&] { model_.GridEditCellDone(column, row, text); });
    Refresh();
}

bool HolesWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        Refresh();
    }
    return QWidget::event(event);
}

void HolesWindow::FocusField(const std::string& controlName) {
    if (auto* widget = findChild<QWidget*>(ToQt(controlName))) {
        widget->setFocus();
    }
}

void HolesWindow::SelectCell(int column, int row) {
    grid_->setCurrentCell(row - 1, column);
}

void HolesWindow::Refresh() {
    span_->clear();
    for (const std::string& item : model_.SpanItems) {
        span_->addItem(ToQt(item));
    }
    span_->setCurrentIndex(model_.SpanIndex);
    SetTextKeepingCaret(d_, model_.DText);
    SetTextKeepingCaret(x_, model_.XText);
    SetTextKeepingCaret(y_, model_.YText);

    // The current row stays where the user put it, the first one when there was none.
    const int selected = grid_->currentRow() >= 0 ? grid_->currentRow() + 1 : 1;
    const TextTable& table = model_.Grid;
    grid_->setColumnCount(table.ColumnCount());
    grid_->setRowCount(table.RowCount() - 1);
    QStringList headers;
    for (int column = 0; column < table.ColumnCount(); ++column) {
        headers << ToQt(table.Cell(column, 0));
    }
    grid_->setHorizontalHeaderLabels(headers);
    for (int row = 1; row < table.RowCount(); ++row) {
        for (int column = 0; column < table.ColumnCount(); ++column) {
            QTableWidgetItem* item = grid_->item(row - 1, column);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignCenter);
                if (column == HolesEditor::ColNumber) {
                    item->setFlags(Qt::ItemIsEnabled);
                    item->setBackground(palette().button());
                }
                grid_->setItem(row - 1, column, item);
            }
            item->setText(ToQt(table.Cell(column, row)));
        }
    }
    ShowCurrentRow(*grid_, selected, workspace_.Beam.HoleCount);
}

} // namespace balka
