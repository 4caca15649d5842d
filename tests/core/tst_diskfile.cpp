#include "core/diskfile.h"
#include "diskfiles.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct stat statOf(const QString& path) {
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

QString linkTarget(const QString& path) {
    char target[4096];
    const ssize_t n = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
    return n < 0 ? QString() : QFile::decodeName(QByteArray(target, int(n)));
}

// The folder's files as name -> bytes, or "-> target" for a link: what a save may change.
QMap<QString, QByteArray> contents(const QString& folder) {
    QMap<QString, QByteArray> found;
    for (const QString& name : entries(folder)) {
        const QString path = folder + QLatin1Char('/') + name;
        found.insert(name, S_ISLNK(statOf(path).st_mode)
                               ? "-> " + QFile::encodeName(linkTarget(path))
                               : readAll(path));
    }
    return found;
}

// The user nobody owns what is "someone else's".
constexpr uid_t nobody = 65534;

} // namespace

class TestDiskFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    int folders = 0;

    // A new empty folder for each case.
    QString folder() {
        const QString made = dir.filePath(QString::number(++folders));
        QDir().mkpath(made);
        return made;
    }

  private slots:
    // A file the user may not write is not replaced, whoever runs the program (root may
    // write any file): the reason says so and nothing in the folder changes, not its
    // owner, not its mode. Links in a circle lead to no file and are refused.
    void filesThatAreNotReplaced_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("reason");
        QTest::newRow("mode 0444") << "file 0444"
                                   << "dati.txt"
                                   << "Il file è di sola lettura";
        QTest::newRow("mode 0555, executable") << "file 0555"
                                               << "dati.txt"
                                               << "Il file è di sola lettura";
        QTest::newRow("0444 through a link") << "file 0444, link"
                                             << "collegamento.txt"
                                             << "Il file è di sola lettura";
        QTest::newRow("another user's, 0666")
            << "file 0666 nobody"
            << "dati.txt"
            << "Il file è di sola lettura: appartiene a un altro utente";
        QTest::newRow("link to itself")
            << "loop 1"
            << "collegamento.txt"
            << "Il collegamento simbolico forma un ciclo e non porta a nessun file";
        QTest::newRow("two links to each other")
            << "loop 2"
            << "collegamento.txt"
            << "Il collegamento simbolico forma un ciclo e non porta a nessun file";
    }
    void filesThatAreNotReplaced() {
        QFETCH(QString, setup);
        QFETCH(QString, saved);
        QFETCH(QString, reason);
        const QString here = folder();
        const QString file = here + QStringLiteral("/dati.txt");
        const QString link = here + QStringLiteral("/collegamento.txt");
        if (setup.startsWith(QLatin1String("file"))) {
            QVERIFY(writeAll(file, "vecchio"));
            const mode_t mode = mode_t(setup.mid(5, 4).toInt(nullptr, 8));
            QCOMPARE(::chmod(QFile::encodeName(file).constData(), mode), 0);
            if (setup.endsWith(QLatin1String("nobody")) &&
                ::chown(QFile::encodeName(file).constData(), nobody, nobody) != 0)
                QSKIP("giving a file to another user needs root");
            if (setup.endsWith(QLatin1String("link")))
                QVERIFY(QFile::link(QStringLiteral("dati.txt"), link));
        } else {
            const QString other = here + QStringLiteral("/altro.txt");
            const bool loop2 = setup == QLatin1String("loop 2");
            QVERIFY(QFile::link(
                loop2 ? QStringLiteral("altro.txt") : QStringLiteral("collegamento.txt"), link));
            if (loop2)
                QVERIFY(QFile::link(QStringLiteral("collegamento.txt"), other));
        }
        const auto before = contents(here);
        const struct stat was = statOf(file);

        QCOMPARE(diskfile::write(here + QLatin1Char('/') + saved, "nuovo"), reason);
        QCOMPARE(contents(here), before);
        const struct stat now = statOf(file);
        QCOMPARE(now.st_ino, was.st_ino);
        QCOMPARE(now.st_uid, was.st_uid);
        QCOMPARE(now.st_mode, was.st_mode);
    }

    // A file that is replaced keeps its mode and its group; a link keeps pointing where it
    // did and the file it names gets the bytes, also when that file is new, in another
    // folder or behind a chain of links.
    void savesThatKeepLinksModeAndGroup_data() {
        QTest::addColumn<QStringList>("links"); // name=target, made in this order
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("written"); // the file that gets the bytes
        QTest::addColumn<int>("mode");        // of the old file, 0 for none
        QTest::newRow("plain file 0640, group nobody") << QStringList() << "dati.txt"
                                                       << "dati.txt" << 0640;
        QTest::newRow("plain file 0600") << QStringList() << "dati.txt"
                                         << "dati.txt" << 0600;
        QTest::newRow("link to a file")
            << QStringList{"collegamento.txt=dati.txt"} << "collegamento.txt"
            << "dati.txt" << 0644;
        QTest::newRow("link to a file not there yet")
            << QStringList{"collegamento.txt=dati.txt"} << "collegamento.txt"
            << "dati.txt" << 0;
        QTest::newRow("link into a folder beside, not there yet")
            << QStringList{"collegamento.txt=sotto/dati.txt"} << "collegamento.txt"
            << "sotto/dati.txt" << 0;
        QTest::newRow("chain of two links, the last absolute")
            << QStringList{"primo=secondo", "secondo=/ASSOLUTO/dati.txt"} << "primo"
            << "dati.txt" << 0600;
    }
    void savesThatKeepLinksModeAndGroup() {
        QFETCH(QStringList, links);
        QFETCH(QString, saved);
        QFETCH(QString, written);
        QFETCH(int, mode);
        const QString here = folder();
        QDir().mkpath(here + QStringLiteral("/sotto"));
        const QString target = here + QLatin1Char('/') + written;
        if (mode) {
            QVERIFY(writeAll(target, "vecchio"));
            QCOMPARE(::chmod(QFile::encodeName(target).constData(), mode_t(mode)), 0);
            if (::geteuid() == 0)
                QCOMPARE(::chown(QFile::encodeName(target).constData(), 0, nobody), 0);
        }
        for (const QString& link : links) {
            const QStringList parts = link.split(QLatin1Char('='));
            QString to = parts[1];
            to.replace(QStringLiteral("/ASSOLUTO"), here);
            QVERIFY(QFile::link(to, here + QLatin1Char('/') + parts[0]));
        }
        const struct stat was = statOf(target);
        const QStringList before = entries(here);

        QCOMPARE(diskfile::write(here + QLatin1Char('/') + saved, "nuovo"), QString());
        QCOMPARE(readAll(target), QByteArray("nuovo"));
        for (const QString& link : links)
            QVERIFY2(
                S_ISLNK(
                    statOf(here + QLatin1Char('/') + link.section(QLatin1Char('='), 0, 0)).st_mode),
                qPrintable(link));
        const struct stat now = statOf(target);
        QVERIFY(S_ISREG(now.st_mode));
        if (mode) {
            QCOMPARE(now.st_mode, was.st_mode);
            QCOMPARE(now.st_gid, was.st_gid);
            QCOMPARE(now.st_uid, was.st_uid);
            QCOMPARE(entries(here), before);
        }
    }

    // Names up to the system's limit of 255 bytes save, new or replacing, in ASCII and in
    // letters of two bytes; a longer one is refused with its reason.
    void longNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("255 ASCII") << QString(251, QLatin1Char('r')) + ".txt" << QString();
        QTest::newRow("255 bytes, accented")
            << QString(125, QChar(0xE0)) + "a.txt" << QString(); // 250 + 5
        QTest::newRow("256 ASCII") << QString(252, QLatin1Char('r')) + ".txt"
                                   << "Nome del file troppo lungo";
    }
    void longNames() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        const QString here = folder();
        const QString file = here + QLatin1Char('/') + name;
        QCOMPARE(diskfile::write(file, "primo"), reason);
        QCOMPARE(diskfile::write(file, "secondo"), reason);
        QCOMPARE(entries(here), reason.isEmpty() ? QStringList{name} : QStringList());
        if (reason.isEmpty())
            QCOMPARE(readAll(file), QByteArray("secondo"));
    }

    // A save killed at any moment (kill -9) leaves the old file or the new one, whole.
    // Nothing partial stays beside it: at most a whole copy under a temporary name, when
    // the kill fell between naming the new file and renaming it, which the next save
    // removes.
    void killedSaveLeavesOneWholeFile() {
        const QString here = folder();
        const QString file = here + QStringLiteral("/relazione.txt");
        const QByteArray old(256 * 1024, 'v');
        const QByteArray next(8 * 1024 * 1024, 'n');
        QVERIFY(diskfile::write(file, old).isEmpty());
        QElapsedTimer timer;
        timer.start();
        QVERIFY(diskfile::write(file, next).isEmpty());
        const qint64 saveUs = qMax<qint64>(timer.nsecsElapsed() / 1000, 1000);
        for (int round = 0; round < 20; ++round) {
            QVERIFY(diskfile::write(file, old).isEmpty());
            QCOMPARE(entries(here), QStringList{QStringLiteral("relazione.txt")});
            const pid_t child = ::fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                for (;;)
                    diskfile::write(file, next);
            }
            ::usleep(useconds_t(QRandomGenerator::global()->bounded(2 * saveUs)));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            const QByteArray now = readAll(file);
            QVERIFY2(now == old || now == next, qPrintable(QString::number(now.size())));
            for (const QString& name : entries(here))
                QVERIFY2(name == QLatin1String("relazione.txt") ||
                             readAll(here + QLatin1Char('/') + name) == next,
                         qPrintable(name));
        }
        QVERIFY(diskfile::write(file, old).isEmpty());
        QCOMPARE(entries(here), QStringList{QStringLiteral("relazione.txt")});
    }

    // What a save killed half-way left under this program's pattern goes at the next save
    // in that folder; a temporary still held by a save, and other names, stay.
    void staleTemporariesRemoved() {
        const QString here = folder();
        const QStringList stale{".dati.txt.tremora-Ab3xYz", ".altro.txt.tremora-000000"};
        const QStringList kept{".dati.txt.tremora-HELD00", ".dati.txt.AbCdEf",
                               "dati.txt.tremora-Ab3xYz", ".dati.txt.tremora-Ab3x"};
        for (const QString& name : stale + kept)
            QVERIFY(writeAll(here + QLatin1Char('/') + name, "resto"));
        // A save in progress holds its temporary locked.
        const int held = ::open(QFile::encodeName(here + QLatin1Char('/') + kept[0]).constData(),
                                O_RDONLY | O_CLOEXEC);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);

        QCOMPARE(diskfile::write(here + QStringLiteral("/dati.txt"), "nuovo"), QString());
        ::close(held);
        QStringList expected = kept;
        expected << QStringLiteral("dati.txt");
        expected.sort();
        QStringList found = entries(here);
        found.sort();
        QCOMPARE(found, expected);
    }
};

QTEST_APPLESS_MAIN(TestDiskFile)
#include "tst_diskfile.moc"
