#pragma once
// The one way the programs write a file. The bytes go to a temporary file
// beside the target, are flushed to the file system (a failure there, such as
// a full disk, is caught before anything is renamed) and the temporary file is
// renamed over the target only when complete: a failed write leaves an existing
// file as it was.
#include <QByteArray>
#include <QImage>
#include <QString>

//
// Links::Follow writes to the file a symbolic link at path points at (a
// template saved through the operator's own link). Links::Refuse is for
// folders other users may write into (the virtual printer's print folder, a
// command-line --out): a symbolic link at path is refused, and the new file
// only ever replaces the name itself, never what a link planted meanwhile
// points at.
enum class Links { Follow, Refuse };

// Empty on success; otherwise the system's reason ("No space left on device").
QString writeFileAtomically(const QString& path, const QByteArray& bytes, Links links = Links::Follow);

// The picture as PNG through writeFileAtomically; the same result.
QString writePngAtomically(const QString& path, const QImage& picture, Links links = Links::Follow);
