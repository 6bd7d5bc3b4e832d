#include "tools/skinpainter/SkinCatalog.h"
#include "tests/common/TestMain.h"

#include <QBitmap>
#include <QDir>
#include <QImageReader>
#include <QPixmap>
#include <QSet>
#include <QTest>

#include <cstdlib>

namespace {

QString skinPath(const QString &name)
{
    return QStringLiteral(MOUSECFG_SKIN_DIR) + "/" + name;
}

QImage load(const QString &name)
{
    return QImage(skinPath(name)).convertToFormat(QImage::Format_ARGB32);
}

// Mean of the largest channel difference per pixel, alpha included.
double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return sum / (a.width() * a.height());
}

QStringList numbered(const QString &stem, int first, int last, const QString &suffix = ".png")
{
    QStringList names;
    for (int i = first; i <= last; ++i)
        names << stem + QString::number(i) + suffix;
    return names;
}

// Every picture the program loads, spelled as its callers spell them.
QStringList namesTheProgramLoads()
{
    QStringList names{"cfgMainback.png", "bat1.png", "bat2.png", "dlg.png", "warn.png", "dongle2.png",
                      "tabbutton-1.png", "tabbutton-2.png", "tabbutton-3.png", "profile_import1.png",
                      "profile_import2.png", "profile_export1.png", "profile_reset1.png", "profile_reset2.png",
                      "profile_add1.png", "profile_add2.png", "profile_del1.png", "profile_del2.png",
                      "profile_copy1.png", "profile_copy2.png", "profile_apply1.png", "lang.png",
                      "profilesel.png", "profile_edit_name_1.png", "profile_edit_name_2.png", "btn_1.png",
                      "btn_2.png", "lightning.png", "dongle.png", "mouselogo.png", "checkbox1-1.png",
                      "checkbox1-2.png", "checkbox2-1.png", "checkbox2-2.png", "rate.png", "pspeed.png",
                      "edit.png", "delay.png", "keybo.png", "mouse_move.png", "keydown.png", "keyup.png",
                      "insert_mouse_key_1.png", "left.png", "right.png", "up.png", "down.png", "left1.png",
                      "right1.png", "up1.png", "down1.png", "dlg_gun.png", "gunset_bullet.png", "bulletsel.png",
                      "mouse/QM700/Mouse.png", "mouse/QM700_Side.png"};
    names << numbered("close-", 1, 3) << numbered("min-", 1, 3) << numbered("btn_up", 1, 4)
          << numbered("btn_down", 1, 4) << numbered("mouse/QM700/mouse_", 1, 20);
    for (const char *stem : {"add", "delete", "moveup", "movedown", "top", "bottom", "clear"})
        names << numbered(stem, 1, 4);
    return names;
}

// The picture lists that buttons get, in state order, where the files differ.
QList<QStringList> stateSets()
{
    QList<QStringList> sets{{"tabbutton-1.png", "tabbutton-3.png", "tabbutton-2.png"},
                            {"profile_import1.png", "profile_import2.png"},
                            {"profile_reset1.png", "profile_reset2.png"},
                            {"profile_add1.png", "profile_add2.png"},
                            {"profile_del1.png", "profile_del2.png"},
                            {"profile_copy1.png", "profile_copy2.png"},
                            {"profile_edit_name_1.png", "profile_edit_name_2.png"},
                            {"btn_2.png", "btn_1.png"},
                            {"btn_up4.png", "btn_up3.png"},
                            {"btn_up2.png", "btn_up1.png"},
                            {"btn_down4.png", "btn_down3.png"},
                            {"btn_down2.png", "btn_down1.png"},
                            {"checkbox1-1.png", "checkbox1-2.png"},
                            {"checkbox2-1.png", "checkbox2-2.png"}};
    sets << numbered("close-", 1, 3) << numbered("min-", 1, 3);
    for (const char *stem : {"add", "delete", "moveup", "movedown", "top", "bottom", "clear"})
        sets << numbered(stem, 1, 4);
    return sets;
}

} // namespace

class TestSkinFolder : public QObject
{
    Q_OBJECT
private slots:
    void everyListedPictureExistsAtItsSize()
    {
        QSet<QString> seen;
        for (const SkinPicture &picture : skin::catalog()) {
            QVERIFY2(!seen.contains(picture.name), qPrintable(picture.name));
            seen.insert(picture.name);
            const QImage image = load(picture.name);
            QVERIFY2(!image.isNull(), qPrintable(picture.name));
            QCOMPARE(image.size(), picture.size);
        }
    }

