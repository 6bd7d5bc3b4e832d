#include "pages/QuorReportRate.h"

#include "pages/PageLook.h"
#include "storage/Theme.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QButtonGroup>
#include <QDebug>
#include <QMenu>
#include <QRadioButton>

namespace {
struct Rate
{
    quint8 code;
    const char *text;
};

// Menu order; the code is the record's report-rate byte.
const std::array<Rate, 4> Rates{{
    {8, QT_TRANSLATE_NOOP("QObject", "125 HZ")},
    {4, QT_TRANSLATE_NOOP("QObject", "250 HZ")},
    {2, QT_TRANSLATE_NOOP("QObject", "500 HZ")},
    {1, QT_TRANSLATE_NOOP("QObject", "1000 HZ")},
}};

QString rateText(quint8 code)
{
    for (const Rate &rate : Rates) {
        if (rate.code == code)
            return QObject::tr(rate.text);
    }
    return QString();
}
}

QuorReportRate::QuorReportRate(const ProfileRecord &record, QWidget *parent)
    : QWidget(parent)
    , m_record(record)
{
    setPanelLook(this);
    setupUi();
    retranslate();
}

QuorReportRate::~QuorReportRate()
{
    for (QuorAction *action : m_rateActions)
        delete action;
}

void QuorReportRate::setupUi()
{
    const double s = uiScale();
    const QPalette white = whiteTextPalette(palette());
    m_titleLabel = new QuorLabel(this);
    m_titleLabel->setPalette(white);

    m_rateMenu = new QMenu(this);
    m_rateMenu->setFixedWidth(scaledPixels(150, s));
    m_rateMenu->setStyleSheet(menuStyleSheet());
    for (size_t i = 0; i < Rates.size(); ++i) {
        m_rateActions[i] = new QuorAction(this);
        m_rateMenu->addAction(m_rateActions[i]);
        connect(m_rateActions[i], &QAction::triggered, this, &QuorReportRate::onRateAction);
    }
    const QString picture = skinPath(QStringLiteral("/skin/rate.png"));
    m_rateButton = new QuorPushButton({picture, picture, picture}, this);
    m_rateButton->setDropDownArrow(true);
    m_rateButton->setMenu(m_rateMenu);
    m_rateButton->setCaption(rateText(m_record.pollrate));

    m_liftLabel = new QuorLabel(this);
    m_liftLabel->setPalette(white);
    m_liftGroup = new QButtonGroup(this);
    m_liftGroup->setExclusive(true);
    for (int id = 0; id < 2; ++id) {
        auto *button = new QRadioButton(this);
        button->setPalette(white);
        button->setFocusPolicy(Qt::NoFocus);
        m_liftGroup->addButton(button, id);
        connect(button, &QRadioButton::clicked, this, &QuorReportRate::onRadioChanged);
        m_liftButtons[size_t(id)] = button;
    }
    m_titleLabel->setGeometry(scaledRect(s, 20, 20, 170, 20));
    m_rateButton->setGeometry(scaledRect(s, 20, 40, 152, 28));
    m_liftLabel->setGeometry(scaledRect(s, 20, 78, 170, 20));
    applyLiftStyle(s);
    checkLift(m_iLift);
}

void QuorReportRate::applyLiftStyle(double s)
{
    const int d = scaledPixels(8, s);
    const QColor theme = themeColor();
    const QString style =
        QStringLiteral("QRadioButton{background:transparent;color:rgb(255,255,255)}QRadioButton:checked{color:"
                       "rgb(255,255,255);}QRadioButton::indicator{width:%1px;height:%2px;border-radius:%3px;"
                       "border-style: solid;border-width: %4px;border-color: rgb(100, 100, 100);}"
                       "QRadioButton::indicator:checked {background-color:rgb(%5,%6,%7);}"
                       "QRadioButton::indicator:unchecked {background-color:transparent; }")
            .arg(d).arg(d).arg(d / 2 + 1).arg(d / 4).arg(theme.red()).arg(theme.green()).arg(theme.blue());
    for (QRadioButton *button : m_liftButtons)
        button->setStyleSheet(style);
}

void QuorReportRate::placeControls()
{
    const double s = uiScale();
    m_titleLabel->setGeometry(scaledRect(s, 20, 20, 170, 20));
    m_rateMenu->setFixedWidth(scaledPixels(150, s));
    m_rateButton->setGeometry(scaledRect(s, 20, 40, 152, 28));
    for (QuorAction *action : m_rateActions)
        action->applyFont();
    // The lift-off choice has no place on the tab.
    m_liftLabel->setGeometry(QRect());
    for (QRadioButton *button : m_liftButtons)
        button->setGeometry(QRect());
    applyLiftStyle(s);
}

void QuorReportRate::resizeEvent(QResizeEvent *)
{
    placeControls();
}

void QuorReportRate::checkLift(int lift)
{
    m_iLift = quint8(lift);
    m_liftButtons[size_t(lift - 1)]->setChecked(true);
}

void QuorReportRate::onRateAction()
{
    for (size_t i = 0; i < Rates.size(); ++i) {
        if (sender() == m_rateActions[i]) {
            m_record.pollrate = Rates[i].code;
            m_rateButton->setCaption(QObject::tr(Rates[i].text));
            return;
        }
    }
}

void QuorReportRate::onRadioChanged()
{
    m_iLift = quint8(m_liftGroup->checkedId() + 1);
    qDebug("m_iLift = %d", m_iLift);
    emit RefreshLift(m_iLift);
}

void QuorReportRate::setProfileData(ProfileRecord *record, int lift)
{
    if (!record)
        return;
    m_record = *record;
    // An unknown rate byte stays in the copy; the caption says nothing about it.
    m_rateButton->setCaption(rateText(m_record.pollrate));
    const bool known = lift == 1 || lift == 2;
    checkLift(known ? lift : 2);
    if (!known)
        emit RefreshLift(m_iLift);
}

void QuorReportRate::retranslate()
{
    m_titleLabel->setCaption(QObject::tr("REPORT RATE"));
    for (size_t i = 0; i < Rates.size(); ++i)
        m_rateActions[i]->setText(QObject::tr(Rates[i].text));
    m_rateButton->setCaption(rateText(m_record.pollrate));
    m_liftLabel->setCaption(QObject::tr("Lift off Distance"));
    m_liftButtons[0]->setText(QObject::tr("1 mm"));
    m_liftButtons[1]->setText(QObject::tr("2 mm"));
}
