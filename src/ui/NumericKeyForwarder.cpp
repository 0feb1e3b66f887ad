#include "ui/NumericKeyForwarder.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace balka {

void NumericKeyForwarder::Attach(QLineEdit* box, KeyOperation operation) {
    box->installEventFilter(new NumericKeyForwarder(box, std::move(operation)));
}

NumericKeyForwarder::NumericKeyForwarder(QLineEdit* box, KeyOperation operation)
    : QObject(box), box_(box), operation_(std::move(operation)) {}

bool NumericKeyForwarder::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & Qt::ControlModifier) {
        return false;
    }
    char32_t code = 0;
    if (key->key() == Qt::Key_Backspace) {
        code = KeyBackspace;
    } else if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        code = KeyEnter;
    } else {
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint()) {
            return false;
        }
        code = text.toUcs4().value(0);
    }
    // The model counts the caret in bytes of UTF-8, the box in characters.
    const QString before = box_->text();
    NumericBox state{before.toStdString(),
                     static_cast<size_t>(before.left(box_->cursorPosition()).toUtf8().size())};
    if (operation_(state, code)) {
        return false;
    }
    const QString after = QString::fromStdString(state.Text);
    if (after != before) {
        box_->setText(after);
        box_->setCursorPosition(
            static_cast<int>(QString::fromStdString(state.Text.substr(0, state.Caret)).size()));
        // setText is not an edit by the user; the window learns the new text as from typing.
        emit box_->textEdited(after);
    }
    return true;
}

} // namespace balka
