#pragma once
// The one way the programs write a file. The bytes go to a temporary file
// beside the target, are flushed to the file system (a failure there, such as
// a full disk, is caught before anything is renamed) and the temporary file is
// renamed over the target only when complete: a failed write leaves an existing
// file as it was.
#include <QByteArray>
#include <QImage>
#include <QString>

// Empty on success; otherwise the system's reason ("No space left on device").
QString writeFileAtomically(const QString& path, const QByteArray& bytes);

// The picture as PNG through writeFileAtomically; the same result.
QString writePngAtomically(const QString& path, const QImage& picture);
