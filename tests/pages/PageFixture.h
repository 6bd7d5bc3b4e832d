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
                         QStringLiteral("[PROFILE]\nMouseDpi=0\nButtonCount=0\nDPICount=%1\nShowSleep=%2\n")
                             .arg(stages).arg(showSleep).toUtf8());
        setUiScale(1.0);
        setCurrentLanguageIndex(0);
    }
    ~PageFixture() { setUiScale(1.0); }

    TestAppFolder folder;
};
