#include "tools/skinpainter/SkinCatalog.h"

#include "tools/skinpainter/ButtonArt.h"
#include "tools/skinpainter/GifWriter.h"
#include "tools/skinpainter/IcoWriter.h"
#include "tools/skinpainter/IconArt.h"
#include "tools/skinpainter/MacroArt.h"
#include "tools/skinpainter/MouseArt.h"
#include "tools/skinpainter/WindowArt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <initializer_list>
#include <utility>

namespace skin {

QString sampleModelName()
{
    return QStringLiteral("QM700");
}

QVector<int> iconSizes(bool altProgram)
{
    if (altProgram)
        return {256, 128, 96, 64, 48, 32, 16};
    return {256, 128, 96, 64, 32, 16};
}

QString iconFileName(bool altProgram)
{
    return altProgram ? QStringLiteral("icon-alt.ico") : QStringLiteral("icon.ico");
}

QString iconPictureName(bool altProgram, int side)
{
    return QStringLiteral("icons/%1/icon_%2.png").arg(altProgram ? "mousecfg-alt" : "mousecfg").arg(side);
}

namespace {

using Painter = std::function<QImage(QSize)>;
using Named = std::pair<const char *, ButtonState>;

class Builder
{
public:
    QVector<SkinPicture> list;

    void add(const QString &name, QSize size, Painter paint) { list.append({name, size, std::move(paint)}); }

    // One picture per state of a button, named as the callers pass them.
    void buttonSet(std::initializer_list<Named> names, QSize size, ButtonLook look)
    {
        for (const Named &n : names)
            add(n.first, size, [state = n.second, look](QSize s) { return paintButton(s, state, look); });
    }

