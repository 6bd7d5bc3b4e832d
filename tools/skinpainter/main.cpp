// Paints the skin pictures into the application folder at build time.
#include "tools/skinpainter/SkinCatalog.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <skin folder> <loading.gif>\n", argv[0]);
        return 2;
    }
    QString error;
    if (!skin::writeSkin(QString::fromLocal8Bit(argv[1]), &error)
        || !skin::writeLoadingGif(QString::fromLocal8Bit(argv[2]), &error)) {
        std::fprintf(stderr, "skinpainter: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
