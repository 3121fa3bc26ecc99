// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class Form;

// Saves the strip's position once it has stood still for a while after a
// move. When the X server goes away the program is ended before any unload
// can run, so without this a moved strip would be back at its old place.
// The unload still saves as designed; this only adds saves in between,
// through the same Form::savePosition.
class StripPositionKeeper : public QObject
{
    Q_OBJECT

public:
    static constexpr int stillMilliseconds = 2000;

    // Watches `strip`, which must be loaded; what its load step placed
    // counts as stored already.
    explicit StripPositionKeeper(Form &strip);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void saveIfMoved();

    Form &m_strip;
    QPointer<QWidget> m_surface;
    QTimer m_still;
    QString m_savedLeft;
    QString m_savedTop;
};
