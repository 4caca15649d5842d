#pragma once

#include <QByteArray>
#include <QString>

// Report files on disk, read and written through the system calls themselves so that every
// failure is seen: a write that reached the disk only in part, a file system that filled up
// while the last block was flushed, a path that is a pipe or a device rather than a file.
namespace diskfile {

// The Italian words for a system error number ("Spazio su disco esaurito", "Permesso
// negato", ...). Numbers without words of their own still give their number and the
// system's description, never a bare "unknown error".
QString reason(int errorNumber);

// Writes the bytes to the path as a whole or not at all. The bytes go to a new file beside
// the old one, without a name until it is whole where the file system allows; every write,
// the flush to the disk and the size on disk are checked before the new file takes the old
// one's place. On failure the old file is untouched, nothing new is left behind and the
// reason is returned; an empty string means the file is written. A save killed half-way
// leaves at most a hidden temporary of this program, removed by the next save in that
// folder. A file the user may not write (no write permission for its owner, or another
// user's) is not replaced; a file replaced keeps its permissions and group. A symbolic link
// keeps pointing at the file it names, also when that file is made by this save; links that
// run in a circle are refused.
QString write(const QString& path, const QByteArray& bytes);

struct ReadResult {
    enum Outcome { Read, Failed, NotRegular, TooLarge };
    Outcome outcome = Failed;
    QByteArray bytes;
    QString reason; // for Failed
};

// Reads a regular file of at most maxSize bytes. A pipe, socket, device or folder is refused
// at once, before anything is read from it, so that choosing one never blocks the program.
ReadResult readRegular(const QString& path, qint64 maxSize);

} // namespace diskfile
