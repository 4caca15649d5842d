#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Outcome {
    int status = -1;
    QByteArray out;
    QString err;
};

// The program beside the test, run as from a shell.
Outcome tremora(const QStringList& arguments) {
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tremora"), arguments);
    Outcome o;
    if (!process.waitForFinished(30000))
        return o;
    o.status = process.exitCode();
    o.out = process.readAllStandardOutput();
    o.err = QString::fromUtf8(process.readAllStandardError());
    return o;
}

QString school() {
    return QFINDTESTDATA("../data/relazione/scuola.tremora");
}

} // namespace

class TestBatch : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

  private slots:
    // The quantities of the school worked by hand in the core test: T = 1,25 / sqrt(10),
    // sum(F) = 0,1008 * 409,9, delta_r = 0,5 + 6 * sqrt(1,6); with their units.
    void risultati_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("unit");
        QTest::newRow("T") << "scuola"
                           << "periodo.T" << 0.39528470752 << "s";
        QTest::newRow("C") << "scuola"
                           << "sismica.C" << 0.07 << "";
        QTest::newRow("W2 = 100 + 0,33 * 30") << "scuola"
                                              << "piani.2.W" << 109.9 << "t";
        QTest::newRow("F1") << "scuola"
                            << "piani.1.F" << 5.62631556 << "t";
        QTest::newRow("M1") << "scuola"
                            << "piani.1.M" << 225.62931978 << "t·m";
        QTest::newRow("Fv1 = 2 * 0,07 * 120") << "scuola"
                                              << "piani.1.Fv" << 16.8 << "t";
        QTest::newRow("base shear") << "scuola"
                                    << "base.V" << 41.31792 << "t";
        QTest::newRow("C R e b I sum(W)") << "scuola"
                                          << "base.CRebIW" << 41.31792 << "t";
        QTest::newRow("delta r") << "scuola"
                                 << "spostamenti.dr" << 8.08946638 << "cm";
        // The same school on the site of the NTC 2018 help (ag 0,25, F0 2,4, Tc* 0,30, subsoil
        // C, T1): SS = 1,70 - 0,60 * 2,4 * 0,25 = 1,34, TC = 1,05 * 0,30^-0,33 * 0,30 = 0,469 s,
        // so T1 = T = 0,395 s is on the plateau, Sd = 0,25 * 1,34 * 2,4 = 0,804; four storeys
        // below 2 TC give lambda 0,85 and Fh = 0,804 * 409,9 * 0,85.
        QTest::newRow("NTC SS") << "scuola-ntc"
                                << "ntc.SS" << 1.34 << "";
        QTest::newRow("NTC Sd(T1) on the plateau") << "scuola-ntc"
                                                   << "ntc.Sd" << 0.804 << "g";
        QTest::newRow("NTC lambda") << "scuola-ntc"
                                    << "ntc.lambda" << 0.85 << "";
        QTest::newRow("NTC Fh") << "scuola-ntc"
                                << "ntc.Fh" << 280.12566 << "t";
    }

    void risultati() {
        QFETCH(QString, file);
        QFETCH(QString, key);
        QFETCH(double, value);
        QFETCH(QString, unit);
        const Outcome o = tremora({QStringLiteral("--risultati"),
                                   QFINDTESTDATA("../data/relazione/" + file + ".tremora")});
        QCOMPARE(o.status, 0);
        const QJsonObject root = QJsonDocument::fromJson(o.out).object();
        QCOMPARE(root.value("formato").toString(), QStringLiteral("tremora-risultati"));
        int found = 0;
        for (const QJsonValue& q : root.value("grandezze").toArray()) {
            if (q.toObject().value("chiave").toString() != key)
                continue;
            ++found;
            QVERIFY(std::abs(q.toObject().value("valore").toDouble() - value) < 1e-5);
            QCOMPARE(q.toObject().value("unita").toString(), unit);
        }
        QCOMPARE(found, 1);
    }

    // 0 with the file written; 2 and the reason in Italian for what cannot be done.
    void exitStatus_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");    // the start of standard error
        QTest::addColumn<QByteArray>("written"); // the start of the file written
        const QString out = dir.filePath(QStringLiteral("uscita"));
        QTest::newRow("PDF") << QStringList{"--relazione", school(), "-o", out + ".pdf"} << 0 << ""
                             << QByteArray("%PDF");
        QTest::newRow("ODT") << QStringList{"--relazione", school(), "-o", out + ".odt"} << 0 << ""
                             << QByteArray("PK");
        QTest::newRow("no such file")
            << QStringList{"--risultati", dir.filePath("manca.tremora")} << 2
            << "tremora: impossibile leggere i dati dell'edificio da «" << QByteArray();
        QTest::newRow("not building data")
            << QStringList{"--relazione", QFINDTESTDATA("tst_batch.cpp"), "-o", out + ".pdf"} << 2
            << "tremora: impossibile leggere i dati dell'edificio da «" << QByteArray();
        QTest::newRow("no output")
            << QStringList{"--relazione", school()} << 2
            << "tremora: --relazione richiede il file da scrivere" << QByteArray();
        QTest::newRow("output neither PDF nor ODT")
            << QStringList{"--relazione", school(), "-o", out + ".txt"} << 2
            << "tremora: la relazione si scrive in un file .pdf o .odt" << QByteArray();
    }
    void exitStatus() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QFETCH(QByteArray, written);
        const QString output = arguments.value(arguments.indexOf("-o") + 1);
        QFile::remove(output);
        const Outcome o = tremora(arguments);
        QTEST(o.status, "status");
        // The reason is the last line: Qt may warn before it about the environment.
        const QStringList lines = o.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (!message.isEmpty())
            QVERIFY2(!lines.isEmpty() && lines.last().startsWith(message), qPrintable(o.err));
        if (!written.isEmpty()) {
            QFile file(output);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.read(written.size()) == written);
        } else if (arguments.contains("-o")) {
            QVERIFY(!QFile::exists(output));
        }
    }

    void helpNamesTheBatchCommands() {
        const Outcome o = tremora({QStringLiteral("--help")});
        QCOMPARE(o.status, 0);
        QVERIFY(o.out.contains("--relazione FILE.tremora -o USCITA.pdf|USCITA.odt"));
        QVERIFY(o.out.contains("--risultati FILE.tremora"));
    }
};

QTEST_GUILESS_MAIN(TestBatch)
#include "tst_batch.moc"
