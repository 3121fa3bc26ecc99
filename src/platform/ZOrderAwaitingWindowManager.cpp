// SPDX-License-Identifier: MIT
#include "platform/ZOrderAwaitingWindowManager.h"

#include "base/ErrorLine.h"

ZOrderAwaitingWindowManager::ZOrderAwaitingWindowManager(std::unique_ptr<ZOrder> fallback,
                                                         Probe probe, PrintLine print)
    : m_current(std::move(fallback))
    , m_probe(std::move(probe))
    , m_print(print ? std::move(print) : PrintLine(ErrorLine::report))
{}

ZOrder::Handle ZOrderAwaitingWindowManager::foregroundWindow()
{
    if (m_probe) {
        if (std::unique_ptr<ZOrder> found = m_probe()) {
            m_current = std::move(found);
            m_probe = nullptr;
            m_print(QStringLiteral("a window manager that restacks windows on "
                                   "request has started; the strip is now kept above the "
                                   "window in front through it"));
        }
    }
    return m_current->foregroundWindow();
}

void ZOrderAwaitingWindowManager::demote(Handle window)
{
    m_current->demote(window);
}

void ZOrderAwaitingWindowManager::promote(Handle window)
{
    m_current->promote(window);
}
