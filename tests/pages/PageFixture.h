#pragma once

#include "tests/common/ModalRunner.h"
#include "tests/common/TestAppFolder.h"
#include "widgets/SkinFont.h"
#include "widgets/UiScale.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>


// A throw-away application folder whose Config.ini names the product, a font and
// theme blue, and whose model descriptor gives the stage count and ShowSleep.
class PageFixture
{
public:
    explicit PageFixture(const QString &product = QStringLiteral("QM700"), int stages = 8, int showSleep = 1)
    {
        folder.writeFile("Configs/Config.ini",
                         QStringLiteral("[Config]\nCurrentProductName=%1\nGColorID=2\n\n[FONT_LIST]\n"
                                        "FONT_0=DejaVu Sans\nFONT_SIZE_0=12\n")
                             .arg(product).toUtf8());
        folder.writeFile("DefaultProfile.bin",
                         TestAppFolder::sampleDescriptor({{"MouseDpi", "0"},
                                                          {"ButtonCount", "0"},
                                                          {"DPICount", QByteArray::number(stages)},
                                                          {"ShowSleep", QByteArray::number(showSleep)}}));
        setUiScale(1.0);
        setCurrentLanguageIndex(0);
    }
    ~PageFixture() { setUiScale(1.0); }

    TestAppFolder folder;
};
