#pragma once

#include "macro/MacroDialog.h"
#include "platform/Clock.h"
#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "storage/MacroFile.h"
#include "tests/common/ModalRunner.h"
#include "tests/common/NativeKeyInput.h"
#include "tests/common/TestAppFolder.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorLineEdit.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorPushButton.h"
#include "widgets/UiScale.h"

#include <QListWidget>
#include <QStandardItemModel>
#include <QStringList>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <memory>

// Rows written "type/DataH/DataL ..." as the table shows them.
inline QVector<MacroAction> rowsFrom(const QString &text)
{
    QVector<MacroAction> rows;
    for (const QString &row : text.split(' ', Qt::SkipEmptyParts)) {
        const QStringList b = row.split('/');
        rows.append(MacroAction{quint8(b.value(0).toInt()), quint8(b.value(1).toInt()), quint8(b.value(2).toInt())});
    }
    return rows;
}

inline QString rowsText(const QVector<MacroAction> &rows)
{
    QStringList parts;
    for (const MacroAction &r : rows)
        parts << QStringLiteral("%1/%2/%3").arg(r.type).arg(r.dataH).arg(r.dataL);
    return parts.join(' ');
}

// A throw-away application folder whose Config.ini names a font and lists the
// macros; time comes from the fixture's clock.
class MacroFixture
{
public:
    explicit MacroFixture(const QStringList &listed = {QStringLiteral("m")})
    {
        folder.writeFile("Configs/Config.ini",
                         "[Config]\nGColorID=2\n\n[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=12\n");
        IniFile ini(configIniPath());
        for (int i = 0; i < listed.size(); ++i) {
            ini.setValue(QStringLiteral("MACRO_LIST/%1").arg(i), listed[i]);
            writeMacro(listed[i], QString());
        }
        ini.commit();
        s_now = 1000;
        setClockFunctionForTests(&clock);
        setUiScale(1.0);
    }
    ~MacroFixture() { setClockFunctionForTests(nullptr); }

    static void writeMacro(const QString &name, const QString &rows, int delayType = DelayRecorded)
    {
        MacroFile macro;
        macro.defaultDelay = 10;
        macro.delayType = delayType;
        macro.loopTime = 1;
        macro.rows = rowsFrom(rows);
        writeMacroFile(name, macro, WriteSign::Leave);
    }

    static qint64 clock() { return s_now; }
    static inline qint64 s_now = 0;

    TestAppFolder folder;
    // Closes a message box that no step expected, so the test fails instead of hanging.
    ModalWatchdog watchdog{20000};
};

// The page as the main window shows it: its rectangle, shown, with the focus.
inline std::unique_ptr<MacroDialog> shownPage()
{
    auto page = std::make_unique<MacroDialog>();
    page->resize(scaledPixels(665), scaledPixels(467));
    page->show();
    page->activateWindow();
    return page;
}

inline void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

inline void clickRow(MacroDialog &page, int row)
{
    QTableView *table = page.actionTable();
    table->scrollTo(page.actionModel()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(page.actionModel()->index(row, 1)).center());
}

inline void clickListRow(MacroDialog &page, int row)
{
    QListWidget *list = page.macroList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Plays keys and time at the page: "30+" presses the key of Linux code 30, "30-"
// releases it, "30*" repeats its press, "@250" lets 250 ms pass.
inline void play(QWidget *page, const QString &script)
{
    for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
        if (step.startsWith('@')) {
            MacroFixture::s_now += step.mid(1).toLongLong();
            continue;
        }
        const int evdev = step.chopped(1).toInt();
        const QChar kind = step.back();
        sendNativeKey(page, kind == '-' ? QEvent::KeyRelease : QEvent::KeyPress, evdev, Qt::Key_unknown,
                      Qt::NoModifier, kind == '*');
    }
}

// Answers the message box that the step opens, after checking its text: Yes (or
// Ok), or No where the box has it. An empty text expects no box: the step just runs.
inline bool answerMessage(const std::function<void()> &step, const QString &text, bool yes = true)
{
    if (text.isEmpty()) {
        step();
        return true;
    }
    bool matched = false;
    const bool ran = runModal(step, [&](QWidget *window) {
        auto *box = qobject_cast<QuorMessageBox *>(window);
        matched = box && box->messageLabel()->caption() == text;
        if (box)
            QTest::mouseClick(yes || !box->secondButton() ? box->firstButton() : box->secondButton(), Qt::LeftButton);
        else
            window->close();
    });
    return ran && matched;
}
