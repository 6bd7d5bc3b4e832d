#include "widgets/BoundedIntValidator.h"

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
}

BoundedIntValidator::BoundedIntValidator(int bottom, int top, int step, QObject *parent)
    : QValidator(parent)
    , m_bottom(std::max(bottom, 0))
    , m_top(std::max(top, m_bottom))
    , m_step(std::max(step, 1))
{
}

QValidator::State BoundedIntValidator::validate(QString &input, int &) const
{
    if (input.isEmpty())
        return Intermediate;
    const bool digits = std::all_of(input.begin(), input.end(), [](QChar c) { return c >= '0' && c <= '9'; });
    if (!digits || input.size() > digitCount(m_top) || (input.size() > 1 && input[0] == '0'))
        return Invalid;
    const qint64 value = input.toLongLong();
    if (value > m_top)
        return Invalid;
    if (value >= m_bottom)
        return value % m_step == 0 ? Acceptable : Intermediate;
    // A leading 0 grows into nothing.
    return value > 0 && canGrowIntoRange(value, int(input.size())) ? Intermediate : Invalid;
}

bool BoundedIntValidator::canGrowIntoRange(qint64 value, int length) const
{
    qint64 low = value;
    qint64 span = 1;
    for (int n = length + 1; n <= digitCount(m_top); ++n) {
        low *= 10;
        span *= 10;
        if (low + span - 1 >= m_bottom && low <= m_top)
            return true;
    }
    return false;
}

void BoundedIntValidator::fixup(QString &input) const
{
    // Only what may have been typed: a stored value shown past the bounds stays as stored.
    int pos = 0;
    if (validate(input, pos) == Intermediate)
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
