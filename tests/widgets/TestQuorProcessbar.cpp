#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorProcessbar.h"

#include <QTest>

class TestQuorProcessbar : public QObject
{
    Q_OBJECT
private slots:
    void emptyTextDrawsOnlyTheBar()
    {
        SkinFixture skin;
        QuorProcessbar bar;
        QProgressBar plain;
        for (QProgressBar *b : {static_cast<QProgressBar *>(&bar), &plain}) {
            b->resize(120, 20);
            b->setValue(40);
        }
        QCOMPARE(renderOver(bar), renderOver(plain));
        QVERIFY(bar.drawnText().isEmpty());
    }

    void ownTextIsWhiteAndWraps_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("2.0") << 2.0;
    }
    void ownTextIsWhiteAndWraps()
    {
        QFETCH(double, scale);
        SkinFixture skin(12);
        setUiScale(scale);
        QuorProcessbar bar;
        bar.setTextVisible(false);
        bar.setStyleSheet("QProgressBar{border:none;background-color: rgb(100,100,100);}");
        bar.resize(int(150 * scale), int(80 * scale));
        const QImage base = renderOver(bar);
        bar.setText(QStringLiteral("MOUSE OFF"));
        const QImage oneLine = renderOver(bar);
        const QRect line = diffBox(oneLine, base);
        QVERIFY(qAbs(line.center().x() - bar.width() / 2) <= 3 * scale);
        QVERIFY(qAbs(line.center().y() - bar.height() / 2) <= 2 * scale);
        bool white = false;
        for (int x = line.left(); x <= line.right() && !white; ++x)
            for (int y = line.top(); y <= line.bottom() && !white; ++y)
                white = oneLine.pixelColor(x, y) == QColor(Qt::white);
        QVERIFY(white);

        bar.setText(QStringLiteral("Mouse is sleeping or not connected."));
        const QRect wrapped = diffBox(renderOver(bar), base);
        QVERIFY(wrapped.height() > 2 * line.height());
        QVERIFY(wrapped.width() <= bar.width());
    }
};

MOUSECFG_TEST(TestQuorProcessbar)
#include "TestQuorProcessbar.moc"
