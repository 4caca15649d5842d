#include "core/diskfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace diskfile {

QString reason(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("Spazio su disco esaurito");
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("Quota di spazio su disco superata");
#endif
    case EACCES:
    case EPERM:
        return QStringLiteral("Permesso negato");
    case EROFS:
        return QStringLiteral("Il disco è protetto dalla scrittura (file system di sola lettura)");
    case ENOENT:
        return QStringLiteral("Il file o la cartella non esiste");
    case ENOTDIR:
        return QStringLiteral("Una parte del percorso non è una cartella");
    case EISDIR:
        return QStringLiteral("Il percorso indica una cartella");
    case EFBIG:
        return QStringLiteral("File troppo grande");
    case EIO:
        return QStringLiteral("Errore di lettura o scrittura sul dispositivo");
    case ENAMETOOLONG:
        return QStringLiteral("Nome del file troppo lungo");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Troppi file aperti");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("Dispositivo non disponibile");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Il file è in uso");
    case ELOOP:
        return QStringLiteral("Troppi collegamenti simbolici nel percorso");
    case EEXIST:
        return QStringLiteral("Il file esiste già");
    case ENOMEM:
        return QStringLiteral("Memoria insufficiente");
    case EXDEV:
        return QStringLiteral("Il file non può essere spostato su un altro disco");
    default:
        return QStringLiteral("Errore di sistema %1 (%2)")
            .arg(errorNumber)
            .arg(QString::fromLocal8Bit(std::strerror(errorNumber)));
    }
}

namespace {

// A descriptor closed however the function leaves.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    // Closing is the last chance for a network or full file system to report a lost write.
    int release() {
        const int result = ::close(fd);
        fd = -1;
        return result;
    }
};

QString failure() {
    return reason(errno);
}

// The file a save replaces: the target of a symbolic link, so that the link survives.
QByteArray targetOf(const QString& path) {
    QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty())
            return QFile::encodeName(target);
    }
    return QFile::encodeName(info.absoluteFilePath());
}

} // namespace

QString write(const QString& path, const QByteArray& bytes) {
    const QByteArray target = targetOf(path);
    struct stat existing {};
    const bool replacing = ::stat(target.constData(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode))
        return reason(EISDIR);
    if (replacing && !S_ISREG(existing.st_mode))
        return QStringLiteral("Il percorso non indica un file ordinario");

    // The new file is made in the same folder, so that renaming it over the old one is a
    // single step of the file system: a reader sees the old file or the new one, never half.
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash > 0 ? target.left(slash) : QByteArray("/");
    QByteArray temporary = folder + "/." + target.mid(slash + 1) + ".XXXXXX";
    Descriptor file;
    file.fd = ::mkstemp(temporary.data());
    if (file.fd < 0)
        return failure();
    auto abandon = [&](const QString& why) {
        ::unlink(temporary.constData());
        return why;
    };

    // mkstemp makes the file readable by its owner only; a report is an ordinary document.
    mode_t mode = 0666;
    if (replacing) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(file.fd, mode) != 0)
        return abandon(failure());

    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(file.fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return abandon(failure());
        }
        if (written == 0)
            return abandon(reason(ENOSPC));
        data += written;
        left -= written;
    }
    // Written means on the disk: a full disk often shows only here, when the blocks that the
    // system kept in memory are allocated.
    if (::fsync(file.fd) != 0)
        return abandon(failure());
    struct stat written {};
    if (::fstat(file.fd, &written) != 0)
        return abandon(failure());
    if (qint64(written.st_size) != bytes.size())
        return abandon(QStringLiteral("Il file scritto non ha la lunghezza attesa (%1 byte "
                                      "invece di %2)")
                           .arg(qint64(written.st_size))
                           .arg(bytes.size()));
    if (file.release() != 0)
        return abandon(failure());

    if (::rename(temporary.constData(), target.constData()) != 0)
        return abandon(failure());
    // The rename itself is kept on disk with the folder.
    Descriptor dir;
    dir.fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir.fd >= 0)
        ::fsync(dir.fd);
    return QString();
}

ReadResult readRegular(const QString& path, qint64 maxSize) {
    ReadResult result;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        result.reason = failure();
        return result;
    }
    if (S_ISDIR(info.st_mode)) {
        result.reason = reason(EISDIR);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.outcome = ReadResult::NotRegular;
        return result;
    }
    // Not blocking: should the path have become a pipe since, opening it still returns.
    Descriptor file;
    file.fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file.fd < 0) {
        result.reason = failure();
        return result;
    }
    if (::fstat(file.fd, &info) != 0) {
        result.reason = failure();
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.outcome = ReadResult::NotRegular;
        return result;
    }
    if (qint64(info.st_size) > maxSize) {
        result.outcome = ReadResult::TooLarge;
        return result;
    }
    // The size may change while reading: read until the end, but never past the limit.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qint64 filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxSize) {
                result.outcome = ReadResult::TooLarge;
                return result;
            }
            bytes.resize(qsizetype(qMin(maxSize + 1, filled * 2 + 4096)));
        }
        const ssize_t got = ::read(file.fd, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            result.reason = failure();
            return result;
        }
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > maxSize) {
        result.outcome = ReadResult::TooLarge;
        return result;
    }
    bytes.truncate(qsizetype(filled));
    result.outcome = ReadResult::Read;
    result.bytes = std::move(bytes);
    return result;
}

} // namespace diskfile
