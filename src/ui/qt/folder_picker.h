// The folder picker: a modal dialog for choosing a directory, answered with its path.
#pragma once

#include <QString>
#include <QWidget>

#include "text/text.h"

namespace murvane {

// The chosen folder's path without a trailing separator (but "/" itself), or the empty text
// when the user cancels.
Text PickFolder(QWidget* owner, const Text& title);

// The path as the picker answers it: trailing separators dropped, "/" kept.
Text FolderPathText(const QString& path);

}  // namespace murvane
