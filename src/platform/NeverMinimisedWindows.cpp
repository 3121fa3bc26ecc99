#include "platform/NeverMinimisedNative.h"

// A Win32 tool window without a minimise box is only minimised through its
// owner, which Qt reports as a window state.
NeverMinimised::NativeWatch::NativeWatch(QWidget *window, std::function<void()>)
    : m_window(window)
{}

NeverMinimised::NativeWatch::~NativeWatch() = default;

void NeverMinimised::NativeWatch::restore() {}
