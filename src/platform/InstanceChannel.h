// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Where the one-strip guard keeps its lock and where a later start reaches
// the running one: a private folder, and a local server named for a key.
namespace InstanceChannel {

// Makes `folder` when it is not there, and makes sure it is the user's own
// and closed to everyone else: another user who could reach the lock could
// keep the strip from starting, or switch the check off. Says what is wrong
// in `problem`.
[[nodiscard]] bool makePrivateFolder(const QString &folder, QString &problem);

// The name of the local server for `key` beside the lock in `folder`: a
// socket in the folder, or where local servers are named pipes, a name in
// the session's namespace that tells users apart.
[[nodiscard]] QString serverName(const QString &folder, const QString &key);

// Lets the running copy bring its window to the front when this start,
// which the user has just launched and so may do so, asks it to.
void allowOtherToComeForward();

} // namespace InstanceChannel
