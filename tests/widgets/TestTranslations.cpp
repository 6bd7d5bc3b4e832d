#include "tests/common/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {
struct Message
{
    QString context;
    QString source;
};

QList<Message> catalogFileMessages(const QString &tsPath)
{
    QList<Message> messages;
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages.append({context, xml.readElementText()});
    }
    return messages;
}

// Every text of one language: the shared catalog and each area's, in the order
// the build joins them.
QList<Message> catalogMessages(const QString &language)
{
    const QDir lang(QStringLiteral(MOUSECFG_SOURCE_DIR "/resources/lang"));
    QList<Message> messages = catalogFileMessages(lang.filePath(language + ".ts"));
    for (const QString &area : lang.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        messages += catalogFileMessages(lang.filePath(area + '/' + language + ".ts"));
    return messages;
}

bool hasHanCharacter(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}
}

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void catalogsAreCompiledInAndInTheAppFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");
        QTest::newRow("en") << "en" << "Warning";
        QTest::newRow("tc") << "tc" << QString::fromUtf8("警告");
        QTest::newRow("sc") << "sc" << QString::fromUtf8("警告");
    }
    void catalogsAreCompiledInAndInTheAppFolder()
    {
        QFETCH(QString, name);
        QFETCH(QString, warning);
        for (const QString &path : {QStringLiteral(":/lang/%1.qm").arg(name),
                                    QStringLiteral(MOUSECFG_APP_DIR "/lang/%1.qm").arg(name)}) {
            QTranslator translator;
            QVERIFY2(translator.load(path), qPrintable(path));
            QCOMPARE(translator.translate("QObject", "Warning"), warning);
        }
    }

    void everyTextHasAChineseTranslation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("offCaption");
        QTest::newRow("tc") << "tc" << QString::fromUtf8("滑鼠關閉");
        QTest::newRow("sc") << "sc" << QString::fromUtf8("鼠标关闭");
    }
    void everyTextHasAChineseTranslation()
    {
        QFETCH(QString, name);
        QFETCH(QString, offCaption);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/lang/%1.qm").arg(name)));
        const QList<Message> messages =
            catalogMessages(name);
        QVERIFY(messages.size() > 50);
        for (const Message &m : messages) {
            const QString text = translator.translate(m.context.toUtf8(), m.source.toUtf8());
            // "DPI" is the same word in Chinese.
            if (m.source == QLatin1String("DPI")) {
                QCOMPARE(text, m.source);
                continue;
            }
            QVERIFY2(hasHanCharacter(text), qPrintable(m.context + ": " + m.source + " -> " + text));
        }
        QCOMPARE(translator.translate("MousecfgWidget", "MOUSE OFF"), offCaption);
        QVERIFY(translator.translate("MousecfgWidget", "&Quit").contains("(&Q)"));
    }

    void eachCatalogKeepsToItsScript_data()
    {
        // Characters written differently in the two scripts, in matching order.
        const QString traditional = QString::fromUtf8(
            "設載刪確個鍵連檢測發數據請試複燈無稱當與級斷開應體檔儲傳標關態錄點擊預認號選擇項線電腦讀寫動閃啟滾輪鈕離對錯說");
        const QString simplified = QString::fromUtf8(
            "设载删确个键连检测发数据请试复灯无称当与级断开应体档储传标关态录点击预认号选择项线电脑读写动闪启滚轮钮离对错说");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("foreign");
        QTest::newRow("tc") << "tc" << simplified;
        QTest::newRow("sc") << "sc" << traditional;
    }
    void eachCatalogKeepsToItsScript()
    {
        QFETCH(QString, name);
        QFETCH(QString, foreign);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/lang/%1.qm").arg(name)));
        const QList<Message> messages =
            catalogMessages(name);
        for (const Message &m : messages) {
            const QString text = translator.translate(m.context.toUtf8(), m.source.toUtf8());
            for (const QChar c : text)
                QVERIFY2(!foreign.contains(c), qPrintable(m.context + ": " + m.source + " -> " + text));
        }
    }

    void catalogsHoldTheSameTexts()
    {
        const auto key = [](const Message &m) { return m.context + '\n' + m.source; };
        QStringList en, tc, sc;
        for (const Message &m : catalogMessages("en"))
            en << key(m);
        for (const Message &m : catalogMessages("tc"))
            tc << key(m);
        for (const Message &m : catalogMessages("sc"))
            sc << key(m);
        QCOMPARE(tc, en);
        QCOMPARE(sc, en);
        // A text kept in two catalogs would be translated by whichever joins last.
        QStringList unique = en;
        QCOMPARE(unique.removeDuplicates(), 0);
        QVERIFY(en.contains("QObject\nMouse is sleeping or not connected."));
        QVERIFY(en.contains("QObject\nSend data failed, please try again."));
        QVERIFY(en.contains("MousecfgWidget\nMOUSE OFF"));
    }
};

MOUSECFG_TEST(TestTranslations)
#include "TestTranslations.moc"
