#include "pages/QuorColorArea.h"

#include "pages/DefaultColorArea.h"
#include "pages/HColorArea.h"
#include "pages/PreviewColorArea.h"
#include "pages/SVColorArea.h"
#include "storage/Theme.h"
#include "widgets/DialogButtons.h"
#include "widgets/KeyboardFocus.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorSpinBox.h"
#include "widgets/SkinFont.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QLineEdit>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>

namespace {
const std::array<QColor, 7> Presets{QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),
                                    QColor(0, 255, 255), QColor(255, 255, 0), QColor(255, 0, 255),
                                    QColor(255, 255, 255)};

// Greys have no hue (-1): the picker areas stand at red for them.
int pickerHue(const QColor &color)
{
    return qMax(0, color.hsvHue());
}

QColor rgbFromHsv(int h, int s, int v)
{
    return QColor::fromHsv(h >= 0 && h < 360 ? h : 0, qBound(0, s, 255), qBound(0, v, 255), 255).toRgb();
}

// A run of hexadecimal digits; anything else reads as 0.
int hexValue(const QString &digits)
{
    int value = 0;
    for (QChar c : digits) {
        const ushort u = c.unicode();
        int digit;
        if (u >= '0' && u <= '9')
            digit = u - '0';
        else if (u >= 'a' && u <= 'f')
            digit = u - 'a' + 10;
        else if (u >= 'A' && u <= 'F')
            digit = u - 'A' + 10;
        else
            return 0;
        value = value * 16 + digit;
    }
    return value;
}

// The colour of a typed hex text: 1, 2, 4 or 5 digits are the low part of the six,
// 3 digits the short form, any other length black.
QColor colorFromHexText(const QString &t)
{
    switch (t.size()) {
    case 1:
    case 2: return QColor(0, 0, hexValue(t));
    case 3: return QColor(hexValue(t.mid(0, 1)) * 17, hexValue(t.mid(1, 1)) * 17, hexValue(t.mid(2, 1)) * 17);
    case 4: return QColor(0, hexValue(t.mid(0, 2)), hexValue(t.mid(2, 2)));
    case 5: return QColor(hexValue(t.mid(0, 1)), hexValue(t.mid(1, 2)), hexValue(t.mid(3, 2)));
    case 6: return QColor(hexValue(t.mid(0, 2)), hexValue(t.mid(2, 2)), hexValue(t.mid(4, 2)));
    default: return QColor(0, 0, 0);
    }
}
}

QuorColorArea::QuorColorArea(QWidget *parent, double scale)
    : QDialog(parent, Qt::FramelessWindowHint)
    , m_scale(scale)
{
    setFixedSize(scaledPixels(400, scale), scaledPixels(258, scale));
    m_background = loadSkin(QStringLiteral("/skin/dlg.png"));
    setAttribute(Qt::WA_TranslucentBackground);

    m_hueBar = new HColorArea(this);
    m_square = new SVColorArea(this);
    m_preview = new PreviewColorArea(this);

    // The hue, saturation and value boxes and the hex edit only keep the views in
    // step: they have no area and take no focus.
    const int maxima[6] = {360, 255, 255, 255, 255, 255};
    const char *prefixes[6] = {"", "", "", "R ", "G ", "B "};
    for (int i = 0; i < 6; ++i) {
        auto *box = new QuorSpinBox(this);
        box->setRange(0, maxima[i]);
        if (i < RedBox) {
            box->setGeometry(QRect());
            box->setFocusPolicy(Qt::NoFocus);
        } else {
            box->setPrefix(QLatin1String(prefixes[i]));
            // Light text needs the dark ground the pages give their boxes.
            box->setStyleSheet(QStringLiteral("color: rgb(225,225,225); background-color: rgb(33,35,35)"));
            // OK and Return take only a number the box shows.
            passConfirmKeyWhileUnfinished(box);
            connect(box, &QuorSpinBox::editTextChanged, this, &QuorColorArea::updateOkButton);
        }
        m_boxes[size_t(i)] = box;
    }
    m_hexEdit = new QLineEdit(this);
    m_hexEdit->setGeometry(1, 1, 1, 1);
    m_hexEdit->setFocusPolicy(Qt::NoFocus);

    connect(m_hueBar, &HColorArea::hueChangedSignal, m_square, &SVColorArea::hueChangedSlot);
    connect(m_square, &SVColorArea::svChangedSignal, m_preview, &PreviewColorArea::svChangedSlot);
    connect(m_preview, &PreviewColorArea::svChangedSignal, this, &QuorColorArea::updateEditData);
    connect(m_hexEdit, &QLineEdit::textEdited, this, &QuorColorArea::editChangedSlot);
    connect(m_hexEdit, &QLineEdit::editingFinished, this, &QuorColorArea::editFinishedSlot);
    void (QuorColorArea::*boxSlots[6])(int) = {&QuorColorArea::hValueChangedSlot, &QuorColorArea::sValueChangedSlot,
                                           &QuorColorArea::vValueChangedSlot, &QuorColorArea::rValueChangedSlot,
                                           &QuorColorArea::gValueChangedSlot, &QuorColorArea::bValueChangedSlot};
    for (int i = 0; i < 6; ++i)
        connect(m_boxes[size_t(i)], QOverload<int>::of(&QSpinBox::valueChanged), this, boxSlots[i]);
    connect(m_square, &SVColorArea::mouseReleaseSignal, this, &QuorColorArea::MouseReleaseSlot);
    connect(m_hueBar, &HColorArea::mouseReleaseSignal, this, &QuorColorArea::MouseReleaseSlot);

    m_title = new QuorLabel(QStringLiteral("COLOR"), this);
    m_title->setPalette(whiteTextPalette(palette()));
    for (size_t i = 0; i < Presets.size(); ++i) {
        m_presets[i] = new DefaultColorArea(this, Presets[i]);
        connect(m_presets[i], &DefaultColorArea::ClickedSignal, this, &QuorColorArea::color_clicked);
    }

    const QFont font = dialogButtonFont(scale);
    const QString style = dialogButtonStyleSheet(themeColor());
    m_okButton = makeDialogButton(this, true, QString(), style, font, scale);
    m_cancelButton = makeDialogButton(this, false, QString(), style, font, scale);
    retranslate();
    showFocusFrames(this);
}

