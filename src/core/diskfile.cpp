#include "core/diskfile.h"

#include <QFile>
#include <QFileInfo>

#include <QRandomGenerator>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
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

// The longest chain of symbolic links followed, as the system itself allows (SYMLOOP_MAX).
constexpr int maxLinks = 40;

// The file a save replaces. A symbolic link is followed link by link to the name it ends at,
// which need not exist yet: the save writes there and the links keep pointing at it.
// Nothing when the links run in a circle.
std::optional<QByteArray> targetOf(const QString& path) {
    QByteArray name = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    for (int hops = 0; hops <= maxLinks; ++hops) {
        struct stat info {};
        if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return name;
        QByteArray link(qsizetype(info.st_size > 0 ? info.st_size : PATH_MAX) + 1,
                        Qt::Uninitialized);
        const ssize_t length = ::readlink(name.constData(), link.data(), size_t(link.size()));
        if (length < 0 || length >= link.size())
            return name; // changed meanwhile: the steps below report what is there
        link.truncate(length);
        if (link.startsWith('/'))
            name = link;
        else
            name = name.left(name.lastIndexOf('/') + 1) + link;
    }
    return std::nullopt;
}

// Temporaries are named after the file they will replace, hidden, with a mark of this
// program and six random letters: ".relazione.txt.tremora-Ab3xYz". The file's part is cut
// so that the whole name stays within the 255 bytes a name may have.
const QByteArray temporaryMark = ".tremora-";
constexpr int randomLetters = 6;
constexpr qsizetype nameLimit = 255;

QByteArray temporaryName(const QByteArray& fileName) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    const qsizetype room = nameLimit - 1 - temporaryMark.size() - randomLetters;
    QByteArray name = '.' + fileName.left(room) + temporaryMark;
    for (int i = 0; i < randomLetters; ++i)
        name += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
    return name;
}

bool isTemporaryName(const char* name) {
    const QByteArray n(name);
    const qsizetype mark = n.size() - randomLetters - temporaryMark.size();
    if (!n.startsWith('.') || mark < 1 || n.mid(mark, temporaryMark.size()) != temporaryMark)
        return false;
    for (qsizetype i = n.size() - randomLetters; i < n.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(n[i])))
            return false;
    return true;
}

// Removes what a save killed half-way left in the folder: temporaries of this program's
// pattern, of this user, that no save holds. A save in progress keeps its temporary locked
// until it has taken the old file's place; the system drops the lock of a killed process.
void removeStaleTemporaries(int folder) {
    const int listing = ::dup(folder);
    if (listing < 0)
        return;
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return;
    }
    // Listing is taken before any is removed: removing while reading may skip names.
    QList<QByteArray> found;
    while (const dirent* entry = ::readdir(dir))
        if (isTemporaryName(entry->d_name))
            found << QByteArray(entry->d_name);
    ::closedir(dir);
    for (const QByteArray& name : found) {
        Descriptor stale;
        stale.fd = ::openat(folder, name.constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        struct stat info {};
        if (stale.fd < 0 || ::fstat(stale.fd, &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid() || ::flock(stale.fd, LOCK_EX | LOCK_NB) != 0)
            continue;
        ::unlinkat(folder, name.constData(), 0);
    }
}

// Why a file that is there may not be replaced: the user may not write it. Root may write
// any file whatever its mode, so the mode bits and the owner decide, not access(2): a file
// made read-only (0444) was made so on purpose, and replacing someone else's file would
// make it ours.
QString readOnlyReason(const struct stat& existing) {
    if (existing.st_uid != ::geteuid())
        return QStringLiteral("Il file è di sola lettura: appartiene a un altro utente");
    if (!(existing.st_mode & S_IWUSR))
        return QStringLiteral("Il file è di sola lettura");
    return QString();
}

// A new file with nothing in it yet, in the folder, locked until the save ends. Where the
// file system allows, it has no name at all (O_TMPFILE) and gets one only once it is
// whole, so that a save killed half-way leaves nothing behind; elsewhere it is made under
// a temporary name at once.
struct Temporary {
    Descriptor file;
    QByteArray name; // empty while the file has none
    int error = 0;
};

void makeTemporary(int folder, const QByteArray& fileName, Temporary& made) {
#ifdef O_TMPFILE
    made.file.fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (made.file.fd >= 0) {
        ::flock(made.file.fd, LOCK_EX);
        return;
    }
    // Only a file system without unnamed files goes on to a named one.
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        made.error = errno;
        return;
    }
#endif
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = temporaryName(fileName);
        made.file.fd = ::openat(folder, name.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (made.file.fd >= 0) {
            made.name = name;
            ::flock(made.file.fd, LOCK_EX);
            return;
        }
        if (errno != EEXIST)
            break;
    }
    made.error = errno;
}

