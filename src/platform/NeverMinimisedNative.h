#pragma once

#include "platform/NeverMinimised.h"

#include <QAbstractNativeEventFilter>

#include <functional>
#include <memory>

// The window system's side, one implementation per platform: the hint that
// keeps minimising off the window manager's offer, notice of a window hidden
// where Qt does not tell, and the request that brings it back.
class NeverMinimised::NativeWatch
{
public:
    NativeWatch(QWidget *window, std::function<void()> hidden);
    ~NativeWatch();
    NativeWatch(const NativeWatch &) = delete;
    NativeWatch &operator=(const NativeWatch &) = delete;

    void restore();

private:
    QWidget *m_window;
    // Null where Qt's own window states tell everything.
    std::unique_ptr<QAbstractNativeEventFilter> m_filter;
};
