// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <map>
#include <string>
#include <string_view>

class CellStore;
class TextField;
class QWidget;

// Shows the engine's value cells in text fields and writes typed text back.
// Laying out text is most of what an uptime pass costs, so a field that lies
// outside its window's visible area is brought up to date only when it comes
// into view, takes the focus, or is asked for.
class CellFields : public QObject
{
    Q_OBJECT

public:
    CellFields(CellStore &store, QWidget *window);
    ~CellFields() override;

    void add(const std::string &name, TextField *field);
    // The field of a cell, up to date with the cell.
    [[nodiscard]] TextField *field(std::string_view name);
    // Once the window has its size, and whenever it changes: fields now in
    // view catch up. Until the first call every field counts as in view.
    void refreshVisibility();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        TextField *field;
        bool inView = true;
        bool stale = false;
    };

    void show(const std::string &name, Entry &entry);

    CellStore &m_store;
    QWidget *m_window;
    std::map<std::string, Entry, std::less<>> m_entries;
    const TextField *m_focused = nullptr;
};
