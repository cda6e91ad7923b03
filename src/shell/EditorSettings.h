#pragma once
// The editor's own settings, which the printer's software never read: the
// recent files and the window's size, position and splitter state. They live in
// "editor.ini" beside the per-user store's file, so that the
// store keeps only the values its other readers know.
#include "common/RegStore.h"

#include <QSettings>
#include <memory>

std::unique_ptr<QSettings> editorSettings(const RegStore& store);
