// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Named text cells holding every value of the uptime arithmetic. Windows show
// these texts and write typed text back, so a reading always sees the last
// text written by anyone.
class CellStore
{
public:
    using Listener = std::function<void(std::string_view name, const std::string &text)>;

    // Starts with the design texts: unit constants and factors, and every
    // working cell holding its own name.
    CellStore();

    [[nodiscard]] const std::string &text(std::string_view name) const;
    // Unknown names are a programming error and throw std::out_of_range.
    void setText(std::string_view name, std::string text);

    [[nodiscard]] bool contains(std::string_view name) const;
    [[nodiscard]] std::vector<std::string> names() const;

    // Called after every change of a cell's text, whoever made it, until
    // removed under the same key. Every window showing the cells has its own.
    void addListener(const void *key, Listener listener);
    void removeListener(const void *key);

private:
    std::map<std::string, std::string, std::less<>> m_texts;
    std::vector<std::pair<const void *, Listener>> m_listeners;
};
