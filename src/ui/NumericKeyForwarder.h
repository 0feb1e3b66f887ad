// Forwards the typed characters of a line edit to a window model's key operation: the key reaches
// the box only when the model lets it pass, and a separator the model inserted itself is shown
// with the caret after it. Navigation and editing keys without a character (arrows, Delete,
// Home, End, Tab) and shortcuts with Ctrl are left to the box.
#pragma once

#include "model/NumericKeyFilter.h"

#include <QObject>
#include <functional>

class QLineEdit;

namespace balka {

class NumericKeyForwarder : public QObject {
    Q_OBJECT
  public:
    using KeyOperation = std::function<bool(NumericBox&, char32_t)>;

    // The forwarder belongs to the box and lives as long as it.
    static void Attach(QLineEdit* box, KeyOperation operation);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    NumericKeyForwarder(QLineEdit* box, KeyOperation operation);

    QLineEdit* box_;
    KeyOperation operation_;
};

} // namespace balka
