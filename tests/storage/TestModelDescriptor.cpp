#include "storage/AppFolder.h"
#include "storage/ModelDescriptor.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"

#include <QStandardPaths>
#include <QTest>

class TestModelDescriptor : public QObject
{
    Q_OBJECT
private slots:
    void missingDescriptorGivesDefaults()
    {
        TestAppFolder folder;
        QCOMPARE(modelDescriptorPath(), folder.path() + "/DefaultProfile.bin");
        // The built-in model: seven buttons at their own places, six DPI stages.
        QCOMPARE(modelButtonCount(), BuiltInButtonCount);
        QCOMPARE(modelDpiStageCount(), BuiltInDpiStageCount);
        std::array<quint8, MatrixSize> matrix;
        matrix.fill(9);
        QCOMPARE(loadButtonMatrix(matrix.data()), -1);
        for (int i = 0; i < BuiltInButtonCount; ++i)
            QCOMPARE(int(matrix[size_t(i)]), i);
        QCOMPARE(loadButtonMatrix2(matrix.data()), BuiltInButtonCount);
        for (int i = 0; i < MatrixSize; ++i)
            QCOMPARE(int(matrix[size_t(i)]), i < BuiltInButtonCount ? i : 255);
        QCOMPARE(modelProductName(), QString());
        QCOMPARE(modelVersion(), QString());
        QCOMPARE(modelDisableMacro(), 0);
        QCOMPARE(modelShowSleep(), 1);
        QCOMPARE(modelShowUpdate(), 1);
        QVERIFY(!modelLanguage(0));
        ModelDescriptor d;
        d.dpi = 4;
        QCOMPARE(loadModelDefaults(d), -1);
        QCOMPARE(d.dpi, quint8(4));
    }

    // The shipped sample model: 7 buttons, 6 DPI stages, sensor 3389 values.
    void shippedDescriptor()
    {
        TestAppFolder folder;
        folder.copySeedData();
        QCOMPARE(modelProductName(), QStringLiteral("QM700"));
        QCOMPARE(modelVersion(), QStringLiteral("V1.00"));
        QCOMPARE(modelButtonCount(), 7);
        QCOMPARE(modelDpiStageCount(), 6);
        std::array<quint8, MatrixSize> matrix{};
        QCOMPARE(loadButtonMatrix2(matrix.data()), 7);
        for (int i = 0; i < MatrixSize; ++i)
            QCOMPARE(int(matrix[i]), i < 7 ? i : 255);
        QCOMPARE(loadButtonMatrix(matrix.data()), 0);
        for (int i = 0; i < MatrixSize; ++i)
            QCOMPARE(int(matrix[i]), i);
        ModelDescriptor d;
        QCOMPARE(loadModelDefaults(d), 0);
        QCOMPARE(d.ProductName, QStringLiteral("QM700"));
        QCOMPARE(d.LedMode, quint8(9));
        QCOMPARE(d.pollrate, 1);
        QCOMPARE(d.dpi, quint8(1));
        QCOMPARE(d.xy[0], 8);
        QCOMPARE(d.xy[5], 240);
        QCOMPARE(d.buttons[0].Fun, 1);
        QCOMPARE(d.FontName[1], QStringLiteral("Noto Sans CJK TC"));
        QCOMPARE(d.FontRgb, QColor(255, 255, 255));
        for (const DescriptorEffect &e : d.effects) {
            QVERIFY(e.color.isValid());
            QVERIFY(e.bright > 0 && e.breath > 0);
        }
        QVERIFY(modelLanguage(2));
        QVERIFY(!modelLanguage(3));
    }

    void countsAreUnmaskedRaw()
    {
        TestAppFolder folder;
        const QByteArray text =
            TestAppFolder::sampleDescriptor({{"ButtonCount", "10"}, {"MouseDpi", "3"}, {"DPICount", "14"}});
        // Whole also with a BOM and CRLF line ends.
        for (const QByteArray &form : {text, "\xEF\xBB\xBF" + QByteArray(text).replace("\n", "\r\n")}) {
            folder.writeFile("DefaultProfile.bin", form);
            QVERIFY(!modelDescriptorDamaged());
            QCOMPARE(modelButtonCount(), 9);
            QCOMPARE(modelDpiStageCount(), 7);
        }
        folder.writeFile("DefaultProfile.bin",
                         TestAppFolder::sampleDescriptor({{"ButtonCount", "12"}, {"MouseDpi", {}}, {"DPICount", {}}}));
        QCOMPARE(modelButtonCount(), 12);
        QCOMPARE(modelDpiStageCount(), 12);
    }

    void matrixEntriesAreCutToBytes()
    {
        TestAppFolder folder;
        folder.writeFile("DefaultProfile.bin",
                         TestAppFolder::sampleDescriptor({{"ButtonCount", "5"},
                                                          {"MouseDpi", "0"},
                                                          {"BUTTON_INFO_0_Matrix", "-1"},
                                                          {"BUTTON_INFO_1_Matrix", "257"},
                                                          {"BUTTON_INFO_15_Matrix", {}},
                                                          {"BUTTON_INFO_4_Matrix2", "255"},
                                                          {"BUTTON_INFO_5_Matrix2", "-1"},
                                                          {"BUTTON_INFO_2_Matrix2", "x"}}));
        std::array<quint8, MatrixSize> matrix;
        matrix.fill(7);
        QCOMPARE(loadButtonMatrix(matrix.data()), 0);
        QCOMPARE(int(matrix[0]), 255);
        QCOMPARE(int(matrix[1]), 1);
        QCOMPARE(int(matrix[15]), 0);
        QCOMPARE(loadButtonMatrix2(matrix.data()), 5);
        QCOMPARE(int(matrix[4]), 255);
        QCOMPARE(int(matrix[5]), 255);
        QCOMPARE(int(matrix[2]), 0);
    }

    void switchesAndTexts()
    {
        TestAppFolder folder;
        folder.writeFile("DefaultProfile.bin",
                         "[PROFILE]\nProductName=QX\nDisableMacro=1\nShowSleep=0\nShowUpdate=0\nLANG_1=1\nLANG_2=2\n");
        QCOMPARE(modelDisableMacro(), 1);
        QCOMPARE(modelShowSleep(), 0);
        QCOMPARE(modelShowUpdate(), 0);
        QVERIFY(modelLanguage(1));
        QVERIFY(!modelLanguage(2));
        QCOMPARE(modelDocumentsPath(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/QX");
    }

    void xorHelpers()
    {
        QCOMPARE(xorValues(10, 3), 9);
        QCOMPARE(xorStringWithByte(QStringLiteral("AB"), 0x20), QStringLiteral("ab"));
        // A character at or above 256 becomes 0 before the XOR.
        QCOMPARE(xorStringWithByte(QString(QChar(0x4E2D)), 0x41), QStringLiteral("A"));
        // Results above 127 are kept sign-extended.
        QCOMPARE(xorStringWithByte(QString(QChar(0x41)), 0x80).at(0).unicode(), ushort(0xFFC1));
        // A key of 256 or more leaves the characters as they are, wide ones as 0.
        QCOMPARE(xorStringWithByte(QStringLiteral("A"), 0x141), QStringLiteral("A"));
    }
};

MOUSECFG_TEST(TestModelDescriptor)
#include "TestModelDescriptor.moc"