    void everyPictureShowsSomething()
    {
        // a painter that misses its canvas leaves it empty or flat
        for (const SkinPicture &picture : skin::catalog()) {
            const QImage image = load(picture.name);
            int visible = 0;
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    visible += qAlpha(image.pixel(x, y)) > 0;
                    if (colours.size() < 3)
                        colours.insert(image.pixel(x, y));
                }
            QVERIFY2(visible * 20 >= image.width() * image.height(), qPrintable(picture.name));
            QVERIFY2(colours.size() >= 3, qPrintable(picture.name));
        }
    }

    void everyPictureTheProgramLoadsIsListed()
    {
        QSet<QString> listed;
        for (const SkinPicture &picture : skin::catalog())
            listed.insert(picture.name);
        for (const QString &name : namesTheProgramLoads())
            QVERIFY2(listed.contains(name), qPrintable(name));
    }

    void windowBackgroundIsItsOwnMask()
    {
        const QImage back = load("cfgMainback.png");
        QCOMPARE(back.size(), QSize(999, 640));
        int inside = 0;
        for (int y = 0; y < back.height(); ++y)
            for (int x = 0; x < back.width(); ++x) {
                const int alpha = qAlpha(back.pixel(x, y));
                QVERIFY2(alpha == 0 || alpha == 255, qPrintable(QString("%1,%2").arg(x).arg(y)));
                inside += alpha == 255;
            }
        // the frame all round and the cut corners lie outside the window
        for (int x = 0; x < back.width(); ++x) {
            QCOMPARE(qAlpha(back.pixel(x, 0)), 0);
            QCOMPARE(qAlpha(back.pixel(x, 639)), 0);
        }
        for (int y = 0; y < back.height(); ++y) {
            QCOMPARE(qAlpha(back.pixel(0, y)), 0);
            QCOMPARE(qAlpha(back.pixel(998, y)), 0);
        }
        QCOMPARE(qAlpha(back.pixel(10, 10)), 0);
        QCOMPARE(qAlpha(back.pixel(988, 628)), 0);
        // every control and page of the window lies on the opaque part
        const QList<QRect> controls{{69, 90, 154, 131},  {924, 33, 19, 19},  {903, 33, 19, 19}, {670, 33, 100, 20},
                                    {774, 33, 105, 20},  {68, 213, 152, 160}, {68, 458, 150, 70}, {69, 581, 86, 47},
                                    {174, 581, 48, 48},  {308, 588, 365, 30}, {807, 594, 140, 20}, {285, 75, 690, 476},
                                    {617, 99, 316, 443}, {69, 20, 200, 50}};
        for (const QRect &r : controls)
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    QVERIFY2(qAlpha(back.pixel(x, y)) == 255, qPrintable(QString("%1,%2").arg(x).arg(y)));
        // the mask the window takes from the picture is the opaque part
        const QImage mask = QPixmap(skinPath("cfgMainback.png")).mask().toImage().convertToFormat(QImage::Format_RGB32);
        int masked = 0;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                masked += mask.pixel(x, y) == qRgb(0, 0, 0);
        QCOMPARE(masked, inside);
    }

    void dialogBackgroundsAreOpaque()
    {
        for (const char *name : {"dlg.png", "dlg_gun.png"}) {
            const QImage image = load(name);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    QVERIFY2(qAlpha(image.pixel(x, y)) == 255, name);
        }
    }

    void batteryPicturesKeepTheirAspect()
    {
        const QImage noCable = load("bat1.png"), cable = load("bat2.png");
        for (const QImage &image : {noCable, cable}) {
            QVERIFY(!image.isNull());
            QCOMPARE(image.width() * 47, image.height() * 86);
        }
        QVERIFY(meanDifference(noCable, cable) > 1.0);
    }

    void statePicturesDifferVisibly()
    {
        for (const QStringList &set : stateSets())
            for (int i = 0; i < set.size(); ++i)
                for (int j = i + 1; j < set.size(); ++j) {
                    const QImage a = load(set[i]), b = load(set[j]);
                    QVERIFY2(!a.isNull() && a.size() == b.size(), qPrintable(set[i]));
                    const double d = meanDifference(a, b);
                    QVERIFY2(d > 6.0, qPrintable(QString("%1 %2 %3").arg(set[i], set[j]).arg(d)));
                }
    }

    void hoverPicturesMarkTheModelsButtons()
    {
        const QImage front = load("mouse/QM700/Mouse.png");
        QVector<QImage> marked;
        for (int n = 1; n <= 7; ++n) {
            marked << load(QString("mouse/QM700/mouse_%1.png").arg(n));
            QVERIFY2(meanDifference(front, marked.last()) > 0.1, qPrintable(QString::number(n)));
        }
        for (int i = 0; i < marked.size(); ++i)
            for (int j = i + 1; j < marked.size(); ++j)
                QVERIFY(meanDifference(marked[i], marked[j]) > 0.1);
        // the model has no button 8 or later: those show the plain front view
        QCOMPARE(meanDifference(front, load("mouse/QM700/mouse_8.png")), 0.0);
    }

    void iconsComeInEveryProgramsSizes()
    {
        for (bool alt : {false, true})
            for (int side : skin::iconSizes(alt))
                QCOMPARE(load(skin::iconPictureName(alt, side)).size(), QSize(side, side));
        QCOMPARE(skin::iconSizes(false), (QVector<int>{256, 128, 96, 64, 32, 16}));
        QCOMPARE(skin::iconSizes(true), (QVector<int>{256, 128, 96, 64, 48, 32, 16}));
        for (bool alt : {false, true}) {
            QImageReader reader(skinPath(skin::iconFileName(alt)));
            QSet<int> sides;
            for (int i = 0; i < reader.imageCount(); ++i) {
                QVERIFY(reader.jumpToImage(i));
                const QImage image = reader.read();
                QCOMPARE(image.width(), image.height());
                sides.insert(image.width());
            }
            const QVector<int> expected = skin::iconSizes(alt);
            QCOMPARE(reader.imageCount(), expected.size());
            QCOMPARE(sides, QSet<int>(expected.begin(), expected.end()));
        }
    }
};

MOUSECFG_TEST(TestSkinFolder)
#include "TestSkinFolder.moc"
