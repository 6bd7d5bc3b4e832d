#include "tests/common/Catalogs.h"
#include "tests/common/TestMain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>

namespace {
using Message = CatalogMessage;

// A C++ string literal, or several side by side.
const QString Literal = QStringLiteral(R"((?:"(?:[^"\\\n]|\\.)*"\s*)+)");

QString literalText(const QString &literal)
{
    QString text;
    static const QRegularExpression piece(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    for (auto it = piece.globalMatch(literal); it.hasNext();) {
        const QString escaped = it.next().captured(1);
        for (int i = 0; i < escaped.size(); ++i) {
            if (escaped[i] != '\\' || i + 1 == escaped.size()) {
                text += escaped[i];
                continue;
            }
            const QChar c = escaped[++i];
            text += c == 'n' ? QChar('\n') : c == 't' ? QChar('\t') : c;
        }
    }
    return text;
}

struct SourceFile
{
    QString path;
    QString text;
};

QList<SourceFile> programSources()
{
    QList<SourceFile> files;
    const QDir top(QStringLiteral(MOUSECFG_SOURCE_DIR));
    for (const char *dir :
         {"app", "pages", "buttons", "macro", "widgets", "storage", "device", "platform", "variant"}) {
        QDirIterator it(top.filePath(dir), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly))
                files.append({top.relativeFilePath(file.fileName()), QString::fromUtf8(file.readAll())});
        }
    }
    return files;
}

// The arguments of the call whose '(' stands before offset, split at the commas of
// its own level; end is set to its ')'.
QStringList callArguments(const QString &text, int offset, int *end)
{
    QStringList arguments;
    QString current;
    int depth = 0;
    for (int i = offset; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '"' || c == '\'') {
            // Copy the literal whole, so that no bracket or comma in it counts.
            const int start = i;
            for (++i; i < text.size() && text[i] != c; ++i)
                if (text[i] == '\\')
                    ++i;
            current += text.mid(start, i - start + 1);
            continue;
        }
        if (c == '(' || c == '[' || c == '{') {
            ++depth;
        } else if (c == ')' || c == ']' || c == '}') {
            if (depth-- == 0) {
                arguments << current.trimmed();
                *end = i;
                return arguments;
            }
        } else if (c == ',' && depth == 0) {
            arguments << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    *end = int(text.size());
    return {};
}

// A function defined in a source, with the text of its body.
struct Definition
{
    QString className;
    QString name;
    QStringList parameters;
    QString body;
    int offset;
};

QList<Definition> definitions(const SourceFile &f)
{
    static const QRegularExpression head(QStringLiteral(R"(^(?=[A-Za-z_])[^;{}()\n]*?\b(?:(\w+)::)?(~?\w+)\()"),
                                         QRegularExpression::MultilineOption);
    static const QRegularExpression afterParameters(QStringLiteral(R"(^\s*(?:const\s*)?(?:override\s*)?[{:])"));
    QList<Definition> found;
    for (auto it = head.globalMatch(f.text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        int end = 0;
        const QStringList parameters = callArguments(f.text, int(m.capturedEnd()), &end);
        if (!afterParameters.match(f.text.mid(end + 1, 40)).hasMatch())
            continue;
        const int close = f.text.indexOf(QLatin1String("\n}"), end);
        found.append({m.captured(1), m.captured(2), parameters, f.text.mid(end, close < 0 ? -1 : close - end), end});
    }
    return found;
}

bool declaresQObject(const QList<SourceFile> &files, const QString &className)
{
    if (className.isEmpty())
        return false;
    const QRegularExpression declaration(QStringLiteral(R"(class\s+%1\b[^;{]*\{\s*Q_OBJECT)").arg(className));
    for (const SourceFile &f : files)
        if (f.path.endsWith(QLatin1String(".h")) && declaration.match(f.text).hasMatch())
            return true;
    return false;
}

// The context a member's own tr() looks texts up in; "?" marks a class without Q_OBJECT.
QString memberContext(const QList<SourceFile> &files, const QString &className)
{
    return declaresQObject(files, className) ? className : "?" + className;
}

// name -> argument index -> context: functions that hand a "const char *" parameter
// to the translator, directly or through another such function.
using Translators = QHash<QString, QHash<int, QString>>;

Translators translatingFunctions(const QList<SourceFile> &files)
{
    QList<Definition> all;
    for (const SourceFile &f : files)
        all += definitions(f);
    static const QRegularExpression textParameter(QStringLiteral(R"(^const\s+char\s*\*\s*(\w+)$)"));
    Translators translators;
    for (bool grew = true; grew;) {
        grew = false;
        for (const Definition &d : all) {
            for (int i = 0; i < d.parameters.size(); ++i) {
                const auto p = textParameter.match(d.parameters[i]);
                if (!p.hasMatch() || translators.value(d.name).contains(i))
                    continue;
                const QString name = QRegularExpression::escape(p.captured(1));
                const auto bodyHas = [&](const QString &pattern) {
                    return QRegularExpression(pattern.arg(name)).match(d.body).hasMatch();
                };
                QString context;
                if (bodyHas(QStringLiteral(R"((?:\bQObject::tr|translate)\(\s*(?:"QObject"\s*,\s*)?%1\s*\))")))
                    context = QStringLiteral("QObject");
                else if (bodyHas(QStringLiteral(R"((?<![\w:.>])tr\(\s*%1\s*\))")))
                    context = memberContext(files, d.className);
                for (auto t = translators.cbegin(); context.isEmpty() && t != translators.cend(); ++t) {
                    const QRegularExpression call(QStringLiteral(R"((?<![\w])%1\()").arg(t.key()));
                    for (auto c = call.globalMatch(d.body); context.isEmpty() && c.hasNext();) {
                        int end = 0;
                        const QStringList arguments = callArguments(d.body, int(c.next().capturedEnd()), &end);
                        for (auto a = t.value().cbegin(); a != t.value().cend(); ++a)
                            if (a.key() < arguments.size() && arguments[a.key()] == p.captured(1))
                                context = a.value();
                    }
                }
                if (!context.isEmpty()) {
                    translators[d.name][i] = context;
                    grew = true;
                }
            }
        }
    }
    return translators;
}

struct SourceText
{
    QString where;
    QString context;
    QString source;
};

// Every literal the sources hand to the translator, mark for it or pass to a
// function that translates it, with the context it is looked up in.
QList<SourceText> translatedLiterals()
{
    const QList<SourceFile> files = programSources();
    const Translators translators = translatingFunctions(files);
    QList<SourceText> texts;
    const QRegularExpression objectTr(QStringLiteral(R"(\bQObject::tr\(\s*(%1))").arg(Literal));
    const QRegularExpression translateCall(
        QStringLiteral(R"(\b(?:QCoreApplication::translate|QT_TRANSLATE_NOOP)\(\s*(%1|\w+)\s*,\s*(%1))").arg(Literal));
    const QRegularExpression memberTr(QStringLiteral(R"((?<![\w:.>])(?:tr|QT_TR_NOOP)\(\s*(%1))").arg(Literal));
    const QRegularExpression literal(Literal);
    for (const SourceFile &f : files) {
        const auto where = [&](const QRegularExpressionMatch &m) {
            return QStringLiteral("%1:%2").arg(f.path).arg(f.text.left(m.capturedStart()).count('\n') + 1);
        };
        // A named text: "const char Name[] = "...";" in the same file.
        const auto constant = [&](const QString &name) {
            const QRegularExpression c(QStringLiteral(R"(\b%1(?:\[\])?\s*=\s*(%2))").arg(name, Literal));
            const auto m = c.match(f.text);
            return m.hasMatch() ? literalText(m.captured(1)) : QString();
        };
        for (auto it = objectTr.globalMatch(f.text); it.hasNext();) {
            const auto m = it.next();
            texts.append({where(m), QStringLiteral("QObject"), literalText(m.captured(1))});
        }
        for (auto it = translateCall.globalMatch(f.text); it.hasNext();) {
            const auto m = it.next();
            const QString context = m.captured(1);
            texts.append({where(m), context.startsWith('"') ? literalText(context) : constant(context),
                          literalText(m.captured(2))});
        }
        const QList<Definition> defined = definitions(f);
        const auto classAt = [&](int offset) {
            QString name;
            for (const Definition &d : defined)
                if (d.offset <= offset)
                    name = d.className;
            return name;
        };
        for (auto it = memberTr.globalMatch(f.text); it.hasNext();) {
            const auto m = it.next();
            texts.append({where(m), memberContext(files, classAt(int(m.capturedStart()))), literalText(m.captured(1))});
        }
        for (auto t = translators.cbegin(); t != translators.cend(); ++t) {
            const QRegularExpression call(QStringLiteral(R"((?<![\w])%1\()").arg(t.key()));
            for (auto it = call.globalMatch(f.text); it.hasNext();) {
                const auto m = it.next();
                int end = 0;
                const QStringList arguments = callArguments(f.text, int(m.capturedEnd()), &end);
                for (auto a = t.value().cbegin(); a != t.value().cend(); ++a) {
                    if (a.key() >= arguments.size())
                        continue;
                    const QString argument = arguments[a.key()];
                    for (auto l = literal.globalMatch(argument); l.hasNext();)
                        texts.append({where(m), a.value(), literalText(l.next().captured(0))});
                    if (!argument.contains('"') && !constant(argument).isEmpty())
                        texts.append({where(m), a.value(), constant(argument)});
                }
            }
        }
    }
    return texts;
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

    void everyTranslatedLiteralStandsInEachCatalog_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("en") << "en";
        QTest::newRow("tc") << "tc";
        QTest::newRow("sc") << "sc";
    }
    void everyTranslatedLiteralStandsInEachCatalog()
    {
        QFETCH(QString, name);
        QSet<QString> catalog;
        for (const Message &m : catalogMessages(name))
            catalog.insert(m.context + '\n' + m.source);
        const QList<SourceText> texts = translatedLiterals();
        QVERIFY(texts.size() > 300);
        QStringList missing;
        for (const SourceText &t : texts)
            if (!catalog.contains(t.context + '\n' + t.source))
                missing << t.where + " " + t.context + ": \"" + t.source + '"';
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
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
