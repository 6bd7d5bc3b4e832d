#include "tests/common/Gallery.h"

#include "storage/AppFolder.h"
#include "widgets/SkinFont.h"
#include "widgets/UiScale.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTranslator>
#include <QVector>
#include <QWidget>

#include <cstdio>

namespace {
const QColor Backdrop(33, 35, 35);

bool renderInto(const QString &folder, const std::function<void(Gallery &)> &render)
{
    Gallery gallery(folder);
    render(gallery);
    std::printf("%d pictures in %s\n", gallery.count(), qPrintable(folder));
    return !gallery.failed();
}
}

Gallery::Gallery(const QString &folder)
    : m_folder(folder)
{
    QDir().mkpath(folder);
}

void Gallery::save(const QString &name, QWidget &widget)
{
    widget.ensurePolished();
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Backdrop);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    const QString path = m_folder + "/" + name + ".png";
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        m_failed = true;
    }
    ++m_count;
}

int galleryMain(int argc, char **argv, const QString &appDir, std::initializer_list<double> scales,
                const std::function<void(Gallery &)> &render, const std::function<void(Gallery &)> &renderTc)
{
    QApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    setAppDirPathForTests(appDir);
    const QString out = QString::fromLocal8Bit(argv[1]);
    const auto folderOf = [&out](double scale, const QString &language) {
        const int decimals = scale * 10 == int(scale * 10) ? 1 : 2;
        return QStringLiteral("%1/scale-%2%3").arg(out).arg(scale, 0, 'f', decimals).arg(language);
    };
    bool ok = true;
    for (double scale : scales) {
        setUiScale(scale);
        setCurrentLanguageIndex(0);
        ok = renderInto(folderOf(scale, QString()), render) && ok;
    }
    // The Chinese catalogs with their languages' fonts.
    const bool everyLanguage = qEnvironmentVariableIntValue("MOUSECFG_GALLERY_ALL_LANGUAGES") != 0;
    const QVector<double> chineseScales = everyLanguage ? QVector<double>(scales) : QVector<double>{1.0};
    const struct
    {
        int index;
        const char *name;
    } languages[] = {{1, "tc"}, {2, "sc"}};
    for (const auto &language : languages) {
        if (language.index > 1 && !everyLanguage)
            break;
        QTranslator translator;
        if (!translator.load(QStringLiteral(":/lang/%1.qm").arg(QLatin1String(language.name))))
            continue;
        QCoreApplication::installTranslator(&translator);
        setCurrentLanguageIndex(language.index);
        for (double scale : chineseScales) {
            setUiScale(scale);
            ok = renderInto(folderOf(scale, QLatin1Char('-') + QLatin1String(language.name)), renderTc) && ok;
        }
        QCoreApplication::removeTranslator(&translator);
    }
    return ok ? 0 : 1;
}