    // The four pictures <stem>1..<stem>4 of a macro page button.
    void fourStates(const QString &stem, QSize size, Glyph glyph)
    {
        const ButtonState states[4] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed,
                                       ButtonState::Disabled};
        ButtonLook look;
        look.glyph = glyph;
        for (int i = 0; i < 4; ++i)
            add(stem + QString::number(i + 1) + ".png", size,
                [state = states[i], look](QSize s) { return paintButton(s, state, look); });
    }
};

ButtonLook look(Glyph glyph, ButtonLook::Place place = ButtonLook::Centre, bool round = false, bool marker = false)
{
    ButtonLook l;
    l.glyph = glyph;
    l.place = place;
    l.round = round;
    l.marker = marker;
    return l;
}

QVector<SkinPicture> buildCatalog()
{
    using S = ButtonState;
    Builder b;
    // main window
    b.add("cfgMainback.png", {999, 640}, paintMainBackground);
    b.add("bat1.png", {86, 47}, [](QSize s) { return paintBattery(s, false); });
    b.add("bat2.png", {86, 47}, [](QSize s) { return paintBattery(s, true); });
    b.add("lightning.png", {26, 40}, paintLightning);
    b.add("dongle.png", {48, 48}, [](QSize s) { return paintDongle(s, false); });
    b.add("mouselogo.png", {200, 50}, paintLogo);
    b.buttonSet({{"tabbutton-1.png", S::Normal}, {"tabbutton-3.png", S::Selected}, {"tabbutton-2.png", S::Pressed}},
                {154, 29}, look(Glyph::None, ButtonLook::Centre, false, true));
    b.buttonSet({{"close-1.png", S::Normal}, {"close-2.png", S::Hover}, {"close-3.png", S::Pressed}}, {19, 19},
                look(Glyph::Close));
    b.buttonSet({{"min-1.png", S::Normal}, {"min-2.png", S::Hover}, {"min-3.png", S::Pressed}}, {19, 19},
                look(Glyph::Minimise));
    b.buttonSet({{"profile_import1.png", S::Normal}, {"profile_import2.png", S::Hover}}, {24, 24}, look(Glyph::Import));
    b.buttonSet({{"profile_export1.png", S::Normal}}, {24, 24}, look(Glyph::Export));
    b.buttonSet({{"profile_reset1.png", S::Normal}, {"profile_reset2.png", S::Hover}}, {24, 24}, look(Glyph::Reset));
    b.buttonSet({{"profile_add1.png", S::Normal}, {"profile_add2.png", S::Hover}}, {24, 24}, look(Glyph::Plus));
    b.buttonSet({{"profile_del1.png", S::Normal}, {"profile_del2.png", S::Hover}}, {24, 24}, look(Glyph::Minus));
    b.buttonSet({{"profile_copy1.png", S::Normal}, {"profile_copy2.png", S::Hover}}, {24, 24}, look(Glyph::Copy));
    b.buttonSet({{"profile_apply1.png", S::Normal}}, {16, 22}, look(Glyph::Check));
    b.buttonSet({{"profile_edit_name_1.png", S::Normal}, {"profile_edit_name_2.png", S::Selected}}, {152, 28},
                look(Glyph::None, ButtonLook::Centre, false, true));
    b.buttonSet({{"lang.png", S::Normal}}, {105, 20}, look(Glyph::Globe, ButtonLook::Left));
    b.buttonSet({{"profilesel.png", S::Normal}}, {150, 29}, look(Glyph::DropDown, ButtonLook::Right));
    b.buttonSet({{"btn_2.png", S::Normal}, {"btn_1.png", S::Hover}}, {20, 20}, look(Glyph::None, ButtonLook::Centre, true));
    b.buttonSet({{"btn_up4.png", S::Normal}, {"btn_up3.png", S::Hover}}, {20, 20},
                look(Glyph::ArrowUp, ButtonLook::Centre, true));
    b.buttonSet({{"btn_down4.png", S::Normal}, {"btn_down3.png", S::Hover}}, {20, 20},
                look(Glyph::ArrowDown, ButtonLook::Centre, true));
    b.buttonSet({{"btn_up2.png", S::Normal}, {"btn_up1.png", S::Hover}}, {20, 20}, look(Glyph::ArrowUp));
    b.buttonSet({{"btn_down2.png", S::Normal}, {"btn_down1.png", S::Hover}}, {20, 20}, look(Glyph::ArrowDown));
    // message box and dialogs
    b.add("dlg.png", {478, 309}, paintDialog);
    b.add("warn.png", {45, 45}, paintWarning);
    b.add("dongle2.png", {45, 45}, [](QSize s) { return paintDongle(s, true); });
    b.add("dlg_gun.png", {619, 400}, paintGunDialog);
    b.add("gunset_bullet.png", {9, 39}, paintBullet);
    b.buttonSet({{"bulletsel.png", S::Normal}}, {70, 20}, look(Glyph::DropDown, ButtonLook::Right));
    b.add("pspeed.png", {250, 30}, paintSpeedRamp);
    // pages
    b.add("checkbox1-1.png", {16, 16}, [](QSize s) { return paintCheckBox(s, false); });
    b.add("checkbox1-2.png", {16, 16}, [](QSize s) { return paintCheckBox(s, true); });
    b.add("checkbox2-1.png", {24, 24}, [](QSize s) { return paintRadio(s, false); });
    b.add("checkbox2-2.png", {24, 24}, [](QSize s) { return paintRadio(s, true); });
    b.buttonSet({{"rate.png", S::Normal}}, {152, 28}, look(Glyph::DropDown, ButtonLook::Right));
    // macro page
    b.fourStates("add", {31, 31}, Glyph::Plus);
    b.fourStates("delete", {28, 30}, Glyph::Trash);
    b.fourStates("moveup", {28, 30}, Glyph::ArrowUp);
    b.fourStates("movedown", {28, 30}, Glyph::ArrowDown);
    b.fourStates("top", {28, 30}, Glyph::ToTop);
    b.fourStates("bottom", {28, 30}, Glyph::ToBottom);
    b.fourStates("clear", {28, 30}, Glyph::Clear);
    b.buttonSet({{"edit.png", S::Normal}}, {28, 30}, look(Glyph::Pencil));
    const std::pair<const char *, Glyph> rowIcons[] = {{"delay.png", Glyph::Clock}, {"mouse_move.png", Glyph::Mouse},
                                                       {"keydown.png", Glyph::KeyDown}, {"keyup.png", Glyph::KeyUp}};
    for (const auto &icon : rowIcons)
        b.add(icon.first, {20, 20}, [glyph = icon.second](QSize s) { return paintRowIcon(s, glyph); });
    b.add("keybo.png", {40, 20}, [](QSize s) { return paintRowIcon(s, Glyph::Keyboard); });
    b.add("insert_mouse_key_1.png", {150, 25}, [](QSize s) { return paintTreePlate(s, Glyph::Mouse); });
    const std::pair<const char *, Glyph> moves[] = {{"left", Glyph::ArrowLeft}, {"right", Glyph::ArrowRight},
                                                    {"up", Glyph::ArrowUp}, {"down", Glyph::ArrowDown}};
    for (const auto &move : moves) {
        const Painter plate = [glyph = move.second](QSize s) { return paintTreePlate(s, glyph); };
        b.add(QString(move.first) + ".png", {148, 24}, plate);
        b.add(QString(move.first) + "1.png", {150, 25}, plate);
    }
    // pictures of the sample model
    const QString model = "mouse/" + sampleModelName();
    b.add(model + "/Mouse.png", {300, 400}, [](QSize s) { return paintMouseFront(s, 0); });
    for (int n = 1; n <= 20; ++n)
        b.add(model + QString("/mouse_%1.png").arg(n), {300, 400}, [n](QSize s) { return paintMouseFront(s, n); });
    b.add(model + "_Side.png", {300, 300}, paintMouseSide);
    // application icons
    for (bool alt : {false, true})
        for (int side : iconSizes(alt))
            b.add(iconPictureName(alt, side), {side, side}, [](QSize s) { return paintAppIcon(s.width()); });
    return b.list;
}

bool writeFile(const QString &path, const QByteArray &data, QString *error)
{
    QFile file(path);
    if (data.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace

const QVector<SkinPicture> &catalog()
{
    static const QVector<SkinPicture> pictures = buildCatalog();
    return pictures;
}

bool writeSkin(const QString &skinDir, QString *error)
{
    const QDir dir(skinDir);
    for (const SkinPicture &picture : catalog()) {
        const QString path = dir.filePath(picture.name);
        const QImage image = picture.paint(picture.size);
        if (image.size() != picture.size) {
            *error = QStringLiteral("%1 painted at the wrong size").arg(picture.name);
            return false;
        }
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG")) {
            *error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
    }
    for (bool alt : {false, true}) {
        QVector<QImage> icons;
        for (int side : iconSizes(alt))
            icons.append(paintAppIcon(side));
        if (!writeFile(dir.filePath(iconFileName(alt)), encodeIco(icons), error))
            return false;
    }
    return true;
}

bool writeLoadingGif(const QString &path, QString *error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writeFile(path, encodeGif(paintLoadingFrames(LoadingSize, LoadingFrameCount), 8), error);
}

} // namespace skin
