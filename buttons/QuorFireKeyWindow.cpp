#include "buttons/QuorFireKeyWindow.h"

#include "storage/FunctionCodes.h"
#include "storage/KeyCodes.h"
#include "widgets/BoundedIntValidator.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorPushButton.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int DefaultTimes = 3;
constexpr int DefaultDelay = 100;
constexpr int StoredDefaultDelay = 10;
constexpr int MaxCount = 255;

}

QuorFireKeyWindow::QuorFireKeyWindow(QWidget *parent)
    : QuorParamDialog(parent, 400, 258)
    , m_hook(this, [this] { return m_capturing && m_mode == KeyboardMode; },
             [this](int code, int flags) { return onKey(code, flags); }, KeyCaptureHook::Pass::On)
{
    buildUi();
    m_hook.ensureHook();
    setMode();
    retranslate();
}

QuorFireKeyWindow::~QuorFireKeyWindow()
{
    m_hook.removeHook();
}

void QuorFireKeyWindow::buildUi()
{
    const double s = scale();
    setStyleSheet(QStringLiteral("color:white;"));
    setTitleSize(200, 20);
    const QPalette white = whiteTextPalette(palette());
    m_timesLabel = new QuorLabel(this);
    m_delayLabel = new QuorLabel(this);
    for (QuorLabel *label : {m_timesLabel, m_delayLabel}) {
        label->setPalette(white);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        label->setFixedSize(scaledPixels(100, s), scaledPixels(20, s));
    }
    m_keyField = makeKeyField(120, 20);

    const QString boxStyle = skinCheckBoxStyleSheet(s);
    for (int i = 0; i < ModeCount; ++i) {
        auto *box = new QCheckBox(this);
        box->setFocusPolicy(Qt::NoFocus);
        box->setPalette(white);
        box->setStyleSheet(boxStyle);
        connect(box, &QCheckBox::clicked, this, &QuorFireKeyWindow::checkbtn_clicked);
        m_boxes[size_t(i)] = box;
    }

    m_times = new QLineEdit(this);
    m_delay = new QLineEdit(this);
    for (QLineEdit *edit : {m_times, m_delay}) {
        edit->setFixedSize(scaledPixels(40, s), scaledPixels(20, s));
        setNumberField(edit, 1, MaxCount);
        edit->setStyleSheet(QStringLiteral("background-color:rgb(30,30,30);") + fieldFrameStyle());
        connect(edit, &QLineEdit::returnPressed, this, &QuorFireKeyWindow::onEditReturn);
    }
    showBoundedValue(m_times, DefaultTimes);
    showBoundedValue(m_delay, DefaultDelay);
    connect(m_times, &QLineEdit::textChanged, this, &QuorFireKeyWindow::OnEditDataChanged);
    buildButtons(QObject::tr("Ok"), QObject::tr("No"));
}

void QuorFireKeyWindow::setMode()
{
    for (QCheckBox *box : m_boxes)
        box->setChecked(false);
    m_boxes[m_mode]->setChecked(true);
    m_capturing = m_mode == KeyboardMode;
    if (!m_capturing) {
        m_keyCode = 0;
        m_keyField->setCaption(QString());
    }
    updateOkButton();
}

void QuorFireKeyWindow::loadRecord(const ButtonSlot &slot)
{
    switch (slot.Res1) {
    case 0:
    case FireLeftButton: m_mode = LeftMode; break;
    case FireRightButton: m_mode = RightMode; break;
    case FireMiddleButton: m_mode = MiddleMode; break;
    default: {
        m_mode = KeyboardMode;
        int code = 0;
        hidUsageToKeyCode(slot.Res1, &code);
        m_keyCode = quint8(code);
        m_keyField->setCaption(keyCodeName(m_keyCode));
        m_capturing = true;
    }
    }
    setMode();
    showBoundedValue(m_delay, slot.KeyNumber ? slot.KeyNumber : StoredDefaultDelay);
    showBoundedValue(m_times, slot.LoopNumber ? slot.LoopNumber : DefaultTimes);
}

bool QuorFireKeyWindow::onKey(int code, int flags)
{
    // The key goes to an edit that holds the dialog's focus. The Return that ends an
    // edit is not captured either: its press went into the edit.
    if (focusWidget() == m_times || focusWidget() == m_delay || !m_hook.isNewEvent(code, flags))
        return false;
    m_keyField->setCaption(keyCodeName(unsigned(code)));
    m_keyCode = quint8(code);
    updateOkButton();
    return true;
}

