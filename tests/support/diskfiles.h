#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <sys/mount.h>
#include <unistd.h>

// Files in a folder, hidden ones included: a failed or killed save leaves nothing behind.
inline QStringList entries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A small file system of its own for a test: mounting needs root, elsewhere it is skipped.
struct SmallDisk {
    QByteArray where;
    bool mounted = false;
    SmallDisk(const QString& folder, const char* options) : where(QFile::encodeName(folder)) {
        QDir().mkpath(folder);
        mounted = ::geteuid() == 0 &&
                  ::mount("tremora-test", where.constData(), "tmpfs", 0, options) == 0;
    }
    ~SmallDisk() {
        if (mounted)
            ::umount2(where.constData(), MNT_DETACH);
    }
    // Fills the disk but for a few bytes.
    void fill() const {
        QFile filler(QFile::decodeName(where) + QStringLiteral("/riempitivo"));
        filler.open(QIODevice::WriteOnly);
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
};
