// SPDX-License-Identifier: MIT
#include "platform/FixedSize.h"

#include <QWidget>

namespace {

// Windows keeps a window at the size its minimum and maximum agree on.
class FixedSizeWindows final : public FixedSize
{
public:
    explicit FixedSizeWindows(QWidget &window)
        : m_window(window)
    {}

    void hold(QSize size) override { m_window.setFixedSize(size); }

private:
    QWidget &m_window;
};

} // namespace

std::unique_ptr<FixedSize> FixedSize::forPlatform(QWidget &window)
{
    return std::make_unique<FixedSizeWindows>(window);
}
