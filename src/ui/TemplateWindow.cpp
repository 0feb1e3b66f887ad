// The template window's widgets and their wiring. Texts reach the model as the user edits them;
// the model's derived box (height or angle) comes back through Refresh, which writes only texts
// that differ, so the caret of the box being typed into stays where it is.
#include "ui/TemplateWindow.h"

#include "ui/EscapeCloses.h"
#include "ui/GuardedAction.h"
#include "ui/NamedButton.h"
#include "ui/NumericKeyForwarder.h"
#include "ui/ResourcePicture.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace balka {

namespace {

using Box = TemplateDialog::Box;

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TemplateWindow::TemplateWindow(Workspace& workspace, QWidget* parent)
    : QWidget(parent, Qt::Window), workspace_(workspace), model_(workspace.Template) {
    setWindowTitle(QStringLiteral("Шаблон"));
    BuildLayout();
    model_.AttachView(this);
    Refresh();
}

TemplateWindow::~TemplateWindow() {
    model_.AttachView(nullptr);
}

QLineEdit* TemplateWindow::AddBox(QBoxLayout* layout, Box box, const char* caption) {
    layout->addWidget(new QLabel(QString::fromUtf8(caption), this));
    auto* edit = new QLineEdit(this);
    edit->setObjectName(ToQt(TemplateDialog::BoxName(box)));
    layout->addWidget(edit);
    NumericKeyForwarder::Attach(
        edit, [this](NumericBox& state, char32_t key) { return model_.BoxKeyPress(state, key); });
    connect(edit, &QLineEdit::textEdited, this,
            [this, box](const QString& text) { model_.TextChanged(box, text.toStdString()); });
    boxes_[box] = edit;
    return edit;
}

void TemplateWindow::BuildLayout() {
    auto* top = new QVBoxLayout(this);

    auto* spansRow = new QHBoxLayout;
    spansRow->addWidget(new QLabel(QStringLiteral("Количество пролетов"), this));
    spans_ = new QComboBox(this);
    spans_->setObjectName(QStringLiteral("cbSpans"));
    for (int n = 1; n <= TemplateDialog::MaxSpans; ++n) {
        spans_->addItem(QString::number(n));
    }
    connect(spans_, &QComboBox::activated, this,
            [this](int index) { model_.cbSpansChange(index + 1); });
    spansRow->addWidget(spans_);
    spansRow->addStretch();
    top->addLayout(spansRow);

    // The scheme picture of the chosen spans and cantilevers.
    image_ = new QLabel(this);
    image_->setObjectName(QStringLiteral("Image"));
    image_->setFixedSize(411, 75);
    image_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    top->addWidget(image_);

    auto* columns = new QHBoxLayout;
    auto* lengths = new QVBoxLayout;
    left_ = new QCheckBox(this);
    left_->setObjectName(QStringLiteral("cbLeft"));
    auto* leftRow = new QHBoxLayout;
    leftRow->addWidget(left_);
    auto* leftBox = new QVBoxLayout;
    AddBox(leftBox, Box::Left, " Консоль слева, м");
    leftRow->addLayout(leftBox);
    lengths->addLayout(leftRow);
    for (int span = 1; span <= TemplateDialog::MaxSpans; ++span) {
        const std::string caption = " Пролет L" + std::to_string(span) + ", м";
        AddBox(lengths, TemplateDialog::SpanBox(span), caption.c_str());
    }
    right_ = new QCheckBox(this);
    right_->setObjectName(QStringLiteral("cbRight"));
    auto* rightRow = new QHBoxLayout;
    rightRow->addWidget(right_);
    auto* rightBox = new QVBoxLayout;
    AddBox(rightBox, Box::Right, " Консоль справа, м");
    rightRow->addLayout(rightBox);
    lengths->addLayout(rightRow);
    connect(left_, &QCheckBox::clicked, this,
            [this](bool checked) { model_.cbLeftClick(checked); });
    connect(right_, &QCheckBox::clicked, this,
            [this](bool checked) { model_.cbRightClick(checked); });

    auto* slope = new QVBoxLayout;
    AddBox(slope, Box::Angle, " Угол наклона, град");
    AddBox(slope, Box::Height, " Перепад высот, м");
    auto* fixed = new QGroupBox(QStringLiteral(" Фиксировать "), this);
    auto* fixedLayout = new QVBoxLayout(fixed);
    byAngle_ = new QRadioButton(QStringLiteral("угол наклона"), fixed);
    byAngle_->setObjectName(QStringLiteral("rbAngle"));
    byHeight_ = new QRadioButton(QStringLiteral("перепад высот крайних опор"), fixed);
    byHeight_->setObjectName(QStringLiteral("rbH"));
    fixedLayout->addWidget(byAngle_);
    fixedLayout->addWidget(byHeight_);
    connect(byAngle_, &QRadioButton::clicked, this,
            [this] { model_.FixedChange(TemplateDialog::Fixed::Angle); });
    connect(byHeight_, &QRadioButton::clicked, this,
            [this] { model_.FixedChange(TemplateDialog::Fixed::Height); });
    slope->addWidget(fixed);
    AddBox(slope, Box::Step, " Шаг балок, м");
    AddBox(slope, Box::Load, " Нормативная нагрузка, кг/м2");
    AddBox(slope, Box::Yf, " Коэффициент надежности");
    slope->addStretch();
    columns->addLayout(lengths);
    columns->addLayout(slope);
    top->addLayout(columns);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* apply = AddNamedButton(this, buttons, "bApply", "Применить");
    QPushButton* ok = AddNamedButton(this, buttons, "bOK", "ОК");
    QPushButton* cancel = AddNamedButton(this, buttons, "bCancel", "Отмена");
    top->addLayout(buttons);
    connect(apply, &QPushButton::clicked, this, [this] { Run([this] { model_.bApplyClick(); }); });
    connect(ok, &QPushButton::clicked, this, [this] {
        Run([this] {
            if (model_.bOKClick()) {
                hide();
            }
        });
    });
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    // Enter applies the template from any of its boxes; Esc closes the window.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, apply, &QPushButton::click);
    }
    CloseOnEscape(*this);
}

void TemplateWindow::Run(const std::function<void()>& action) {
    RunGuarded(workspace_.Messages, action);
}

void TemplateWindow::FocusField(const std::string& controlName) {
    if (auto* widget = findChild<QWidget*>(ToQt(controlName))) {
        widget->setFocus();
    }
}

void TemplateWindow::Refresh() {
    spans_->setCurrentIndex(model_.SpanNumber - 1);
    left_->setChecked(model_.LeftChecked);
    right_->setChecked(model_.RightChecked);
    byAngle_->setChecked(model_.FixedValue == TemplateDialog::Fixed::Angle);
    byHeight_->setChecked(model_.FixedValue == TemplateDialog::Fixed::Height);
    for (const auto& [box, edit] : boxes_) {
        const QString text = ToQt(model_.BoxText(box));
        if (edit->text() != text) {
            edit->setText(text);
        }
        edit->setEnabled(model_.IsBoxEnabled(box));
    }
    const std::string scheme = model_.SchemeName();
    if (image_->property("bitmapName").toString() != ToQt(scheme)) {
        image_->setPixmap(ResourcePicture(scheme));
        image_->setProperty("bitmapName", ToQt(scheme));
    }
}

} // namespace balka
