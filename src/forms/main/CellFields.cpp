// SPDX-License-Identifier: MIT
#include "forms/main/CellFields.h"

#include "engine/CellStore.h"
#include "ui/controls/TextField.h"

#include <QEvent>

CellFields::CellFields(CellStore &store, QWidget *window)
    : QObject(window)
    , m_store(store)
    , m_window(window)
{
    m_store.addListener(this, [this](std::string_view name, const std::string &text) {
        const auto found = m_entries.find(name);
        if (found == m_entries.end())
            return;
        Entry &entry = found->second;
        if (entry.inView || entry.field == m_focused)
            entry.field->setTextIfDifferent(QString::fromStdString(text));
        else
            entry.stale = true;
    });
}

CellFields::~CellFields()
{
    m_store.removeListener(this);
}

void CellFields::add(const std::string &name, TextField *field)
{
    field->setTextIfDifferent(QString::fromStdString(m_store.text(name)));
    m_entries.insert_or_assign(name, Entry{field});
    field->installEventFilter(this);
    connect(field, &TextField::textEdited, this,
            [this, name](const QString &text) { m_store.setText(name, text.toStdString()); });
}

TextField *CellFields::field(std::string_view name)
{
    const auto found = m_entries.find(name);
    if (found == m_entries.end())
        return nullptr;
    show(found->first, found->second);
    return found->second.field;
}

void CellFields::refreshVisibility()
{
    const QRect visible = m_window->rect();
    for (auto &[name, entry] : m_entries) {
        entry.inView = visible.intersects(entry.field->geometry());
        if (entry.inView)
            show(name, entry);
    }
}

bool CellFields::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        m_focused = static_cast<TextField *>(watched);
        static_cast<void>(field(watched->objectName().toStdString()));
    } else if (event->type() == QEvent::FocusOut && watched == m_focused) {
        m_focused = nullptr;
    }
    return QObject::eventFilter(watched, event);
}

void CellFields::show(const std::string &name, Entry &entry)
{
    if (!entry.stale)
        return;
    entry.stale = false;
    entry.field->setTextIfDifferent(QString::fromStdString(m_store.text(name)));
}