QString QuorFireKeyWindow::timesText() const
{
    return m_times->text();
}

QString QuorFireKeyWindow::delayText() const
{
    return m_delay->text();
}

bool QuorFireKeyWindow::canAccept() const
{
    return (m_mode != KeyboardMode || keyCodeHasUsage(m_keyCode)) && m_times->hasAcceptableInput()
           && m_delay->hasAcceptableInput();
}

bool QuorFireKeyWindow::keysCaptured() const
{
    return m_capturing && m_mode == KeyboardMode;
}

void QuorFireKeyWindow::emitValues()
{
    emit SetFireKeyValue(m_keyCode, m_mode, uchar(m_times->text().toInt()), uchar(m_delay->text().toInt()));
}

void QuorFireKeyWindow::checkbtn_clicked()
{
    for (int i = 0; i < ModeCount; ++i) {
        if (sender() != m_boxes[size_t(i)])
            continue;
        m_mode = quint8(i);
        setMode();
        if (i == KeyboardMode) {
            m_capturing = true;
            m_title->setFocus();
        }
        emitValues();
        m_keyField->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void QuorFireKeyWindow::OnEditDataChanged(const QString &)
{
    emitValues();
}

void QuorFireKeyWindow::onEditReturn()
{
    m_keyField->setFocus(Qt::OtherFocusReason);
}

void QuorFireKeyWindow::mousePressEvent(QMouseEvent *)
{
    m_keyField->setFocus(Qt::OtherFocusReason);
}

void QuorFireKeyWindow::retranslate()
{
    m_title->setCaption(QObject::tr("FireKey Setting"));
    m_ok->setText(QObject::tr("OK"));
    m_cancel->setText(QObject::tr("Cancel"));
    const char *boxTexts[ModeCount] = {QT_TRANSLATE_NOOP("QObject", "Left"), QT_TRANSLATE_NOOP("QObject", "Right"),
                                       QT_TRANSLATE_NOOP("QObject", "Middle"),
                                       QT_TRANSLATE_NOOP("QObject", "Keyboard Key")};
    for (int i = 0; i < ModeCount; ++i)
        m_boxes[size_t(i)]->setText(QObject::tr(boxTexts[i]));
    m_timesLabel->setCaption(QObject::tr("Times:"));
    m_delayLabel->setCaption(QObject::tr("Delay:"));
    buildLayout(scale());
}

void QuorFireKeyWindow::buildLayout(double s)
{
    const QFont font = scaledLanguageFont();
    for (QWidget *w : {static_cast<QWidget *>(m_times), static_cast<QWidget *>(m_delay)})
        w->setFont(font);
    // A box is as wide as its text needs, at least its design width.
    for (int i = 0; i < ModeCount; ++i) {
        QCheckBox *box = m_boxes[size_t(i)];
        box->setFont(font);
        box->setMinimumSize(0, 0);
        box->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        const int width = std::max(scaledPixels(i == KeyboardMode ? 128 : 68, s), box->sizeHint().width());
        box->setFixedSize(width, scaledPixels(20, s));
    }
    setButtonFont(font);

    const auto space = [s](QHBoxLayout *row) { row->addSpacing(scaledPixels(30, s)); };
    auto *modes = new QHBoxLayout;
    for (int i = 0; i < KeyboardMode; ++i) {
        space(modes);
        modes->addWidget(m_boxes[size_t(i)]);
    }
    space(modes);
    modes->addStretch();
    auto *keyRow = new QHBoxLayout;
    space(keyRow);
    keyRow->addWidget(m_boxes[KeyboardMode]);
    space(keyRow);
    keyRow->addWidget(m_keyField);
    keyRow->addStretch();
    auto *counts = new QHBoxLayout;
    space(counts);
    counts->addWidget(m_timesLabel);
    counts->addWidget(m_times);
    space(counts);
    counts->addWidget(m_delayLabel);
    counts->addWidget(m_delay);
    counts->addStretch();

    auto *column = new QVBoxLayout;
    const QList<QLayout *> rows{titleRow(30), modes, keyRow, counts, buttonRow()};
    for (int i = 0; i < rows.size(); ++i) {
        if (i > 0)
            column->addStretch();
        column->addLayout(rows[i]);
    }
    column->addSpacing(scaledPixels(20, s));
    setDialogLayout(column);
}
