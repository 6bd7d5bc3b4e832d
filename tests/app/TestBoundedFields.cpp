#include "buttons/QuorFireKeyWindow.h"
#include "buttons/QuorMacroSelect.h"
#include "macro/MacroRows.h"
#include "macro/QuorListItem.h"
#include "macro/QuorTreeItem.h"
#include "tests/buttons/ButtonPageFixture.h"
#include "tests/buttons/UploadPageFixture.h"
#include "tests/common/TestMain.h"
#include "tests/macro/MacroFixture.h"

#include <QLineEdit>

namespace {
// What one field did with the text typed into it: the field's text once taken, the
// value stored ("refused" when OK would not close), and the button table entry sent.
struct Outcome
{
    QString shown;
    QString stored;
    QString sent;
};

// As a user does: everything selected and deleted, then the text typed. "=N" stands
// for a stored N, left as it is.
void retype(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::OtherFocusReason);
    if (text.startsWith('='))
        return;
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Fire key (Left) or macro button 1 through its dialog, then an upload.
Outcome throughButtonDialog(const QString &field, const QString &text)
{
    UploadPageFixture up;
    up.fx.writeMacro("burst", {{MacroKeyPress, 0, 4}, {MacroKeyRelease, 0, 4}});
    setMacroListSlot(0, "burst");
    const bool fire = field != "loop count";
    ButtonSlot &slot = up.record().buttons[1];
    if (text.startsWith('=')) {
        slot.Fun = fire ? FunFireKey : FunMacro;
        slot.Res1 = fire ? FireLeftButton : MacroLoopCount;
        slot.macroname = "burst";
        (field == "fire delay" ? slot.KeyNumber : slot.LoopNumber) = text.mid(1).toInt();
    }
    Outcome out;
    const bool ran = chooseEntry(*up.page, 1, fire ? QStringList{"Advance", "FIRE KEY"} : QStringList{"Macro Manager"},
                                 [&](QWidget *window) {
        QLineEdit *edit = nullptr;
        if (auto *fireKey = qobject_cast<QuorFireKeyWindow *>(window)) {
            edit = field == "fire times" ? fireKey->timesEdit() : fireKey->delayEdit();
        } else {
            auto *select = static_cast<QuorMacroSelect *>(window);
            if (!text.startsWith('='))
                menuEntry(select->macroMenu(), "burst")->trigger();
            edit = select->countEdit();
        }
        retype(edit, text);
        out.shown = edit->text();
        clickButton(window, "msgBoxYesBtn");
        if (window->isVisible()) {
            out.stored = "refused";
            clickButton(window, "msgBoxNoBtn");
        }
    });
    if (!ran)
        return {"no dialog", {}, {}};
    if (out.stored.isEmpty())
        out.stored = QString::number(field == "fire delay" ? slot.KeyNumber : slot.LoopNumber);
    out.sent = up.entries({1}).value(0);
    return out;
}

// A field of the macro page: the option edits saved, a row editor in edit mode then
// SAVE, a move entry of the tree clicked.
Outcome throughMacroPage(const QString &field, const QString &text)
{
    MacroFixture fx;
    const int stored = text.startsWith('=') ? text.mid(1).toInt() : -1;
    MacroFile macro;
    macro.defaultDelay = field == "default delay" && stored >= 0 ? stored : 10;
    macro.loopTime = field == "loop time" && stored >= 0 ? stored : 1;
    macro.delayType = DelayRecorded;
    macro.rows = rowsFrom(QStringLiteral("2/0/%1 6/0/%2")
                              .arg(field == "row distance" && stored >= 0 ? stored : 5)
                              .arg(field == "row delay" && stored >= 0 ? stored / 10 : 25));
    writeMacroFile("m", macro, WriteSign::Leave);
    auto page = shownPage();
    if (!QTest::qWaitForWindowActive(page.get()))
        return {"page not active", {}, {}};
    QLineEdit *edit = nullptr;
    if (field == "default delay" || field == "loop time") {
        edit = field == "default delay" ? page->defaultDelayEdit() : page->loopTimeEdit();
        retype(edit, text);
        click(page->button(MacroDialog::SaveButton));
        const MacroFile saved = readMacroFile("m");
        return {edit->text(), QString::number(field == "default delay" ? saved.defaultDelay : saved.loopTime), {}};
    }
    if (field == "tree distance") {
        clickRow(*page, 1);
        click(page->button(MacroDialog::MouseActionButton));
        edit = page->moveEntry(MoveRight)->distanceEdit();
        retype(edit, text);
        click(page->moveEntry(MoveRight));
        return {edit->text(), rowsText(page->actionRows()), {}};
    }
    clickRow(*page, field == "row distance" ? 0 : 1);
    click(page->button(MacroDialog::EditButton));
    edit = field == "row distance" ? page->distanceEditor() : page->delayEditor();
    retype(edit, text);
    click(page->button(MacroDialog::SaveButton));
    return {edit->text(), rowsText(readMacroFile("m").rows), {}};
}

// The recoil list row's delay editor, ended by Return.
Outcome throughListRow(const QString &text)
{
    MacroFixture fx;
    QuorListItem row;
    row.setAction(delayRow(250));
    row.show();
    row.beginEdit(true);
    retype(row.delayEditor(), text);
    QTest::keyClick(row.delayEditor(), Qt::Key_Return);
    return {row.delayEditor()->text(), QString::number(delayRowMs(row.action())), {}};
}
}

