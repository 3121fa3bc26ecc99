// SPDX-License-Identifier: MIT
#include "engine/CellStore.h"

#include "engine/CellNames.h"

#include <stdexcept>

CellStore::CellStore()
{
    for (const CellNames::Cell &cell : CellNames::cells)
        m_texts.emplace(cell.name, CellNames::designText(cell));
}

const std::string &CellStore::text(std::string_view name) const
{
    const auto it = m_texts.find(name);
    if (it == m_texts.end())
        throw std::out_of_range("no value cell named " + std::string(name));
    return it->second;
}

void CellStore::setText(std::string_view name, std::string text)
{
    const auto it = m_texts.find(name);
    if (it == m_texts.end())
        throw std::out_of_range("no value cell named " + std::string(name));
    if (it->second == text)
        return;
    it->second = std::move(text);
    for (const auto &[key, listener] : m_listeners)
        listener(it->first, it->second);
}

bool CellStore::contains(std::string_view name) const
{
    return m_texts.find(name) != m_texts.end();
}

std::vector<std::string> CellStore::names() const
{
    std::vector<std::string> result;
    result.reserve(m_texts.size());
    for (const auto &[name, text] : m_texts)
        result.push_back(name);
    return result;
}

void CellStore::addListener(const void *key, Listener listener)
{
    m_listeners.emplace_back(key, std::move(listener));
}

void CellStore::removeListener(const void *key)
{
    std::erase_if(m_listeners, [key](const auto &entry) { return entry.first == key; });
}
