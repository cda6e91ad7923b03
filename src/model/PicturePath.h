#pragma once
// Where the picture of a picture field is read from. The field keeps its
// Source as written; a relative one that names no file from the current
// folder is looked for beside the template file that names it, so a template
// and its pictures can be moved together and opened from anywhere.
#include <QString>

// source when it is empty, absolute or found from the current folder; else
// templateFolder/source when that exists; else source unchanged.
QString picturePathToRead(const QString& source, const QString& templateFolder);
