// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A caption that reports double-clicks; never takes the focus. A line, or
// where the caption wraps a word, that its font would cut is drawn narrower.
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(const QString &caption, QWidget *parent = nullptr);

    // The font the caption is drawn in.
    [[nodiscard]] QFont captionFont();
    // Room for the widest line or word, in pixels.
    [[nodiscard]] int captionRoom() const;
    // The pieces the caption cannot break: its lines, or its words where it
    // wraps.
    [[nodiscard]] QStringList captionPieces() const;

signals:
    void doubleClicked();

protected:
    bool event(QEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void layOutCaption();

    // What the caption was laid out for.
    QString m_laidOutText;
    QSize m_laidOutSize;
    QFont m_laidOutFont;
    QFont m_captionFont;
    bool m_fits = true;
    QRect m_ink;
};
