#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorProcessDialog.h"

#include <QMovie>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {
// Stands in for the upload thread: emits its finish signal from another thread.
class FinishingThread : public QThread
{
    Q_OBJECT
signals:
    void DoProcessDlg();

protected:
    void run() override { emit DoProcessDlg(); }
};
}

class TestQuorProcessDialog : public QObject
{
    Q_OBJECT
private slots:
    void fixedSizeCentredOverTheWindow_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("3.0") << 3.0;
    }
    void fixedSizeCentredOverTheWindow()
    {
        QFETCH(double, scale);
        SkinFixture skin;
        setUiScale(scale);
        QWidget window;
        window.setGeometry(100, 50, 999, 640);
        QuorProcessDialog dialog(&window);
        QCOMPARE(dialog.size(), QSize(128, 128));
        QCOMPARE(dialog.pos(), QPoint(100 + 499 - 64, 50 + 320 - 64));
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QuorProcessDialog alone(nullptr);
        QCOMPARE(alone.size(), QSize(128, 128));
    }

    void finishSignalClosesTheRunningDialog()
    {
        SkinFixture skin;
        QWidget window;
        QuorProcessDialog dialog(&window);
        FinishingThread thread;
        connect(&thread, &FinishingThread::DoProcessDlg, &dialog, &QuorProcessDialog::slotProcessDlg);
        QTimer::singleShot(50, &thread, [&thread] { thread.start(); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(thread.wait(5000));
    }

    void closesOnlyOnTheNextTurn()
    {
        SkinFixture skin;
        QuorProcessDialog dialog(nullptr);
        dialog.open();
        dialog.slotProcessDlg();
        QVERIFY(dialog.isVisible());
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // The write it waits for still runs: only the finish signal ends the dialog.
    void escapeAndCloseDoNotEndIt()
    {
        SkinFixture skin;
        QuorProcessDialog dialog(nullptr);
        dialog.open();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.close());
        QCoreApplication::processEvents();
        QVERIFY(dialog.isVisible());
        dialog.slotProcessDlg();
        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void animationWhenTheGifIsCompiledIn()
    {
        SkinFixture skin;
        QuorProcessDialog dialog(nullptr);
#ifdef MOUSECFG_HAS_SKINRES
        QVERIFY(dialog.movie()->isValid());
        QCOMPARE(dialog.movie()->state(), QMovie::Running);
#else
        // Without the animation the dialog still opens and closes.
        QCOMPARE(dialog.movie()->isValid(), QFile::exists(":/skin/loading.gif"));
#endif
        const QImage image = dialog.grab().toImage();
        QCOMPARE(image.size(), QSize(128, 128));
    }
};

MOUSECFG_TEST(TestQuorProcessDialog)
#include "TestQuorProcessDialog.moc"