QuorColorArea::~QuorColorArea()
{
    // A box reports the focus it loses as the closing dialog hides.
    for (QSpinBox *box : m_boxes)
        disconnect(box, nullptr, this, nullptr);
}

bool QuorColorArea::boxesFinished() const
{
    return std::all_of(m_boxes.begin() + RedBox, m_boxes.end(),
                       [](const QSpinBox *box) { return box->hasAcceptableInput(); });
}

void QuorColorArea::updateOkButton()
{
    if (m_okButton)
        m_okButton->setEnabled(boxesFinished());
}

void QuorColorArea::accept()
{
    if (boxesFinished())
        QDialog::accept();
}

void QuorColorArea::keyPressEvent(QKeyEvent *event)
{
    if (!acceptOnConfirmKey(this, event))
        QDialog::keyPressEvent(event);
}

QString QuorColorArea::hexText(const QColor &color)
{
    return QStringLiteral("%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'));
}

QColor QuorColorArea::color() const
{
    return m_preview->newColor().toRgb();
}

void QuorColorArea::retranslate()
{
    m_okButton->setText(QObject::tr("OK"));
    m_cancelButton->setText(QObject::tr("Cancel"));
    setScale(m_scale);
}

void QuorColorArea::setScale(double scale)
{
    m_scale = scale;
    const auto place = [scale](QWidget *w, int x, int y, int width, int height) {
        w->setGeometry(scaledRect(scale, x, y, width, height));
    };
    place(m_title, 40, 10, 70, 18);
    place(m_hueBar, 185, 38, 34, 142);
    place(m_square, 40, 43, 128, 128);
    place(m_preview, 275, 43, 55, 20);
    place(m_boxes[RedBox], 275, 91, 55, 20);
    place(m_boxes[GreenBox], 275, 121, 55, 20);
    place(m_boxes[BlueBox], 275, 151, 55, 20);
    for (int i = 0; i < int(m_presets.size()); ++i)
        place(m_presets[size_t(i)], 40 + 24 * i, 182, 23, 23);
    place(m_okButton, 60, 220, 100, 30);
    place(m_cancelButton, 240, 220, 100, 30);
    m_title->setCaption(QStringLiteral("COLOR"));
    m_square->rescale(scale);
    m_hueBar->rescale(scale);
    m_preview->setScale(scale);
    for (int i = RedBox; i <= BlueBox; ++i)
        m_boxes[size_t(i)]->setFont(languageFontOfSize(configuredFontSize() - 1));
}

void QuorColorArea::setBoxes(const QColor &color)
{
    const int values[6] = {m_h, m_s, m_v, color.red(), color.green(), color.blue()};
    for (int i = 0; i < 6; ++i)
        m_boxes[size_t(i)]->setValue(values[i]);
    // A box set to the value it had shows it again without reporting it.
    updateOkButton();
}

// The hue bar, the square and the preview show the colour; the state follows it.
void QuorColorArea::showRgb(const QColor &color)
{
    m_h = pickerHue(color);
    m_s = color.hsvSaturation();
    m_v = color.value();
    m_hueBar->setHue(m_h);
    m_square->setHsv(m_h, m_s / 2, m_v / 2);
    m_preview->setNewColor(color);
}

void QuorColorArea::setColor(const QColor &color)
{
    if (!m_propagate)
        return;
    m_preview->setNewColor(color);
    m_propagate = false;
    m_boxes[RedBox]->setValue(color.red());
    m_boxes[GreenBox]->setValue(color.green());
    m_boxes[BlueBox]->setValue(color.blue());
    m_propagate = true;
    m_hexEdit->setText(hexText(color));
    emit QuorChangeColor(color);
}

void QuorColorArea::hsvBoxChanged()
{
    if (m_busy)
        return;
    m_busy = true;
    m_h = m_boxes[HueBox]->value();
    m_s = m_boxes[SatBox]->value();
    m_v = m_boxes[ValBox]->value();
    if (sender() == m_boxes[HueBox]) {
        m_hueBar->setHue(m_h);
        m_square->setHue(m_h);
    } else {
        m_square->setHsv(m_h, m_s / 2, m_v / 2);
    }
    setColor(rgbFromHsv(m_h, m_s, m_v));
    m_busy = false;
}

void QuorColorArea::hValueChangedSlot(int)
{
    hsvBoxChanged();
}

void QuorColorArea::sValueChangedSlot(int)
{
    hsvBoxChanged();
}

void QuorColorArea::vValueChangedSlot(int)
{
    hsvBoxChanged();
}

void QuorColorArea::rgbBoxChanged()
{
    if (m_busy)
        return;
    m_busy = true;
    const QColor color(m_boxes[RedBox]->value(), m_boxes[GreenBox]->value(), m_boxes[BlueBox]->value());
    showRgb(color);
    setBoxes(color);
    m_hexEdit->setText(hexText(color));
    m_busy = false;
    if (m_propagate) {
        emit QuorChangeColor(color);
        emit ApplyColor();
    }
}

void QuorColorArea::rValueChangedSlot(int)
{
    rgbBoxChanged();
}

void QuorColorArea::gValueChangedSlot(int)
{
    rgbBoxChanged();
}

void QuorColorArea::bValueChangedSlot(int)
{
    rgbBoxChanged();
}

void QuorColorArea::updateEditData(int h, int s, int v)
{
    m_busy = true;
    m_h = h;
    m_s = s;
    m_v = v;
    const QColor color = rgbFromHsv(h, s, v);
    setBoxes(color);
    m_hexEdit->setText(hexText(color));
    m_busy = false;
    emit QuorChangeColor(color);
}

void QuorColorArea::editChangedSlot(const QString &text)
{
    m_busy = true;
    const QColor color = colorFromHexText(text);
    showRgb(color);
    setBoxes(color);
    m_busy = false;
    emit QuorChangeColor(color);
}

void QuorColorArea::editFinishedSlot()
{
    QString text = m_hexEdit->text();
    if (text.size() == 3)
        text = QString(text[0]) + text[0] + text[1] + text[1] + text[2] + text[2];
    else if (text.size() < 6)
        text = QString(6 - text.size(), QLatin1Char('0')) + text;
    m_hexEdit->setText(text);
}

void QuorColorArea::color_clicked()
{
    for (size_t i = 0; i < m_presets.size(); ++i) {
        if (sender() != m_presets[i])
            continue;
        const QColor preset = Presets[i];
        m_propagate = false;
        m_boxes[RedBox]->setValue(preset.red());
        m_boxes[GreenBox]->setValue(preset.green());
        m_propagate = true;
        m_boxes[BlueBox]->setValue(preset.blue());
        updateOkButton();
        emit QuorChangeColor(preset);
        emit ApplyColor();
        return;
    }
}

void QuorColorArea::MouseReleaseSlot()
{
    emit ApplyColor();
}

void QuorColorArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
    painter.setPen(QPen(themeColor(), 2));
    painter.drawRect(QRect(1, 1, width() - 2, height() - 2));
    painter.end();
    QDialog::paintEvent(event);
}
