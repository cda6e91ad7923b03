#pragma once
// The templates last opened or saved, newest first, at most eight, kept in the
// editor's own settings. A file that no longer exists is dropped when the list
// is read.
#include "common/RegStore.h"

#include <QStringList>

namespace RecentFiles {
constexpr int kMost = 8;
// The list, without files that are gone (the stored list is rewritten then).
QStringList list(const RegStore& store);
// Puts the file at the head of the list.
void add(const RegStore& store, const QString& path);
// The list as it would stand after add (plain rule, no storage).
QStringList withHead(const QStringList& list, const QString& path);
} // namespace RecentFiles
