// The geometry window's widgets and their wiring to the model; a conversion error of an action
// ends it with its own text in a message box.
#include "ui/GeometryWindow.h"

#include "editors/GeometryEditor.h"
#include "ui/CellEditDelegate.h"
#include "ui/EscapeCloses.h"
#include "ui/GuardedAction.h"
#include "ui/NamedButton.h"
#include "ui/NumericKeyForwarder.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace balka {

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

void ShowText(QLineEdit* box, const std::string& text) {
    if (box->text() != ToQt(text)) {
        box->setText(ToQt(text));
    }
}

void ShowChoice(QComboBox* list, int index) {
    if (list->currentIndex() != index) {
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(index);
    }
}

} // namespace

GeometryWindow::GeometryWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window), workspace_(workspace), model_(workspace.Geometry) {
    setWindowTitle(ToQt(GeometryEditor::Caption));
    BuildLayout();
    model_.AttachView(this);
    Refresh();
}

GeometryWindow::~GeometryWindow() {
    model_.AttachView(nullptr);
}

void GeometryWindow::BuildLayout() {
    const auto addSupport = [this](QVBoxLayout* layout, const char* name, const char* caption) {
        layout->addWidget(new QLabel(QString::fromUtf8(caption), this));
        auto* list = new QComboBox(this);
        list->setObjectName(QString::fromUtf8(name));
        for (const char* support : GeometryEditor::SupportNames) {
            list->addItem(QString::fromUtf8(support));
        }
        layout->addWidget(list);
        return list;
    };

    auto* panel = new QVBoxLayout;
    spanLength_ = new QLineEdit(this);
    spanLength_->setObjectName(QStringLiteral("leSpanLength"));
    panel->addWidget(spanLength_);
    auto* tableButtons = new QHBoxLayout;
    QPushButton* add = AddNamedButton(this, tableButtons, "bAdd", "Добавить");
    QPushButton* remove = AddNamedButton(this, tableButtons, "bDelete", "Удалить");
    QPushButton* clear = AddNamedButton(this, tableButtons, "bClear", "Очистить");
    panel->addLayout(tableButtons);
    panel->addWidget(new QLabel(QStringLiteral(" Угол, град"), this));
    angle_ = new QLineEdit(this);
    angle_->setObjectName(QStringLiteral("leAngle"));
    panel->addWidget(angle_);
    leftSupport_ = addSupport(panel, "cbLeftSupport", "Опора слева");
    rightSupport_ = addSupport(panel, "cbRightSupport", "Опора справа");
    panel->addStretch();
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    QPushButton* ok = AddNamedButton(this, okRow, "bOK", "ОК");
    panel->addLayout(okRow);

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("Grid"));
    // Every column stays in sight: the columns share the table's width instead of scrolling.
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    CellEditHooks hooks;
    hooks.CanEdit = [this](int column, int row) { return model_.GridCanEditCell(column, row); };
    hooks.Begin = [this](int column, int row) { model_.GridDblClickCell(column, row); };
    hooks.KeyPasses = [this](char32_t key) { return model_.GridKeyPress(key); };
    hooks.Done = [this](int column, int row, const std::string& text) {
        Run([&] { model_.GridEditCellDone(column, row, text); });
        Refresh();
    };
    new CellEditDelegate(std::move(hooks), grid_);

    NumericKeyForwarder::Attach(spanLength_, [this](NumericBox& box, char32_t key) {
        return RunKey([&] { return model_.leSpanLengthKeyPress(box, key); });
    });
    NumericKeyForwarder::Attach(angle_, [this](NumericBox& box, char32_t key) {
        return RunKey([&] { return model_.leAngleKeyPress(box, key); });
    });
    connect(spanLength_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.SpanLengthText = text.toStdString(); });
    connect(angle_, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_.leAngleChange(text.toStdString()); });
    connect(leftSupport_, &QComboBox::currentIndexChanged, this,
            [this](int index) { Run([&] { model_.cbLeftSupportChange(index); }); });
    connect(rightSupport_, &QComboBox::currentIndexChanged, this,
            [this](int index) { Run([&] { model_.cbRightSupportChange(index); }); });
    // No current row (-1) means nothing is selected, and "Удалить" then deletes nothing.
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row) { model_.SelectedRow = row + 1; });
    connect(add, &QPushButton::clicked, this, [this] { Run([this] { model_.bAddClick(); }); });
    connect(remove, &QPushButton::clicked, this,
            [this] { Run([this] { model_.bDeleteClick(); }); });
    connect(clear, &QPushButton::clicked, this, [this] { Run([this] { model_.bClearClick(); }); });
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);

    auto* top = new QHBoxLayout(this);
    top->addLayout(panel);
    top->addWidget(grid_, 1);
    CloseOnEscape(*this);
    resize(420, 300);
}

void GeometryWindow::Run(const std::function<void()>& action) {
    RunGuarded(workspace_.Messages, action);
}

bool GeometryWindow::RunKey(const std::function<bool()>& action) {
    bool passes = false;
    RunGuarded(workspace_.Messages, [&] { passes = action(); });
    return passes;
}

void GeometryWindow::FocusField(const std::string& controlName) {
    if (auto* box = findChild<QLineEdit*>(ToQt(controlName))) {
        box->setFocus();
        box->selectAll();
    } else if (auto* widget = findChild<QWidget*>(ToQt(controlName))) {
        widget->setFocus();
    }
}

void GeometryWindow::SelectCell(int column, int row) {
    grid_->setCurrentCell(row - 1, column);
}

void GeometryWindow::Refresh() {
    ShowText(spanLength_, model_.SpanLengthText);
    ShowText(angle_, model_.AngleText);
    ShowChoice(leftSupport_, model_.LeftSupportIndex);
    ShowChoice(rightSupport_, model_.RightSupportIndex);
    const int selected = model_.SelectedRow;
    ShowTextTable(*grid_, model_.Grid);
    ShowCurrentRow(*grid_, selected, workspace_.Beam.SpanCount);
}

} // namespace balka
