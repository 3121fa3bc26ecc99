#include "ui/controls/TickBox.h"

#include <QStyle>
#include <QStyleOptionButton>

TickBox::TickBox(const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
    , m_caption(caption)
{
    connect(this, &QCheckBox::stateChanged, this, [this] { emit valueChanged(value()); });
}

int TickBox::value() const
{
    switch (checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

bool TickBox::setValue(int value)
{
    switch (value) {
    case 0:
        setCheckState(Qt::Unchecked);
        return true;
    case 1:
        setCheckState(Qt::Checked);
        return true;
    case 2:
        setCheckState(Qt::PartiallyChecked);
        return true;
    default:
        return false;
    }
}

void TickBox::nextCheckState()
{
    // setCheckState(PartiallyChecked) leaves the box tristate, and QCheckBox
    // would then cycle into the greyed state on a click.
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void TickBox::setWrapping(bool wrapping)
{
    m_wrapping = wrapping;
    wrapCaption();
}

void TickBox::resizeEvent(QResizeEvent *event)
{
    QCheckBox::resizeEvent(event);
    wrapCaption();
}

void TickBox::wrapCaption()
{
    if (!m_wrapping) {
        setText(m_caption);
        return;
    }
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this) +
                          style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const int room = width() - indicator;
    const QFontMetrics metrics = fontMetrics();
    QString wrapped;
    QString line;
    for (const QString &word : m_caption.split(QLatin1Char(' '))) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > room) {
            wrapped += line + QLatin1Char('\n');
            line = word;
        } else {
            line = candidate;
        }
    }
    wrapped += line;
    if (text() != wrapped)
        setText(wrapped);
}
