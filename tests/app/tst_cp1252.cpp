#include "app/cp1252.h"

#include <QtTest>

class TestCp1252 : public QObject {
    Q_OBJECT
  private slots:
    void everyByteComesBack() {
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            all.append(char(b));
        const QString text = cp1252::decode(all);
        QCOMPARE(text.size(), all.size());
        QCOMPARE(text[0x80 - 1], QChar(0x20AC));
        QCOMPARE(text[0x9F - 1], QChar(0x0178));
        QCOMPARE(text[0xDF - 1], QChar(0xDF));
        QCOMPARE(text[0xA0 - 1], QChar(0xA0));
        const auto bytes = cp1252::encode(text);
        QVERIFY(bytes);
        QCOMPARE(*bytes, all);
        QVERIFY(cp1252::unencodable(text).isEmpty());
    }

    void namesWhatTheCodePageLacks() {
        // U+0080 is a C1 control that the code page puts elsewhere (0x80 is the euro sign).
        const QString text = QStringLiteral("a\u03C9b\u20AC\u03C9\U0001F600c\u2028") + QChar(0x80);
        QVERIFY(!cp1252::encode(text));
        QCOMPARE(cp1252::unencodable(text), QStringLiteral("\u03C9\U0001F600\u2028") + QChar(0x80));
    }

    void readsFilesOfOtherEditors() {
        using textfile::Encoding;
        const QString accented = QStringLiteral("perché città");
        struct Case {
            const char* name;
            QByteArray bytes;
            QString text;
            Encoding encoding;
        } cases[] = {
            {"ascii", "Fh = 12,5\r\n", QStringLiteral("Fh = 12,5\r\n"), Encoding::Cp1252},
            {"code page", "perch\xE9 citt\xE0", accented, Encoding::Cp1252},
            {"utf-8", accented.toUtf8(), accented, Encoding::Utf8},
            {"utf-8 with mark", "\xEF\xBB\xBF" + accented.toUtf8(), accented, Encoding::Utf8},
            {"ascii with mark", "\xEF\xBB\xBFok", QStringLiteral("ok"), Encoding::Utf8},
            // A lone lead byte is not UTF-8: the whole file is read as the code page.
            {"broken utf-8", accented.toUtf8() + "\xC3", QStringLiteral("perchÃ© cittÃ\u00A0Ã"),
             Encoding::Cp1252},
            {"utf-16", QByteArray("\xFF\xFEO\0k\0", 6), QStringLiteral("Ok"), Encoding::Utf16},
        };
        for (const Case& c : cases) {
            const auto decoded = textfile::decode(c.bytes);
            QVERIFY2(decoded, c.name);
            QCOMPARE(decoded->text, c.text);
            QVERIFY2(decoded->encoding == c.encoding, c.name);
        }
        QVERIFY(!textfile::decode(QByteArray("testo\0binario", 13)));
        QVERIFY(!textfile::decode(QByteArray("\xFF\xFEO\0\0\0", 6)));
        QCOMPARE(textfile::utf8WithBom(accented), "\xEF\xBB\xBF" + accented.toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
