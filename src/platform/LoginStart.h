// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Starting the program when the user logs in to the desktop: an XDG
// Autostart entry on Linux, the user's Run key on Windows.
namespace LoginStart {

struct Entry
{
    QString id;   // names the entry; unique per executable
    QString name; // shown by the desktop's list of start-up programs
    QString comment;
    QString icon;
    QString executable; // absolute path of the program to start
};

struct Outcome
{
    bool done;
    QString message; // what was done, or why nothing could be
};

[[nodiscard]] Outcome enable(const Entry &entry);
[[nodiscard]] Outcome disable(const Entry &entry);

} // namespace LoginStart
