// SPDX-License-Identifier: MIT
#include "forms/main/StripPositionKeeper.h"

#include "settings/Settings.h"
#include "ui/Form.h"

#include <QEvent>
#include <QWidget>

StripPositionKeeper::StripPositionKeeper(Form &strip, Settings &settings)
    : m_strip(strip)
    , m_settings(settings)
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
    const auto left = static_cast<float>(m_strip.left());
    const auto top = static_cast<float>(m_strip.top());
    const QString leftText = Settings::positionText(left);
    const QString topText = Settings::positionText(top);
    if (leftText == m_savedLeft && topText == m_savedTop)
        return;
    // A refusal is not reported here: the unload's saves report it, once.
    const std::vector<Refusal> refusals =
        m_settings.save({m_settings.position(SettingKey::MAIN_Left, left),
                         m_settings.position(SettingKey::MAIN_Top, top)});
    if (!refusals.at(0))
        m_savedLeft = leftText;
    if (!refusals.at(1))
        m_savedTop = topText;
}
