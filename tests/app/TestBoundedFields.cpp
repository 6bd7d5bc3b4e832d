#include "buttons/QuorFireKeyWindow.h"
#include "buttons/QuorMacroSelect.h"
#include "macro/MacroRows.h"
#include "macro/QuorGunsetDialog.h"
#include "macro/QuorListItem.h"
#include "macro/QuorTreeItem.h"
#include "pages/DefaultColorArea.h"
#include "pages/QuorColorArea.h"
#include "pages/QuorColorWindow.h"
#include "tests/buttons/ButtonPageFixture.h"
#include "tests/buttons/UploadPageFixture.h"
#include "tests/common/TestMain.h"
#include "tests/macro/MacroFixture.h"
#include "tests/pages/PageFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyleOptionSpinBox>
#include <QWheelEvent>

namespace {
// A turn of the wheel, or a click on the up arrow, over a spin box.
void stepUpByPointer(QWidget *box, bool wheel)
{
    const QPoint centre = box->rect().center();
    QWheelEvent turn(centre, box->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QStyleOptionSpinBox option;
    option.initFrom(box);
    const QRect up = box->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, box);
    wheel ? void(QApplication::sendEvent(box, &turn)) : QTest::mouseClick(box, Qt::LeftButton, {}, up.center());
}

// As a user does, key by key: everything selected and deleted, then the text typed,
// where "<home>", "<del>", "<tab>", "<up>", "<down>" and "<pgup>" stand for those keys,
// "<wheel>" and "<arrow>" for a spin box's wheel and up arrow. "=N" stands for a
// stored N, left as it is.
void retype(QWidget *field, const QString &text)
{
    const QMap<QString, std::pair<int, Qt::Key>> keys{
        {"<home>", {102, Qt::Key_Home}}, {"<del>", {111, Qt::Key_Delete}}, {"<tab>", {15, Qt::Key_Tab}},
        {"<up>", {103, Qt::Key_Up}}, {"<down>", {108, Qt::Key_Down}}, {"<pgup>", {104, Qt::Key_PageUp}}};
    // The window takes the keyboard, as it does once a menu over it has closed.
    QApplication::setActiveWindow(field->window());
    field->setFocus(Qt::OtherFocusReason);
    if (text.startsWith('='))
        return;
    QMetaObject::invokeMethod(field, "selectAll");
    tapNativeKey(field, 14, Qt::Key_Backspace);
    for (const QString &part : text.split(' ', Qt::SkipEmptyParts)) {
        if (keys.contains(part))
            tapNativeKey(field, keys[part].first, keys[part].second);
        else if (part == "<wheel>" || part == "<arrow>")
            stepUpByPointer(field, part == "<wheel>");
        else
            typeNativeNumber(field, part);
    }
}

// The text retyped in the field (of a line edit or spin box), then Return or OK; a dialog
// that stays open is left by its refusing button, noting whether OK would still close it.
void retypeAndTake(QWidget *dialog, QWidget *field, const QString &text, QStringList &out, bool byOk = false)
{
    retype(field, text);
    byOk ? clickButton(dialog, "msgBoxYesBtn") : tapNativeKey(field, 28, Qt::Key_Return);
    out << field->property("text").toString();
    if (!dialog->isVisible())
        return;
    out << (dialog->findChild<QToolButton *>("msgBoxYesBtn")->isEnabled() ? "refused, OK open" : "refused");
    clickButton(dialog, "msgBoxNoBtn");
}

// The colour dialog's green box, opened from the lighting page's swatch: the green of
// the effect and of the swatch then.
QStringList throughColorDialog(const QString &text)
{
    PageFixture fx;
    QuorColorWindow page(nullptr, 1.0);
    ProfileRecord r;
    r.LedMode = 1;
    r.ledModes[1].color = QColor(10, 20, 30);
    page.setProfileData(&r);
    QStringList out;
    runModal([&] { QTest::mouseClick(page.colorSwatch(), Qt::LeftButton); },
             [&](QWidget *window) { retypeAndTake(window, qobject_cast<QuorColorArea *>(window)->box(4), text, out); });
    return out << QString("%1/%2").arg(r.ledModes[1].color.green()).arg(page.colorSwatch()->color().green());
}

// The delay or Y box of the recoil set dialog's one shot, opened by GUN SET on the macro
// page: the rows of the file it makes.
QStringList throughGunSet(const QString &field, const QString &text)
{
    MacroFixture fx;
    setCurrentLanguageIndex(1);
    auto page = shownPage();
    QStringList out;
    runModal([&] { click(page->button(MacroDialog::GunSetButton)); }, [&](QWidget *window) {
        auto *dialog = qobject_cast<QuorGunsetDialog *>(window);
        pickMenuEntry(dialog->countButton(), "1");
        QTest::keyClicks(dialog->nameField(), "Burst");
        retypeAndTake(dialog, field == "gun delay" ? static_cast<QWidget *>(dialog->delayBox(0)) : dialog->yBox(0), text, out);
    });
    setCurrentLanguageIndex(0);
    return out.size() == 1 ? out << rowsText(readMacroFile("Burst").rows) : out;
}

// Fire key (Left) or macro button 1 through its dialog, then an upload.
QStringList throughButtonDialog(const QString &field, const QString &text)
{
    UploadPageFixture up;
    up.fx.writeMacro("burst", {{MacroKeyPress, 0, 4}, {MacroKeyRelease, 0, 4}});
    setMacroListSlot(0, "burst");
    const bool fire = field != "loop count";
    ButtonSlot &slot = up.record().buttons[1];
    qint32 &value = field == "fire delay" ? slot.KeyNumber : slot.LoopNumber;
    if (text.startsWith('=')) {
        slot.Fun = fire ? FunFireKey : FunMacro;
        slot.Res1 = fire ? FireLeftButton : MacroLoopCount;
        slot.macroname = "burst";
        value = text.mid(1).toInt();
    }
    QStringList out;
    const bool ran = chooseEntry(*up.page, 1, fire ? QStringList{"Advance", "FIRE KEY"} : QStringList{"Macro Manager"},
                                 [&](QWidget *window) {
        auto *fireKey = qobject_cast<QuorFireKeyWindow *>(window);
        auto *select = qobject_cast<QuorMacroSelect *>(window);
        if (select && !text.startsWith('='))
            menuEntry(select->macroMenu(), "burst")->trigger();
        QLineEdit *edit = select ? select->countEdit() : field == "fire times" ? fireKey->timesEdit() : fireKey->delayEdit();
        retypeAndTake(window, edit, text, out, true);
    });
    if (!ran)
        return {"no dialog"};
    if (out.size() == 1)
        out << QString::number(value);
    return out << up.entries({1}).value(0);
}

// A field of the macro page: the option edits saved, a row editor in edit mode then
// SAVE, a move entry of the tree clicked.
QStringList throughMacroPage(const QString &field, const QString &text)
{
    MacroFixture fx;
    MacroFile macro;
    macro.defaultDelay = 10;
    macro.loopTime = field == "loop time" && text.startsWith('=') ? text.mid(1).toInt() : 1;
    macro.delayType = DelayRecorded;
    macro.rows = rowsFrom("2/0/5 6/0/25");
    if (field.startsWith("row") && text.startsWith('='))
        macro.rows[field == "row distance" ? 0 : 1].dataL = quint8(text.mid(1).toInt());
    writeMacroFile("m", macro, WriteSign::Leave);
    auto page = shownPage();
    if (!QTest::qWaitForWindowActive(page.get()))
        return {"page not active"};
    const bool tree = field == "tree distance";
    if (field != "default delay" && field != "loop time") {
        clickRow(*page, field == "row distance" ? 0 : 1);
        click(page->button(tree ? MacroDialog::MouseActionButton : MacroDialog::EditButton));
    }
    QLineEdit *edit = field == "default delay"  ? page->defaultDelayEdit()
                      : field == "loop time"    ? page->loopTimeEdit()
                      : tree                    ? page->moveEntry(MoveRight)->distanceEdit()
                      : field == "row distance" ? page->distanceEditor()
                                                : page->delayEditor();
    retype(edit, text);
    click(tree ? static_cast<QWidget *>(page->moveEntry(MoveRight)) : page->button(MacroDialog::SaveButton));
    const MacroFile saved = readMacroFile("m");
    return {edit->text(), field == "default delay" ? QString::number(saved.defaultDelay)
                          : field == "loop time"   ? QString::number(saved.loopTime)
                                                   : rowsText(tree ? page->actionRows() : saved.rows)};
}

// The recoil list row's delay editor, ended by Return.
QStringList throughListRow(const QString &text)
{
    MacroFixture fx;
    QuorListItem row;
    row.setAction(delayRow(250));
    row.show();
    row.beginEdit(true);
    retype(row.delayEditor(), text);
    QTest::keyClick(row.delayEditor(), Qt::Key_Return);
    return {row.delayEditor()->text(), QString::number(delayRowMs(row.action()))};
}
}

