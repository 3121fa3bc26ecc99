// SPDX-License-Identifier: MIT
#include "forms/main/StripPositionKeeper.h"

#include "settings/Settings.h"
#include "ui/Form.h"

#include <QEvent>
#include <QWidget>

StripPositionKeeper::StripPositionKeeper(Form &strip)
    : m_strip(strip)
    , m_surface(strip.surface())
    , m_savedLeft(Settings::positionText(static_cast<float>(strip.left())))
    , m_savedTop(Settings::positionText(static_cast<float>(strip.top())))
{
    m_still.setSingleShot(true);
    m_still.setInterval(stillMilliseconds);
    connect(&m_still, &QTimer::timeout, this, &StripPositionKeeper::saveIfMoved);
    if (m_surface)
        m_surface->installEventFilter(this);
}

bool StripPositionKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_surface && event->type() == QEvent::Move)
        m_still.start();
    return false;
}

void StripPositionKeeper::saveIfMoved()
{
    if (!m_surface || m_strip.surface() != m_surface)
        return;
    const QString leftText = Settings::positionText(static_cast<float>(m_strip.left()));
    const QString topText = Settings::positionText(static_cast<float>(m_strip.top()));
    if (leftText == m_savedLeft && topText == m_savedTop)
        return;
    // A refusal is not reported here: the unload's saves report it, once. Both
    // are tried again after the next move.
    if (m_strip.savePosition().isEmpty()) {
        m_savedLeft = leftText;
        m_savedTop = topText;
    }
}
