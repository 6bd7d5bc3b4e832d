#include "tests/common/TestMain.h"
#include "widgets/FileDialogs.h"
#include "widgets/ModalGate.h"

#include <QDialog>
#include <QTest>
#include <QTimer>

#include <memory>

// Work handed in while a modal runs waits for the outermost one to close, then runs
// in order, each item once; work of an object that has gone is dropped.
class TestModalGate : public QObject
{
    Q_OBJECT
private slots:
    void workWaitsForTheLastModal()
    {
        QObject owner;
        auto gone = std::make_unique<QObject>();
        QStringList done;
        QVERIFY(!ModalGate::defer(&owner, [] {}));
        QDialog outer;
        QTimer::singleShot(0, &outer, [&] {
            QVERIFY(ModalGate::isOpen());
            QVERIFY(ModalGate::defer(&owner, [&] { done << "first"; }));
            QVERIFY(ModalGate::defer(gone.get(), [&] { done << "gone"; }));
            // A file dialog inside the box: its answer runs as an open modal too.
            setFileDialogForTests([&](const FileDialogRequest &) {
                ModalGate::defer(&owner, [&] { done << "second"; });
                return QStringList();
            });
            runFileDialog({});
            setFileDialogForTests({});
            gone.reset();
            QTest::qWait(20);
            QVERIFY(done.isEmpty());
            outer.accept();
        });
        QCOMPARE(ModalGate::exec(outer), int(QDialog::Accepted));
        QVERIFY(!ModalGate::isOpen());
        QVERIFY(done.isEmpty()); // only once the command that opened it has returned
        QTRY_COMPARE(done, (QStringList{"first", "second"}));
        QTest::qWait(20);
        QCOMPARE(done.size(), 2);
    }
};

MOUSECFG_TEST(TestModalGate)
#include "TestModalGate.moc"
