#include "tests/common/TestMain.h"

#include "app/WindowScale.h"
#include "buttons/QuorBtnWindow.h"
#include "storage/IniFile.h"
#include "storage/SettingsBlock.h"
#include "tests/app/WindowFixture.h"
#include "tests/common/ModalRunner.h"
#include "tests/common/TestAppFolder.h"
#include "widgets/SkinFont.h"
#include "widgets/UiScale.h"

#include <QAbstractScrollArea>
#include <QDebug>
#include <QHash>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace {
const QStringList LanguageNames{"English", QString::fromUtf8("繁體中文"), QString::fromUtf8("简体中文")};

template <class T> QString text(const T &value)
{
    QString out;
    QDebug(&out).nospace() << value;
    return out;
}

// A control's size limits and the fonts of its actions; for a child, its place, font,
// style sheet and picture too. A hidden control lays itself out when shown, so its
// line says only that; a popup (a menu) counts as shown with its owner.
QString lookOf(const QWidget &w)
{
    const QWidget *owner = w.isWindow() ? w.parentWidget() : &w;
    if (!owner || !owner->isVisibleTo(owner->window()))
        return QStringLiteral("hidden");
    QStringList entries;
    for (const QAction *action : w.actions())
        entries << action->font().toString();
    QString look = QString("limits %1-%2 entries %3").arg(text(w.minimumSize()), text(w.maximumSize()), entries.join('|'));
    if (w.isWindow())
        return look;
    look += QString(" geometry %1 font %2 style %3").arg(text(w.geometry()), w.font().toString(), w.styleSheet());
    if (auto *label = qobject_cast<const QLabel *>(&w))
        look += " picture " + text(label->pixmap(Qt::ReturnByValue).size());
    return look;
}

// Content of a scroll area is clipped by its viewport.
bool scrolled(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (auto *area = qobject_cast<const QAbstractScrollArea *>(p->parentWidget()); area && area->viewport() == p)
            return true;
    return false;
}

// Every child widget in creation order, and the shown ones with area that reach outside
// the window; siblings are counted by class, as raising a widget reorders its siblings.
void walk(const QWidget &parent, const QString &path, QStringList &looks, QStringList &outside)
{
    const QWidget &window = *parent.window();
    QHash<QString, int> counts;
    for (QObject *child : parent.children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w)
            continue;
        const QString type = QLatin1String(w->metaObject()->className());
        const QString place = QStringLiteral("%1/%2#%3").arg(path, type).arg(counts[type]++);
        const QString look = lookOf(*w);
        looks << place + ": " + look;
        const QRect r(w->mapTo(&window, QPoint(0, 0)), w->size());
        if (!w->isWindow() && w->isVisibleTo(&window) && !r.isEmpty() && !scrolled(w) && !window.rect().contains(r))
            outside << place + " " + text(r);
        if (look != QLatin1String("hidden"))
            walk(*w, place, looks, outside);
    }
}

// The window shown, then each tab in turn.
QStringList looksOfEveryTab(MousecfgWidget &window, QStringList &outside)
{
    QStringList looks;
    for (int tab = 0; tab < MousecfgWidget::TabCount; ++tab) {
        window.switchPage(tab);
        QCoreApplication::processEvents();
        walk(window, QStringLiteral("tab %1").arg(tab), looks, outside);
    }
    return looks;
}

MousecfgWidget &openShown(WindowFixture &fixture, double dpi, int language)
{
    setLogicalDpiForTests(dpi);
    writeLangId(language);
    MousecfgWidget &window = fixture.open();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("window not exposed");
    return window;
}

// What tells the window of a new DPI: the screen's own signal, a change of the
// window's screen, or a resize.
void tellNewDpi(MousecfgWidget &window, const QString &trigger, double dpi)
{
    setLogicalDpiForTests(dpi);
    QScreen *screen = window.windowHandle()->screen();
    if (trigger == QLatin1String("dpi"))
        emit screen->logicalDotsPerInchChanged(dpi);
    else if (trigger == QLatin1String("screen"))
        emit window.windowHandle()->screenChanged(screen);
    else
        window.resize(window.size() + QSize(1, 1));
    QCoreApplication::processEvents();
}

// The three catalogs, and a font family and size of its own for each language.
void prepareLanguages(TestAppFolder &folder)
{
    IniFile config(configIniPath());
    for (int i = 0; i < 3; ++i) {
        const QString name = QStringList{"en", "tc", "sc"}[i];
        QFile catalog(":/lang/" + name + ".qm");
        if (catalog.open(QIODevice::ReadOnly))
            folder.writeFile("lang/" + name + ".qm", catalog.readAll());
        config.setValue(QStringLiteral("FONT_LIST/FONT_%1").arg(i), QStringLiteral("Family %1").arg(i));
        config.setValue(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(i), 11 + i);
    }
}
}

