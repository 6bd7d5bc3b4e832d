// Renders the macro tab with a recorded macro into PNG files, at UI scales 1.0, 1.25,
// 1.5 and 2.0 and once in traditional Chinese:
//   macro_gallery <output folder>
#include "macro/MacroDialog.h"
#include "macro/MacroRows.h"
#include "macro/QuorGunEditDialog.h"
#include "macro/QuorGunsetDialog.h"
#include "macro/QuorTreeItem.h"
#include "storage/MacroFile.h"
#include "tests/common/Gallery.h"
#include "widgets/KeyboardFocus.h"
#include "widgets/QuorPushButton.h"
#include "widgets/UiScale.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStandardItemModel>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {
// A, 250 ms, A released, then a left click and a move as the tree inserts them.
QVector<MacroAction> recordedRows()
{
    return {{MacroKeyPress, 0, 4}, delayRow(250), {MacroKeyRelease, 0, 4}, delayRow(120),
            {MacroKeyPress, 0, 0xE1}, delayRow(40), {MacroKeyPress, 0, 0x5C}, delayRow(90),
            {MacroKeyRelease, 0, 0x5C}, delayRow(30), {MacroKeyRelease, 0, 0xE1},
            mouseButtonRow(0, false), delayRow(10), mouseButtonRow(0, true), delayRow(10),
            mouseMoveRow(MoveLeft, 5), delayRow(10)};
}

void writeSampleMacros()
{
    MacroFile macro;
    macro.defaultDelay = 10;
    macro.delayType = DelayRecorded;
    macro.loopTime = 1;
    macro.rows = recordedRows();
    writeMacroFile(QStringLiteral("Reload"), macro, WriteSign::Mark);
    writeMacroFile(QStringLiteral("name_1"), MacroFile{}, WriteSign::Mark);
    for (const char *name : {"Reload", "name_1"}) {
        if (findMacroSlot(QLatin1String(name)) < 0)
            addToMacroList(QLatin1String(name));
    }
}

void render(Gallery &gallery)
{
    writeSampleMacros();
    MacroDialog page;
    page.resize(scaledPixels(665), scaledPixels(467));
    page.show();
    gallery.save("macro_page", page);

    page.actionTable()->selectRow(6);
    page.button(MacroDialog::EditButton)->click();
    gallery.save("macro_page_edit_key", page);
    page.actionTable()->selectRow(15);
    gallery.save("macro_page_edit_move", page);
    page.actionTable()->selectRow(7);
    gallery.save("macro_page_edit_delay", page);
    page.button(MacroDialog::CancelButton)->click();

    page.button(MacroDialog::MouseActionButton)->click();
    gallery.save("macro_page_tree", page);
    // The focus cue as the window shows it.
    showFocusFrames(&page);
    page.activateWindow();
    if (!QTest::qWaitForWindowActive(&page))
        std::fprintf(stderr, "page: no focus\n");
    page.moveEntry(MoveDown)->distanceEdit()->setFocus(Qt::TabFocusReason);
    gallery.save("macro_page_tree_focus_in_distance", page);

    page.button(MacroDialog::StartButton)->click();
    gallery.save("macro_page_recording", page);
    page.button(MacroDialog::StopButton)->click();

    page.mouseButtonMenu()->resize(page.mouseButtonMenu()->sizeHint());
    gallery.save("macro_mouse_button_menu", *page.mouseButtonMenu());

    page.button(MacroDialog::MouseActionButton)->click();
    page.batchBox()->click();
    qobject_cast<QCheckBox *>(page.macroList()->itemWidget(page.macroList()->item(0)))->setChecked(true);
    gallery.save("macro_page_batch", page);
    page.macroList()->itemWidget(page.macroList()->item(1))->setFocus(Qt::TabFocusReason);
    gallery.save("macro_page_batch_focus_in_row", page);
    page.batchBox()->click();

    QuorGunsetDialog gunSet(nullptr, uiScale(), Qt::FramelessWindowHint);
    gunSet.show();
    gallery.save("gun_set", gunSet);
    if (!QTest::qWaitForWindowActive(&gunSet))
        std::fprintf(stderr, "gunSet: no focus\n");
    gunSet.delayBox(1)->setFocus(Qt::TabFocusReason);
    gallery.save("gun_set_focus_in_delay", gunSet);
    gunSet.yBox(0)->setFocus(Qt::TabFocusReason);
    gallery.save("gun_set_focus_in_y", gunSet);
    QuorGunEditDialog gunEdit(MoveUp, 30, nullptr, uiScale(), Qt::FramelessWindowHint);
    gunEdit.show();
    gallery.save("gun_edit", gunEdit);
    if (!QTest::qWaitForWindowActive(&gunEdit))
        std::fprintf(stderr, "gunEdit: no focus\n");
    gunEdit.distanceBox()->setFocus(Qt::TabFocusReason);
    gallery.save("gun_edit_focus_in_distance", gunEdit);
}

// An application folder with the build's skin and Config.ini and a macro folder
// of its own.
bool prepareFolder(const QTemporaryDir &dir)
{
    const QString app = QStringLiteral(MOUSECFG_APP_DIR);
    QDir root(dir.path());
    return root.mkpath(QStringLiteral("Configs/MacroDB"))
           && QFile::link(app + "/skin", dir.path() + "/skin")
           && QFile::copy(app + "/Configs/Config.ini", dir.path() + "/Configs/Config.ini");
}
}

int main(int argc, char **argv)
{
    QTemporaryDir dir;
    if (!dir.isValid() || !prepareFolder(dir))
        return 1;
    return galleryMain(argc, argv, dir.path(), {1.0, 1.25, 1.5, 2.0}, render, render);
}
