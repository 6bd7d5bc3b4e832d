#include "app/OsdPayload.h"
#include "tests/common/TestMain.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>
#include <QtEndian>

namespace {
quint32 wordAt(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

// A text field of the bytes up to its terminator; null when there is none.
QString textAt(const QByteArray &bytes, int offset)
{
    QString text("");
    for (int at = offset; at < offset + 2 * OsdTextUnits; at += 2) {
        if (const quint16 unit = qFromLittleEndian<quint16>(bytes.constData() + at))
            text += QChar(unit);
        else
            return text;
    }
    return QString();
}
}

class TestOsdPayload : public QObject
{
    Q_OBJECT
private slots:
    void layout()
    {
        const QByteArray bytes = osdMessageBytes(makeOsdMessage(osdDpiText(1, 1600), QColor(255, 125, 0)));
        QCOMPARE(bytes.size(), OsdMessageSize);
        QCOMPARE(textAt(bytes, 0), QString("DPI 2:1600"));
        QCOMPARE(QVector<quint32>({wordAt(bytes, 512), wordAt(bytes, 516), wordAt(bytes, 520), wordAt(bytes, 524),
                                   wordAt(bytes, 528)}),
                 QVector<quint32>({0, 1500, 0, 0x007DFF, 60}));
        QCOMPARE(textAt(bytes, 532), QString("Arial"));
    }

    void textBoundedAndTerminated_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        const QString pair = QString::fromUtf8("\xF0\x9F\x96\xB1"); // one character, two units
        QTest::newRow("fits") << QString(255, 'x') << QString(255, 'x');
        QTest::newRow("cut to the field") << QString(5000, 'y') << QString(255, 'y');
        QTest::newRow("pair at the end kept") << QString(253, 'x') + pair << QString(253, 'x') + pair;
        QTest::newRow("pair across the end dropped") << QString(254, 'x') + pair << QString(254, 'x');
    }

    void textBoundedAndTerminated()
    {
        QFETCH(QString, text);
        const OsdMessage message = makeOsdMessage(text, Qt::red);
        QTEST(osdMessageText(message), "kept");
        QTEST(textAt(osdMessageBytes(message), 0), "kept");
    }

    void announcementsTranslated()
    {
        QCOMPARE(osdProfileText(2) + osdRateText(8) + osdRateText(3), QString("Profile 3125 HZ"));
        QTranslator tc;
        QVERIFY(tc.load(":/lang/tc.qm"));
        QCoreApplication::installTranslator(&tc);
        const QString texts = osdProfileText(0) + "|" + osdRateText(1);
        QCoreApplication::removeTranslator(&tc);
        QCOMPARE(texts, QString::fromUtf8("設定檔 1|1000 赫茲"));
    }
};

MOUSECFG_TEST(TestOsdPayload)
#include "TestOsdPayload.moc"