class TestWindowScale : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { setLogicalDpiForTests(0); }

    // A window built at the first DPI and language, then told of the others, matches
    // control by control on every tab a window built at the last ones, and keeps every
    // control inside itself.
    void aChangeLaysOutAsBuiltAfterIt_data()
    {
        QTest::addColumn<QList<double>>("dpis");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QList<int>>("languages");
        QTest::newRow("1.0 to 1.5, screen DPI") << QList<double>{96, 144} << "dpi" << QList<int>{0};
        QTest::newRow("1.0 to 2.0, new screen") << QList<double>{96, 192} << "screen" << QList<int>{0};
        QTest::newRow("1.0 to 1.5 to 2.0 and back") << QList<double>{96, 144, 192, 96} << "dpi" << QList<int>{0};
        QTest::newRow("1.5 to 1.0, new screen") << QList<double>{144, 96} << "screen" << QList<int>{0};
        // The offscreen screen holds the centre of a window of scale 1.25 at most.
        QTest::newRow("1.25 to 1.0, resize") << QList<double>{120, 96} << "resize" << QList<int>{0};
        QTest::newRow("en to tc at 1.25") << QList<double>{120} << "" << QList<int>{0, 1};
        QTest::newRow("sc to en, then 2.0") << QList<double>{96, 192} << "dpi" << QList<int>{2, 0};
    }
    void aChangeLaysOutAsBuiltAfterIt()
    {
        QFETCH(QList<double>, dpis);
        QFETCH(QString, trigger);
        QFETCH(QList<int>, languages);
        WindowFixture fixture;
        fixture.seedProfiles();
        prepareLanguages(fixture.folder);
        MousecfgWidget &changed = openShown(fixture, dpis.first(), languages.first());
        for (int language : languages.mid(1))
            QVERIFY(pickMenuEntry(MousecfgWidgetProbe(changed).langButton(), LanguageNames[language]));
        for (double dpi : dpis.mid(1))
            tellNewDpi(changed, trigger, dpi);
        const double scale = scaleForIndex(scaleIndexForRatio(screenRatio(dpis.last())));
        QCOMPARE(changed.scale(), scale);
        QCOMPARE(uiScale(), scale);
        QCOMPARE(changed.size(), scaledWindowSize(scale));
        QStringList outside;
        const QStringList got = looksOfEveryTab(changed, outside);
        const QStringList expected = looksOfEveryTab(openShown(fixture, dpis.last(), languages.last()), outside);
        QCOMPARE(outside, QStringList());
        QCOMPARE(got, expected);
    }

    void scaleFromTheScreenRatio_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("size");
        QTest::newRow("96") << 96.0 << 1.0 << QSize(999, 640);
        QTest::newRow("120") << 120.0 << 1.25 << QSize(1248, 800);
        QTest::newRow("144") << 144.0 << 1.5 << QSize(1498, 960);
        QTest::newRow("240") << 240.0 << 2.5 << QSize(2497, 1600);
        // The bounds are "below": a ratio of exactly 1.1 is the next row.
        QTest::newRow("ratio 1.1") << 1.1 * 96 << 1.25 << QSize(1248, 800);
        QTest::newRow("ratio 4.8") << 4.8 * 96 << 5.0 << QSize(4995, 3200);
        QTest::newRow("ratio 9") << 9.0 * 96 << 5.0 << QSize(4995, 3200);
    }
    void scaleFromTheScreenRatio()
    {
        QFETCH(double, dpi);
        QFETCH(double, scale);
        QFETCH(QSize, size);
        const double found = scaleForIndex(scaleIndexForRatio(screenRatio(dpi)));
        QCOMPARE(found, scale);
        QCOMPARE(scaledWindowSize(found), size);
    }

    // The largest font size Config.ini can hold gives a positive pixel size at every
    // scale of the table, the same on the button page as in the shared font rule.
    void hugeFontSizeAtEveryScale_data()
    {
        QTest::addColumn<double>("scale");
        for (int i = 0; i < ScaleIndexCount; ++i)
            QTest::addRow("scale %.2f", scaleForIndex(i)) << scaleForIndex(i);
    }
    void hugeFontSizeAtEveryScale()
    {
        QFETCH(double, scale);
        QVERIFY(scale <= LargestUiScale);
        TestAppFolder folder;
        folder.writeFile("Configs/Config.ini", "[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=2147483647\n");
        setCurrentLanguageIndex(0);
        setUiScale(scale);
        QVERIFY(configuredFontSize() * scale <= double(INT_MAX));
        ProfileRecord record;
        resetProfileToDefaults(record);
        QuorBtnWindow page(&record, nullptr, scale);
        page.applyFonts(scale);
        const int pixels = page.mainMenu()->font().pixelSize();
        const int shared = languageFont().pixelSize();
        setUiScale(1.0);
        QVERIFY(pixels >= LargestScalableValue);
        QCOMPARE(pixels, shared);
    }

    void centredOnTheAvailableArea_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("first screen") << QRect(0, 0, 1920, 1040) << QPoint(460, 200);
        QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QPoint(2060, 192);
        QTest::newRow("left of the first") << QRect(-1280, 100, 1280, 800) << QPoint(-1140, 180);
        QTest::newRow("smaller than the window") << QRect(1920, 30, 800, 600) << QPoint(1920, 30);
    }
    void centredOnTheAvailableArea()
    {
        QFETCH(QRect, available);
        QFETCH(QPoint, topLeft);
        QCOMPARE(centredTopLeft(available, QSize(999, 640)), topLeft);
    }

    // A window that grows with a new scale keeps its corner where it still fits.
    void aGrownWindowStaysOnItsScreen_data()
    {
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QPoint>("kept");
        QTest::newRow("fits") << QPoint(2000, 40) << QPoint(2000, 40);
        QTest::newRow("past the right and bottom") << QPoint(2500, 600) << QPoint(2202, 64);
        QTest::newRow("above and left") << QPoint(1800, -50) << QPoint(1920, 0);
    }
    void aGrownWindowStaysOnItsScreen()
    {
        QFETCH(QPoint, topLeft);
        QFETCH(QPoint, kept);
        QCOMPARE(keptInsideArea(QRect(1920, 0, 1280, 1024), topLeft, QSize(998, 960)), kept);
        // Larger than the area: its corner.
        QCOMPARE(keptInsideArea(QRect(1920, 0, 1280, 1024), topLeft, QSize(1998, 1280)), QPoint(1920, 0));
    }
};

MOUSECFG_TEST(TestWindowScale)
#include "TestWindowScale.moc"
