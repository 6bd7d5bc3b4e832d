#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

class QWidget;

// Pictures of widgets for a person to look at: each save() renders a widget with its
// children over the page backdrop into <folder>/<name>.png.
class Gallery
{
public:
    explicit Gallery(const QString &folder);

    void save(const QString &name, QWidget &widget);
    int count() const { return m_count; }
    bool failed() const { return m_failed; }

private:
    QString m_folder;
    int m_count = 0;
    bool m_failed = false;
};

// The main of a gallery program ("<program> <output folder>"): the pictures of render
// at each UI scale in English into <out>/scale-<scale>, then those of renderTc at scale
// 1.0 in traditional Chinese into <out>/scale-1.0-tc. With MOUSECFG_GALLERY_ALL_LANGUAGES=1
// renderTc also runs at every scale in traditional and simplified Chinese
// (<out>/scale-<scale>-tc, -sc). Returns 0 when every picture was written, 2 without an
// output folder.
int galleryMain(int argc, char **argv, const QString &appDir, std::initializer_list<double> scales,
                const std::function<void(Gallery &)> &render, const std::function<void(Gallery &)> &renderTc);
