#include "buttons/QuorParamDialog.h"

#include "storage/Theme.h"
#include "widgets/BoundedIntValidator.h"
#include "widgets/DialogButtons.h"
#include "widgets/KeyboardFocus.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinFont.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

QuorParamDialog::QuorParamDialog(QWidget *parent, int designWidth, int designHeight)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , m_scale(uiScale())
{
    setFixedSize(scaledPixels(designWidth, m_scale), scaledPixels(designHeight, m_scale));
    m_background = QPixmap::fromImage(loadSkin(QStringLiteral("/skin/dlg.png")).toImage(),
                                      Qt::ThresholdDither | Qt::AvoidDither);
    setAttribute(Qt::WA_TranslucentBackground);
    m_title = new QuorLabel(this);
    m_title->setPalette(whiteTextPalette(m_title->palette()));
    m_title->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setTitleSize(200, 30);
    // The focus shows on the dialog's slider and fields as it does in the window.
    showFocusFrames(this);
}

void QuorParamDialog::setTitleSize(int designWidth, int designHeight)
{
    m_title->setFixedSize(scaledPixels(designWidth, m_scale), scaledPixels(designHeight, m_scale));
}

QuorParamDialog::~QuorParamDialog() = default;

void QuorParamDialog::accept()
{
    if (canAccept())
        QDialog::accept();
}

void QuorParamDialog::buildButtons(const QString &okText, const QString &cancelText)
{
    const QString style = dialogButtonStyleSheet(themeColor());
    const QFont font = dialogButtonFont(m_scale);
    m_ok = makeDialogButton(this, true, okText, style, font, m_scale);
    m_cancel = makeDialogButton(this, false, cancelText, style, font, m_scale);
}

void QuorParamDialog::setButtonFont(const QFont &font)
{
    m_ok->setFont(font);
    m_cancel->setFont(font);
}

QFont QuorParamDialog::scaledLanguageFont() const
{
    QFont font = languageFont();
    const int pixels = scaledPixels(configuredFontSize(), m_scale);
    if (pixels > 0)
        font.setPixelSize(pixels);
    return font;
}

QuorPushButton *QuorParamDialog::makeKeyField(int designWidth, int designHeight)
{
    const QString picture = skinPath(QStringLiteral("/skin/tabbutton-1.png"));
    auto *field = new QuorPushButton({picture, picture, picture}, this);
    field->setFixedSize(scaledPixels(designWidth, m_scale), scaledPixels(designHeight, m_scale));
    field->setAutoDefault(false);
    return field;
}

QHBoxLayout *QuorParamDialog::titleRow(int designSpacing)
{
    auto *row = new QHBoxLayout;
    row->addSpacing(scaledPixels(designSpacing, m_scale));
    row->addWidget(m_title);
    row->addStretch();
    return row;
}

QHBoxLayout *QuorParamDialog::buttonRow()
{
    return makeDialogButtonRow(m_ok, m_cancel);
}

void QuorParamDialog::setKeyFieldLayout(QWidget *field)
{
    auto *fieldRow = new QHBoxLayout;
    fieldRow->addStretch();
    fieldRow->addWidget(field);
    fieldRow->addStretch();
    auto *column = new QVBoxLayout;
    column->addLayout(titleRow(30));
    column->addStretch();
    column->addLayout(fieldRow);
    column->addStretch();
    column->addLayout(buttonRow());
    column->addSpacing(scaledPixels(20, m_scale));
    setDialogLayout(column);
}

void QuorParamDialog::setDialogLayout(QLayout *layout)
{
    delete this->layout();
    setLayout(layout);
}

void QuorParamDialog::setNumberField(QLineEdit *field, int bottom, int top)
{
    setBoundedField(field, bottom, top);
    passConfirmKeyWhileUnfinished(field);
    connect(field, &QLineEdit::textChanged, this, &QuorParamDialog::updateOkButton);
}

void QuorParamDialog::updateOkButton()
{
    if (m_ok)
        m_ok->setEnabled(canAccept());
}

void QuorParamDialog::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape && keysCaptured()) {
        event->accept();
        return;
    }
    if (keysCaptured() || !acceptOnConfirmKey(this, event))
        QDialog::keyPressEvent(event);
}

void QuorParamDialog::paintEvent(QPaintEvent *event)
{
    paintDialogFrame(this, m_background);
    QDialog::paintEvent(event);
}
