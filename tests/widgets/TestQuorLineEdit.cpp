#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorLineEdit.h"

#include <QSignalSpy>
#include <QTest>

class TestQuorLineEdit : public QObject
{
    Q_OBJECT
private slots:
    void losingFocusReportsOnlyTheOwnSignal()
    {
        SkinFixture skin(12);
        QWidget window;
        auto *edit = new QuorLineEdit(&window);
        auto *other = new QuorLineEdit(&window);
        other->move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QSignalSpy lost(edit, &QuorLineEdit::quorLostFocus);
        QSignalSpy finished(edit, &QLineEdit::editingFinished);
        QTest::keyClicks(edit, QStringLiteral("gun 1"));
        QCOMPARE(edit->text(), QStringLiteral("gun 1"));
        other->setFocus();
        QTRY_COMPARE(lost.count(), 1);
        QCOMPARE(finished.count(), 0);
    }

    void applyFontUsesTheLanguageFont()
    {
        SkinFixture skin(12);
        setUiScale(1.25);
        QuorLineEdit edit;
        const int before = edit.font().pixelSize();
        QCOMPARE(before, QFont().pixelSize());
        edit.applyFont();
        QCOMPARE(edit.font().pixelSize(), 15);
    }
};

MOUSECFG_TEST(TestQuorLineEdit)
#include "TestQuorLineEdit.moc"
