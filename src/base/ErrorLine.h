// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The program's one way to say something on standard error, for every layer.
namespace ErrorLine {

// Control characters (C0, DEL, C1) and the characters that reorder a
// terminal line (bidirectional marks, embeddings, overrides and isolates)
// written as \uXXXX, so text from a settings file cannot break or disguise
// the line it is quoted in.
[[nodiscard]] QString escaped(const QString &text);

// One character as \uXXXX.
[[nodiscard]] QString codePoint(QChar c);

// Prints the escaped line and a line feed on standard error, flushed at once.
void print(const QString &line);

// Prints the line after the program's name and a colon, as a command-line
// tool names itself in what it says.
void report(const QString &text);

} // namespace ErrorLine