// Every field that holds a bounded number, typed into as a user does at 0, at its
// bounds and one past the top: it takes only what it allows, and what is stored (and
// sent) is what it shows.
class TestBoundedFields : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QuorPushButton *>(); }

    void fieldsKeepToTheirBounds_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outcome");
        // Cases "typed: shown|stored|sent": the field's text once taken, the value stored
        // ("refused": OK would not close) and, for a button, the table entry sent.
        const auto add = [](const char *field, const QStringList &cases) {
            for (const QString &c : cases) {
                const QString typed = c.section(": ", 0, 0);
                QTest::addRow("%s %s", field, qPrintable(typed)) << field << typed << c.section(": ", 1);
            }
        };
        // Times 1-255, Delay 1-255 (sent in tens): OK waits for a number in range (button 2
        // keeps its factory right click); a stored value past the bounds is shown, and taken,
        // held to them. A field edits as text does: 100 becomes 200 through 00, and leading
        // zeros count for nothing and are gone once the field is left.
        add("fire times", {"0: 0|refused|82 00 00 00", "100 <home> <del> 2: 200|200|99 81 c8 0a",
                           "050: 50|50|99 81 32 0a", "050 <tab>: 50|50|99 81 32 0a", "1: 1|1|99 81 01 0a", "255: 255|255|99 81 ff 0a",
                           "256: 25|25|99 81 19 0a", "999: 99|99|99 81 63 0a",
                           "=300: 255|255|99 81 ff 01"});
        add("fire delay", {"0: 0|refused|82 00 00 00", "100 <home> <del> 2: 200|200|99 81 03 14", "1: 1|1|99 81 03 00", "255: 255|255|99 81 03 19",
                           "256: 25|25|99 81 03 02", "999: 99|99|99 81 03 09"});
        add("loop count", {"0: 0|refused|82 00 00 00", "100 <home> <del> 2: 200|200|91 00 c8 00", "1: 1|1|91 00 01 00", "255: 255|255|91 00 ff 00",
                           "256: 25|25|91 00 19 00", "999: 99|99|91 00 63 00",
                           "=1000: 255|255|91 00 ff 00"});
        // The macro page: what is left unfinished is held to the bound; a stored value
        // past one is shown, and kept, as stored.
        add("default delay", {"0: 0|0", "050: 50|50", "0 <tab>: 0|0", "100 <home> <del> 2: 200|200", "65535: 65535|65535", "65536: 6553|6553", "999: 999|999"});
        add("loop time", {"0: 1|1", "007 <tab>: 7|7", "100 <home> <del> 2: 200|200", "00: 1|1", "1: 1|1", "255: 255|255", "256: 25|25", "999: 99|99", "=0: 0|0"});
        add("row distance", {"0: 1|2/0/1 6/0/25", "050: 50|2/0/50 6/0/25", "10 <home> <del> 2: 20|2/0/20 6/0/25", "1: 1|2/0/1 6/0/25", "120: 120|2/0/120 6/0/25",
                             "121: 12|2/0/12 6/0/25", "999: 99|2/0/99 6/0/25", "=0: 0|2/0/0 6/0/25"});
        add("tree distance", {"0: 1|2/0/5 6/0/25 2/0/1 6/0/1", "007: 7|2/0/5 6/0/25 2/0/7 6/0/1", "10 <home> <del> 2: 20|2/0/5 6/0/25 2/0/20 6/0/1", "1: 1|2/0/5 6/0/25 2/0/1 6/0/1",
                              "120: 120|2/0/5 6/0/25 2/0/120 6/0/1", "121: 12|2/0/5 6/0/25 2/0/12 6/0/1",
                              "999: 99|2/0/5 6/0/25 2/0/99 6/0/1"});
        // Delays go in steps of 10 ms, from 10 ms.
        add("row delay", {"0: 10|2/0/5 6/0/1", "0100: 100|2/0/5 6/0/10", "100 <home> <del> 2: 200|2/0/5 6/0/20", "10: 10|2/0/5 6/0/1", "655350: 655350|2/0/5 6/255/255",
                          "655351: 65530|2/0/5 6/25/153", "999: 990|2/0/5 6/0/99", "=0: 0|2/0/5 6/0/0"});
        add("list delay", {"0: 10|10", "0100: 100|100", "100 <home> <del> 2: 200|200", "10: 10|10", "65530: 65530|65530", "65531: 6550|6550", "999: 990|990"});
        // The dialogs take, by Return as by OK, only a number the box shows.
        add("colour green", {": G |refused|20/20", "0: G 0|0/0", "255: G 255|255/255", "256: G 25|25/25"});
        // The recoil set's delay is a spin box of 10 to 990 ms in steps of 10 (keys, wheel,
        // arrows): a number past the top or between two steps waits until the box is left.
        add("gun delay", {": |refused", "0: 0|refused", "10: 10|129/0/1 1/0/1 6/0/1", "999: 999|refused",
                          "999 <tab>: 990|129/0/1 1/0/1 6/0/99", "15 <tab>: 10|129/0/1 1/0/1 6/0/1",
                          "1000: 100|129/0/1 1/0/1 6/0/10", "050 <tab>: 50|129/0/1 1/0/1 6/0/5",
                          "100 <home> <del> 2: 200|129/0/1 1/0/1 6/0/20",
                          "100 <up> <up> <down> <pgup>: 210|129/0/1 1/0/1 6/0/21",
                          "100 <wheel> <arrow>: 120|129/0/1 1/0/1 6/0/12", "10 <down>: 10|129/0/1 1/0/1 6/0/1",
                          "950 <pgup> <up> <arrow> <wheel>: 990|129/0/1 1/0/1 6/0/99"});
        add("gun y", {": |refused", "-050 <tab>: -50|129/0/1 1/0/1 2/206/0 6/0/10", "-: -|refused", "-100: -100|129/0/1 1/0/1 2/156/0 6/0/10",
                      "-101: -10|129/0/1 1/0/1 2/246/0 6/0/10", "101: 10|129/0/1 1/0/1 2/10/0 6/0/10"});
    }
    void fieldsKeepToTheirBounds()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        const QStringList out = field.startsWith("fire") || field == "loop count" ? throughButtonDialog(field, typed)
                                : field == "list delay"                           ? throughListRow(typed)
                                : field == "colour green"                         ? throughColorDialog(typed)
                                : field.startsWith("gun")                         ? throughGunSet(field, typed)
                                                                                  : throughMacroPage(field, typed);
        QTEST(out.join('|'), "outcome");
    }
};

MOUSECFG_TEST(TestBoundedFields)
#include "TestBoundedFields.moc"
