// The desktop commands' Qt side: the file icon comes out as a 48 x 48 PNG, and the setup names
// the running program and the data folder of the environment, so registering lands there (a
// temporary folder: the real user's folders are never touched).
#include "ui/DesktopIntegration.h"
#include "project/FileTypeCommands.h"
#include "support/RecordingMessageSink.h"

#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace balka {

class DesktopIntegrationTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir home_;

  private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_DATA_HOME", home_.filePath("data").toUtf8());
    }

    void iconIsA48PixelPng() {
        const std::string png = FileIconPng();
        QVERIFY(png.rfind("\x89PNG", 0) == 0);
        QImage icon;
        QVERIFY(icon.loadFromData(QByteArray::fromStdString(png), "PNG"));
        QCOMPARE(icon.size(), QSize(48, 48));
    }

    void registrationPointsToTheRunningProgram() {
        const TFileTypeSetup setup = CurrentFileTypeSetup();
        QVERIFY(setup.DataHome.has_value());
        QCOMPARE(QString::fromStdString(setup.DataHome->string()), home_.filePath("data"));
        QCOMPARE(QString::fromStdString(setup.Target.Program.string()),
                 QCoreApplication::applicationFilePath());

        RecordingMessageSink messages;
        SpawnedToolRunner tools;
        FileTypeCommands commands(setup, messages, tools);
        commands.RegisterCommand();
        QCOMPARE(messages.Messages.size(), size_t{1});
        const TFileAssociationFiles files = FileAssociationFiles(*setup.DataHome);
        QVERIFY(QFile::exists(QString::fromStdString(files.DesktopEntry.string())));
        QVERIFY(QFile::exists(QString::fromStdString(files.MimePackage.string())));
        QVERIFY(QImage(QString::fromStdString(files.Icon.string())).size() == QSize(48, 48));
        commands.UnregisterCommand();
        QVERIFY(!commands.IsRegistered());
    }
};

} // namespace balka

QTEST_MAIN(balka::DesktopIntegrationTest)
#include "DesktopIntegrationTest.moc"
