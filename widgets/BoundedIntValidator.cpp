#include "widgets/BoundedIntValidator.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {
int digitCount(qint64 value)
{
    return int(QString::number(value).size());
}

const BoundedIntValidator *boundsOf(const QLineEdit *field)
{
    return qobject_cast<const BoundedIntValidator *>(field->validator());
}

QString fixedText(const QLineEdit *field)
{
    QString text = field->text();
    if (const BoundedIntValidator *bounds = boundsOf(field))
        bounds->fixup(text);
    return text;
}

// Left, or ended by Return, a field shows what the user typed as the number taken
// ("050" as 50), whatever the field does on losing the focus itself.
class HoldOnLeaving : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *field = qobject_cast<QLineEdit *>(watched);
        if (field && field->isModified() && isLeaving(event))
            holdBoundedField(field);
        return false;
    }

private:
    static bool isLeaving(const QEvent *event)
    {
        if (event->type() == QEvent::FocusOut)
            return static_cast<const QFocusEvent *>(event)->reason() != Qt::PopupFocusReason;
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<const QKeyEvent *>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
};
}

BoundedIntValidator::BoundedIntValidator(int bottom, int top, int step, QLineEdit *field)
    : QValidator(field)
    , m_field(field)
    , m_bottom(std::max(bottom, 0))
    , m_top(std::max(top, m_bottom))
    , m_step(std::max(step, 1))
    , m_maxDigits(digitCount(m_top))
{
}

QValidator::State BoundedIntValidator::validate(QString &input, int &) const
{
    if (input.isEmpty())
        return Intermediate;
    const bool digits = std::all_of(input.begin(), input.end(), [](QChar c) { return c >= '0' && c <= '9'; });
    if (!digits || input.size() > m_maxDigits)
        return Invalid;
    const qint64 value = input.toLongLong();
    // A number past top has all of top's digits: nothing more can be typed into it.
    if (value > m_top)
        return Invalid;
    if (value >= m_bottom && value % m_step == 0)
        return Acceptable;
    return canGrowIntoRange(input) ? Intermediate : Invalid;
}

bool BoundedIntValidator::canGrowIntoRange(const QString &digits) const
{
    const qint64 first = (m_bottom + m_step - 1) / m_step * m_step;
    for (qint64 n = first; n <= m_top; n += m_step) {
        // Leading zeros stand for the digits still to come before the number.
        const QString target = QString::number(n).rightJustified(m_maxDigits, '0');
        int matched = 0;
        for (int i = 0; i < target.size() && matched < digits.size(); ++i) {
            if (target[i] == digits[matched])
                ++matched;
        }
        if (matched == digits.size())
            return true;
    }
    return false;
}

void BoundedIntValidator::fixup(QString &input) const
{
    // Only what the user typed: a value set from storage stays as stored.
    int pos = 0;
    if ((!m_field || m_field->isModified()) && validate(input, pos) != Invalid)
        input = QString::number(held(input));
}

int BoundedIntValidator::held(const QString &text) const
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok)
        return m_bottom;
    const qint64 bounded = std::clamp<qint64>(value, m_bottom, m_top);
    return int(bounded - bounded % m_step);
}

void setBoundedField(QLineEdit *field, int bottom, int top, int step)
{
    auto *validator = new BoundedIntValidator(bottom, top, step, field);
    field->setMaxLength(digitCount(validator->top()));
    field->setValidator(validator);
    field->installEventFilter(new HoldOnLeaving(validator));
}

void showBoundedValue(QLineEdit *field, int value)
{
    const BoundedIntValidator *bounds = boundsOf(field);
    field->setText(QString::number(bounds ? bounds->held(QString::number(value)) : value));
}

bool boundedFieldValue(const QLineEdit *field, int *value)
{
    if (!field->hasAcceptableInput())
        return false;
    *value = field->text().toInt();
    return true;
}

int heldFieldValue(const QLineEdit *field)
{
    return fixedText(field).toInt();
}

int holdBoundedField(QLineEdit *field)
{
    const QString fixed = fixedText(field);
    if (fixed != field->text())
        field->setText(fixed);
    return fixed.toInt();
}
