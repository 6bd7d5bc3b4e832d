#pragma once

#include "storage/Theme.h"
#include "tests/common/TestAppFolder.h"
#include "widgets/SkinFont.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTest>
#include <QWidget>

// A throw-away application folder with a Config.ini that names a font and a theme,
// and solid-colour skin pictures. Restores the UI scale and language on exit.
class SkinFixture
{
public:
    explicit SkinFixture(int fontSize = 12, int themeId = 2)
    {
        m_folder.writeFile(QStringLiteral("Configs/Config.ini"),
                           QStringLiteral("[Config]\nGColorID=%1\n\n[FONT_LIST]\nLANGNUM=1\n"
                                          "FONT_0=DejaVu Sans\nFONT_SIZE_0=%2\n")
                               .arg(themeId).arg(fontSize).toUtf8());
        setUiScale(1.0);
        setCurrentLanguageIndex(0);
    }
    ~SkinFixture()
    {
        setUiScale(1.0);
        setCurrentLanguageIndex(0);
    }

    // Writes a picture under skin/; with a second colour its right half takes that colour.
    void writeSkin(const QString &name, QColor color, QSize size = QSize(40, 20),
                   QColor rightHalf = QColor())
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(color);
        if (rightHalf.isValid()) {
            QPainter painter(&image);
            painter.fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(), rightHalf);
        }
        QDir().mkpath(m_folder.path() + "/skin");
        image.save(m_folder.path() + "/skin/" + name);
    }
    QString skin(const QString &name) const { return m_folder.path() + "/skin/" + name; }
    TestAppFolder &folder() { return m_folder; }

private:
    TestAppFolder m_folder;
};

// Renders the widget over a plain background, without its window background.
inline QImage renderOver(QWidget &widget, QColor background = Qt::black,
                         const QRegion &region = QRegion())
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(background);
    widget.render(&image, QPoint(), region, QWidget::DrawChildren);
    return image;
}

// Bounding box of the pixels that differ from the background.
inline QRect inkBox(const QImage &image, QColor background = Qt::black)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Bounding box of the pixels in which two renderings differ.
inline QRect diffBox(const QImage &a, const QImage &b)
{
    QRect box;
    for (int y = 0; y < qMin(a.height(), b.height()); ++y)
        for (int x = 0; x < qMin(a.width(), b.width()); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Whether the focus shows as the focus cue alone: each pixel in which the renderings
// before and after it moved differ has the cue colour in one of them.
inline bool onlyFocusCueDiffers(const QImage &before, const QImage &after)
{
    for (int y = 0; y < qMin(before.height(), after.height()); ++y)
        for (int x = 0; x < qMin(before.width(), after.width()); ++x) {
            const QRgb a = before.pixel(x, y), b = after.pixel(x, y);
            if (a != b && a != FocusCueColor && b != FocusCueColor)
                return false;
        }
    return true;
}

// Data rows "scale" and "theme": the common window scales with each theme colour.
inline void addScaleAndThemeRows()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("theme");
    for (double scale : {1.0, 1.25, 1.5, 2.0})
        for (int theme = 0; theme < ThemeColorCount; ++theme)
            QTest::addRow("%.2f theme %d", scale, theme) << scale << theme;
}