// Gives the unnamed file a temporary name beside the target; the rename after it is then
// the single step that replaces the old file.
int nameTemporary(int folder, const QByteArray& fileName, Temporary& made) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(made.file.fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = temporaryName(fileName);
        int done =
            ::linkat(AT_FDCWD, self.constData(), folder, name.constData(), AT_SYMLINK_FOLLOW);
        if (done != 0 && errno == ENOENT)
            done = ::linkat(made.file.fd, "", folder, name.constData(), AT_EMPTY_PATH);
        if (done == 0) {
            made.name = name;
            return 0;
        }
        if (errno != EEXIST)
            break;
    }
    return errno;
}

} // namespace

QString write(const QString& path, const QByteArray& bytes) {
    const auto resolved = targetOf(path);
    if (!resolved)
        return QStringLiteral("Il collegamento simbolico forma un ciclo e non porta a nessun "
                              "file");
    const QByteArray target = *resolved;
    struct stat existing {};
    const bool replacing = ::stat(target.constData(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode))
        return reason(EISDIR);
    if (replacing && !S_ISREG(existing.st_mode))
        return QStringLiteral("Il percorso non indica un file ordinario");

    // The new file is made in the same folder, so that renaming it over the old one is a
    // single step of the file system: a reader sees the old file or the new one, never half.
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folderName = slash > 0 ? target.left(slash) : QByteArray("/");
    const QByteArray fileName = target.mid(slash + 1);
    if (fileName.size() > nameLimit)
        return reason(ENAMETOOLONG);
    Descriptor folder;
    folder.fd = ::open(folderName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder.fd < 0)
        return failure();
    Temporary temporary;
    makeTemporary(folder.fd, fileName, temporary);
    if (temporary.file.fd < 0)
        return reason(temporary.error);
    auto abandon = [&](const QString& why) {
        if (!temporary.name.isEmpty())
            ::unlinkat(folder.fd, temporary.name.constData(), 0);
        return why;
    };
    // Checked once the folder has shown it takes a new file, so that a folder the user may
    // not write is told as such.
    if (replacing) {
        const QString refused = readOnlyReason(existing);
        if (!refused.isEmpty())
            return abandon(refused);
    }
    removeStaleTemporaries(folder.fd);

    // The temporary is made readable by its owner only; a report is an ordinary document,
    // and a file replaced keeps its group and its permissions.
    mode_t mode = 0666;
    if (replacing) {
        mode = existing.st_mode & 07777;
        // A group the user is not in cannot be given: the file then gets the user's own.
        if (::fchown(temporary.file.fd, uid_t(-1), existing.st_gid) != 0 && errno != EPERM)
            return abandon(failure());
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(temporary.file.fd, mode) != 0)
        return abandon(failure());

    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(temporary.file.fd, data, size_t(left));
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
    if (::fsync(temporary.file.fd) != 0)
        return abandon(failure());
    struct stat written {};
    if (::fstat(temporary.file.fd, &written) != 0)
        return abandon(failure());
    if (qint64(written.st_size) != bytes.size())
        return abandon(QStringLiteral("Il file scritto non ha la lunghezza attesa (%1 byte "
                                      "invece di %2)")
                           .arg(qint64(written.st_size))
                           .arg(bytes.size()));
    if (temporary.name.isEmpty()) {
        if (const int error = nameTemporary(folder.fd, fileName, temporary))
            return abandon(reason(error));
    }
    // Closing is the last chance for a network or full file system to report a lost write.
    // A second descriptor keeps the lock until the rename, so that no other save takes the
    // named temporary for one left behind.
    Descriptor lock;
    lock.fd = ::dup(temporary.file.fd);
    if (temporary.file.release() != 0)
        return abandon(failure());
    if (::renameat(folder.fd, temporary.name.constData(), folder.fd, fileName.constData()) != 0)
        return abandon(failure());
    // The rename itself is kept on disk with the folder.
    ::fsync(folder.fd);
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
