// The application's error handler: whatever a user action throws ends as one message with the
// error's own text, and nothing escapes into the event loop.
#include "ui/GuardedAction.h"
#include "model/ConversionError.h"
#include "model/FileAccess.h"
#include "support/RecordingMessageSink.h"

#include <QtTest>

using namespace balka;

class GuardedActionTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheTextOfEveryFailure() {
        RecordingMessageSink messages;
        RunGuarded(messages, [] { throw ConversionError("значение \"x\" не является числом."); });
        RunGuarded(messages,
                   [] { throw FileError("Не удалось записать файл \"/нет/report.html\"."); });
        RunGuarded(messages, [] {});
        QCOMPARE(messages.Messages.size(), size_t{2});
        QCOMPARE(QString::fromStdString(messages.Messages[1]),
                 QStringLiteral("Не удалось записать файл \"/нет/report.html\"."));
    }
};

QTEST_GUILESS_MAIN(GuardedActionTest)
#include "GuardedActionTest.moc"
