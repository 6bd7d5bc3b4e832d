#include "storage/Theme.h"

#include "storage/ConfigIni.h"
#include "storage/IniFile.h"

#include <array>

namespace {
const QString kColorId = QStringLiteral("Config/GColorID");
}

QColor themePaletteColor(int index)
{
    static const std::array<QColor, ThemeColorCount> palette{{
        QColor(255, 0, 0),
        QColor(0, 255, 0),
        QColor(0, 0, 255),
        QColor(255, 255, 0),
        QColor(255, 0, 255),
        QColor(0, 255, 255),
        QColor(255, 125, 0),
    }};
    return (index >= 0 && index < ThemeColorCount) ? palette[index] : palette[0];
}

int readThemeColorId()
{
    return int(IniFile(configIniPath()).number(kColorId));
}

bool writeThemeColorId(int index)
{
    IniFile ini(configIniPath());
    ini.setValue(kColorId, index);
    return ini.commit();
}

QColor themeColor()
{
    return themePaletteColor(readThemeColorId());
}

QString menuStyleSheet()
{
    return QStringLiteral(
        "                      QMenu {"
        "                          background-color:rgb(50,50,50);"
        "                           border: 0px solid rgb(255,255,255);"
        "                      }"
        "                      QMenu::item {"
        "                          text-align: center;"
        "                          color: rgb(255,255,255);"
        "                           border: 0px solid rgb(255,255,255);"
        "                            background-color:rgb(50,50,50);"
        "                          margin:0px 0px;"
        "                          padding:0px 20px;"
        "                      }"
        "                      QMenu::item:selected {"
        "                           border: 0px solid rgb(255,255,255);"
        "                           background-color:rgb(150,150,150);"
        "                      }"
        "                      QMenu::item:pressed {"
        "                                              border: 0px solid rgb(255,255,255);"
        "                                            background-color:rgb(200,200,200);"
        "                       }"
        "                      ");
}

QString menuStyleSheet(const QColor &)
{
    return menuStyleSheet();
}