// Every field that holds a bounded number, typed into as a user does at 0, at its
// bounds, one past the top and at 999: it takes only what it allows, and what is
// stored (and sent) is what it shows.
class TestBoundedFields : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QuorPushButton *>(); }

    void fieldsKeepToTheirBounds_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("sent");
        const struct
        {
            const char *field, *typed, *shown, *stored, *sent;
        } rows[] = {
            // Times 1-255, Delay 1-255 (sent in tens): OK waits for a number; a stored
            // value past the bounds is shown, and taken, held to them.
            {"fire times", "0", "", "refused", "00 00 00 00"},
            {"fire times", "1", "1", "1", "99 81 01 0a"},
            {"fire times", "255", "255", "255", "99 81 ff 0a"},
            {"fire times", "256", "25", "25", "99 81 19 0a"},
            {"fire times", "999", "99", "99", "99 81 63 0a"},
            {"fire times", "=300", "255", "255", "99 81 ff 01"},
            {"fire delay", "0", "", "refused", "00 00 00 00"},
            {"fire delay", "1", "1", "1", "99 81 03 00"},
            {"fire delay", "255", "255", "255", "99 81 03 19"},
            {"fire delay", "256", "25", "25", "99 81 03 02"},
            {"fire delay", "999", "99", "99", "99 81 03 09"},
            {"loop count", "0", "", "refused", "00 00 00 00"},
            {"loop count", "1", "1", "1", "91 00 01 00"},
            {"loop count", "255", "255", "255", "91 00 ff 00"},
            {"loop count", "256", "25", "25", "91 00 19 00"},
            {"loop count", "999", "99", "99", "91 00 63 00"},
            {"loop count", "=1000", "255", "255", "91 00 ff 00"},
            // The macro page: what is left unfinished is held to the bound; a stored
            // value past one is shown, and kept, as stored.
            {"default delay", "0", "0", "0", ""},
            {"default delay", "65535", "65535", "65535", ""},
            {"default delay", "65536", "6553", "6553", ""},
            {"default delay", "999", "999", "999", ""},
            {"loop time", "0", "1", "1", ""},
            {"loop time", "1", "1", "1", ""},
            {"loop time", "255", "255", "255", ""},
            {"loop time", "256", "25", "25", ""},
            {"loop time", "999", "99", "99", ""},
            {"loop time", "=0", "0", "0", ""},
            {"row distance", "0", "1", "2/0/1 6/0/25", ""},
            {"row distance", "1", "1", "2/0/1 6/0/25", ""},
            {"row distance", "120", "120", "2/0/120 6/0/25", ""},
            {"row distance", "121", "12", "2/0/12 6/0/25", ""},
            {"row distance", "999", "99", "2/0/99 6/0/25", ""},
            {"row distance", "=0", "0", "2/0/0 6/0/25", ""},
            // Delays go in steps of 10 ms, from 10 ms.
            {"row delay", "0", "10", "2/0/5 6/0/1", ""},
            {"row delay", "5", "10", "2/0/5 6/0/1", ""},
            {"row delay", "10", "10", "2/0/5 6/0/1", ""},
            {"row delay", "655350", "655350", "2/0/5 6/255/255", ""},
            {"row delay", "655351", "65530", "2/0/5 6/25/153", ""},
            {"row delay", "999", "990", "2/0/5 6/0/99", ""},
            {"row delay", "=0", "0", "2/0/5 6/0/0", ""},
            {"tree distance", "0", "1", "2/0/5 6/0/25 2/0/1 6/0/1", ""},
            {"tree distance", "1", "1", "2/0/5 6/0/25 2/0/1 6/0/1", ""},
            {"tree distance", "120", "120", "2/0/5 6/0/25 2/0/120 6/0/1", ""},
            {"tree distance", "121", "12", "2/0/5 6/0/25 2/0/12 6/0/1", ""},
            {"tree distance", "999", "99", "2/0/5 6/0/25 2/0/99 6/0/1", ""},
            {"list delay", "0", "10", "10", ""},
            {"list delay", "10", "10", "10", ""},
            {"list delay", "65530", "65530", "65530", ""},
            {"list delay", "65531", "6550", "6550", ""},
            {"list delay", "999", "990", "990", ""},
        };
        for (const auto &r : rows)
            QTest::addRow("%s %s", r.field, r.typed) << r.field << r.typed << r.shown << r.stored << r.sent;
    }
    void fieldsKeepToTheirBounds()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        QFETCH(QString, sent);
        Outcome out;
        if (field.startsWith("fire") || field == "loop count")
            out = throughButtonDialog(field, typed);
        else if (field == "list delay")
            out = throughListRow(typed);
        else
            out = throughMacroPage(field, typed);
        QCOMPARE(out.shown, shown);
        QCOMPARE(out.stored, stored);
        QCOMPARE(out.sent, sent);
    }
};

MOUSECFG_TEST(TestBoundedFields)
#include "TestBoundedFields.moc"
