// SPDX-License-Identifier: MIT
#include "ui/controls/TickBox.h"

#include "ui/FittedFont.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

TickBox::TickBox(const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
    , m_caption(caption)
    , m_captionFont(font())
{
    // The caption may wrap; its name is read as one line.
    setAccessibleName(caption);
    // Qt 6.7 renamed the signal, and deprecates the old name.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    connect(this, &QCheckBox::checkStateChanged, this, [this] { emit valueChanged(value()); });
#else
    connect(this, &QCheckBox::stateChanged, this, [this] { emit valueChanged(value()); });
#endif
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

void TickBox::changeEvent(QEvent *event)
{
    QCheckBox::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        wrapCaption();
}

int TickBox::captionRoom() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this).width();
}

QFont TickBox::captionFont() const
{
    return m_captionFont;
}

void TickBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QFont drawn = captionFont();
    painter.setFont(drawn);
    option.fontMetrics = QFontMetrics(drawn);
    painter.drawControl(QStyle::CE_CheckBox, option);
}

void TickBox::fitCaption()
{
    // A word wider than the room would lose its last letters ("AutoStart"
    // beside the tick of a narrow box).
    const QFont fitted = FittedFont::fit(font(), text().split(QLatin1Char('\n')), captionRoom());
    if (fitted != m_captionFont) {
        m_captionFont = fitted;
        update();
    }
}

void TickBox::wrapCaption()
{
    if (!m_wrapping) {
        if (text() != m_caption)
            setText(m_caption);
        fitCaption();
        return;
    }
    const int room = captionRoom();
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
    fitCaption();
}
