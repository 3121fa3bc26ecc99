// SPDX-License-Identifier: MIT
#pragma once

#include <QCheckBox>

// A tickbox with the states 0 (clear), 1 (ticked) and 2 (greyed). Its click
// behaviour (valueChanged) runs on every change of state, whether the user
// clicked or code set it, and never when the same state is set again. A click
// on a greyed box ticks it; clicks never produce the greyed state.
class TickBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit TickBox(const QString &caption, QWidget *parent = nullptr);

    [[nodiscard]] int value() const;
    // Values other than 0, 1 and 2 are refused and leave the state alone.
    bool setValue(int value);

    // Long captions break onto further lines at blanks, as the box allows.
    void setWrapping(bool wrapping);
    [[nodiscard]] QString caption() const { return m_caption; }
    // The font the caption is drawn in: the box's own, narrowed where a word
    // would not fit beside the tick otherwise.
    [[nodiscard]] QFont captionFont() const;
    // Room beside the tick, in pixels.
    [[nodiscard]] int captionRoom() const;

signals:
    void valueChanged(int value);

protected:
    void nextCheckState() override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void wrapCaption();
    void fitCaption();

    QString m_caption;
    bool m_wrapping = false;
    QFont m_captionFont;
};
