#include "widgets/QuorPushButton.h"

#include "storage/Theme.h"
#include "widgets/SkinFont.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QCursor>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {
bool g_captionFitFirst = false;
constexpr quint8 BadgeUp = 253;
constexpr quint8 BadgeDown = 254;
}

QuorPushButton::QuorPushButton(const QStringList &statePixmapPaths, QWidget *parent,
                               const QString &iconPath)
    : QPushButton(parent)
    , m_textColors{QColor(200, 200, 200), QColor(225, 225, 225), QColor(255, 255, 255),
                   QColor(100, 100, 100)}
{
    setPixmaps(statePixmapPaths);
    if (!iconPath.isEmpty())
        m_icon = std::make_unique<QPixmap>(iconPath);
}

QuorPushButton::~QuorPushButton() = default;

void QuorPushButton::setCaptionFitFirst(bool on)
{
    g_captionFitFirst = on;
}

void QuorPushButton::setPixmaps(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    m_pictures.clear();
    for (const QString &path : paths)
        m_pictures.append(QPixmap(path));
    // The normal picture is drawn at 200/255 of its opacity.
    const QPixmap &first = m_pictures.first();
    if (first.isNull())
        return;
    QPixmap translucent(first.size());
    translucent.fill(Qt::transparent);
    QPainter painter(&translucent);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(0, 0, first);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.fillRect(translucent.rect(), QColor(0, 0, 0, 200));
    painter.end();
    m_pictures.first() = translucent;
}

void QuorPushButton::setCaption(const QString &text)
{
    m_caption = text;
    update();
    setToolTip(m_caption);
}

void QuorPushButton::setDropDownArrow(bool on)
{
    m_dropDownArrow = on;
    update();
}

void QuorPushButton::setNumberBadge(quint8 badge)
{
    m_badge = badge;
    update();
}

void QuorPushButton::setSelectable(bool on)
{
    m_state = Normal;
    m_selectable = on;
    update();
}

void QuorPushButton::setSelected(bool on)
{
    m_selected = on;
    setState(on ? Hover : Normal);
}

void QuorPushButton::setButtonEnabled(bool on)
{
    m_enabled = on;
    if (m_selectable && m_selected)
        m_state = Hover;
    else
        m_state = on ? Normal : Disabled;
    setEnabled(on);
    update();
}

QSize QuorPushButton::sizeHint() const
{
    if (m_icon)
        return m_icon->size();
    if (!m_pictures.isEmpty())
        return m_pictures.first().size();
    return QPushButton::sizeHint();
}

void QuorPushButton::setState(int state)
{
    m_state = state;
    update();
}

// The look when nothing presses the button: lit while selected or under the pointer.
int QuorPushButton::restingState() const
{
    if (m_selectable && m_selected)
        return Hover;
    return m_hovered && m_pictures.size() > 1 ? Hover : Normal;
}

// A held button (mouse or Space) shows the pressed look.
int QuorPushButton::shownState() const
{
    if (!m_enabled || m_state == Disabled)
        return m_state;
    if (isDown() && m_pictures.size() > 2)
        return Pressed;
    return m_state;
}

void QuorPushButton::enterEvent(QEvent *event)
{
    emit OverSignal(this, true);
    m_hovered = true;
    if (!m_enabled)
        return;
    setState(m_pictures.size() > 1 ? Hover : Normal);
    QPushButton::enterEvent(event);
}

void QuorPushButton::leaveEvent(QEvent *event)
{
    if (m_leaveArmed)
        emit OverSignal(this, false);
    m_leaveArmed = true;
    m_hovered = false;
    if (!m_enabled)
        return;
    setState(restingState());
    QPushButton::leaveEvent(event);
}

void QuorPushButton::mousePressEvent(QMouseEvent *event)
{
    if (!m_enabled)
        return;
    if (event->button() == Qt::LeftButton) {
        emit EnterSignal(this);
        m_leaveArmed = false;
    }
    const QPointer<QuorPushButton> alive(this);
    QPushButton::mousePressEvent(event);
    // A menu opened by the press has taken the release and the leave: show where the
    // pointer is now.
    if (alive && m_enabled && menu() && event->button() == Qt::LeftButton) {
        m_hovered = rect().contains(mapFromGlobal(QCursor::pos()));
        setState(restingState());
    }
}

void QuorPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_enabled)
        return;
    if (event->button() == Qt::LeftButton) {
        // A release away from the button is no click: it only ends the press.
        m_hovered = rect().contains(event->pos());
        setState(restingState());
    }
    QPushButton::mouseReleaseEvent(event);
}

void QuorPushButton::nextCheckState()
{
    if (m_selectable) {
        m_selected = !m_selected;
        setState(restingState());
    }
    QPushButton::nextCheckState();
}

const QPixmap *QuorPushButton::pictureForState() const
{
    if (m_pictures.isEmpty())
        return nullptr;
    const int state = shownState();
    if (m_glow || state == Disabled)
        return &m_pictures.first();
    // A state without a picture of its own shows the last one.
    return &m_pictures.at(qMin(state, m_pictures.size() - 1));
}

void QuorPushButton::paintGlow(QPainter &painter) const
{
    const int state = shownState();
    if (state != Hover && state != Pressed)
        return;
    const QColor theme = themeColor();
    const int divisor = state == Hover ? 2 : 3;
    QLinearGradient gradient(60, 50, 200, 150);
    gradient.setColorAt(0.1, QColor(theme.red() / divisor, theme.green() / divisor,
                                    theme.blue() / divisor, 150));
    gradient.setColorAt(0.4, QColor(theme.red(), theme.green(), theme.blue(), 150));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(gradient);
    if (m_glowEllipse)
        painter.drawEllipse(0, 0, width(), height());
    else
        painter.drawRect(0, 0, width(), height());
    painter.restore();
}

// The button less the arrow's square, which the picture's stretch widens with the button.
QRect QuorPushButton::captionArea() const
{
    QRect area = rect();
    if (!m_dropDownArrow || m_pictures.isEmpty() || m_pictures.first().isNull())
        return area;
    const QSize picture = m_pictures.first().size();
    const int room = (area.width() * picture.height() + picture.width() - 1) / picture.width();
    area.setRight(area.right() - qMin(room, area.width()));
    return area;
}

void QuorPushButton::paintCaption(QPainter &painter) const
{
    if (m_verticalText) {
        const QRect r = rect();
        painter.translate(r.width() / 2, r.height() / 2);
        painter.rotate(90);
        painter.drawText(QRect(-(r.width() / 2), -(r.height() / 2), 2 * r.width(), r.height()),
                         Qt::AlignCenter, m_caption);
        painter.resetTransform();
        return;
    }
    const QRect r = captionArea();
    const QFontMetrics metrics(painter.font());
    if (g_captionFitFirst) {
        if (metrics.elidedText(m_caption, Qt::ElideRight, r.width()) == m_caption) {
            painter.drawText(r, Qt::AlignCenter, m_caption);
            return;
        }
        painter.drawText(r.adjusted(10, 0, -10, 0), Qt::AlignCenter,
                         metrics.elidedText(m_caption, Qt::ElideRight, r.width() - 20));
        return;
    }
    painter.drawText(r.adjusted(3, 0, -3, 0), Qt::AlignCenter,
                     metrics.elidedText(m_caption, Qt::ElideRight, r.width() - 6));
}

void QuorPushButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (const QPixmap *picture = pictureForState())
        painter.drawPixmap(rect(), *picture);
    if (m_glow)
        paintGlow(painter);

    painter.setFont(languageFont());
    painter.setPen(m_textColors.at(static_cast<size_t>(shownState())));
    if (m_badge == BadgeUp)
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("  \u2191"));
    else if (m_badge == BadgeDown)
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("  \u2193"));
    else if (m_badge != 0)
        painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("  %1").arg(m_badge));
    paintCaption(painter);
    if (hasFocus())
        paintFocusFrame(painter);
}

// The keyboard focus: the focus cue inside the button's edge.
void QuorPushButton::paintFocusFrame(QPainter &painter) const
{
    const double scale = uiScale();
    const int inset = scaledPixels(3, scale);
    paintFocusCue(painter, rect().adjusted(inset, inset, -inset, -inset), scale, m_glowEllipse);
}
