#include "core/cp1252.h"

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

    // How the bytes of a file are read: the reading used, the other reading offered when
    // the bytes fit both, and whether a byte-order mark turned out to be broken.
    void readsFilesOfOtherEditors() {
        using textfile::Encoding;
        const QString accented = QStringLiteral("perché città");
        const QString none = QStringLiteral("<none>");
        struct Case {
            const char* name;
            QByteArray bytes;
            QString text;
            Encoding encoding;
            QString alternative;
            bool brokenMark;
        } cases[] = {
            {"ascii", "Fh = 12,5\r\n", QStringLiteral("Fh = 12,5\r\n"), Encoding::Cp1252, none,
             false},
            {"code page", "perch\xE9 citt\xE0", accented, Encoding::Cp1252, none, false},
            // Valid UTF-8 without a mark may just as well be the code page: both are offered,
            // the code page first since it keeps the bytes.
            {"utf-8 without mark", accented.toUtf8(), QStringLiteral("perchÃ© cittÃ\u00A0"),
             Encoding::Cp1252, accented, false},
            {"code page that looks like utf-8", "PERCH\xC9\x85", QStringLiteral("PERCHÉ\u2026"),
             Encoding::Cp1252, QStringLiteral("PERCH\u0245"), false},
            {"utf-8 with mark", "\xEF\xBB\xBF" + accented.toUtf8(), accented, Encoding::Utf8, none,
             false},
            // A mark character after the file's mark is text.
            {"two marks", "\xEF\xBB\xBF\xEF\xBB\xBFok", QStringLiteral("\uFEFFok"), Encoding::Utf8,
             none, false},
            {"ascii with mark", "\xEF\xBB\xBFok", QStringLiteral("ok"), Encoding::Utf8, none,
             false},
            {"mark, then not utf-8", "\xEF\xBB\xBFperch\xE9", QStringLiteral("ï»¿perché"),
             Encoding::Cp1252, none, true},
            // A lone lead byte is not UTF-8: the whole file is read as the code page.
            {"broken utf-8", accented.toUtf8() + "\xC3", QStringLiteral("perchÃ© cittÃ\u00A0Ã"),
             Encoding::Cp1252, none, false},
            {"utf-16", QByteArray("\xFF\xFEO\0k\0", 6), QStringLiteral("Ok"), Encoding::Utf16, none,
             false},
            {"code page starting like utf-16",
             "\xFF\xFE"
             "ab",
             QStringLiteral("ÿþab"), Encoding::Cp1252, QStringLiteral("\u6261"), false},
            {"odd utf-16",
             "\xFF\xFE"
             "abc",
             QStringLiteral("ÿþabc"), Encoding::Cp1252, none, true},
        };
        for (const Case& c : cases) {
            const auto decoded = textfile::decode(c.bytes);
            QVERIFY2(decoded, c.name);
            QCOMPARE(decoded->reading.text, c.text);
            QVERIFY2(decoded->reading.encoding == c.encoding, c.name);
            QCOMPARE(decoded->alternative ? decoded->alternative->text : none, c.alternative);
            QVERIFY2(decoded->brokenMark == c.brokenMark, c.name);
        }
        QVERIFY(!textfile::decode(QByteArray("testo\0binario", 13)));
        QVERIFY(!textfile::decode(QByteArray("\xFF\xFEO\0\0\0", 6)));
        QCOMPARE(textfile::utf8WithBom(accented), "\xEF\xBB\xBF" + accented.toUtf8());
    }

    // Whatever the program writes reads back as the same text without a question: bytes that
    // another reading would claim go out as UTF-8 with its mark.
    void writesOnlyWhatReadsBack() {
        using textfile::Encoding;
        struct Case {
            const char* name;
            QString text;
            Encoding encoding;
        } cases[] = {
            {"ascii", QStringLiteral("Fh = 12,5\r\n"), Encoding::Cp1252},
            {"italian", QStringLiteral("perché città \u20AC"), Encoding::Cp1252},
            {"looks like utf-8", QStringLiteral("PERCHÉ\u2026"), Encoding::Utf8},
            {"mojibake", QStringLiteral("Ã¨"), Encoding::Utf8},
            {"utf-8 mark", QStringLiteral("ï»¿testo"), Encoding::Utf8},
            {"utf-16 mark", QStringLiteral("ÿþtesto"), Encoding::Utf8},
            {"utf-16 mark, big end", QStringLiteral("þÿtesto"), Encoding::Utf8},
        };
        for (const Case& c : cases) {
            const auto encoded = textfile::encode(c.text);
            QVERIFY2(encoded, c.name);
            QVERIFY2(encoded->encoding == c.encoding, c.name);
            const auto back = textfile::decode(encoded->bytes);
            QVERIFY2(back && !back->alternative && !back->brokenMark, c.name);
            QCOMPARE(back->reading.text, c.text);
        }
        // Asked to keep the code page, the bytes stay the code page's even when ambiguous.
        QCOMPARE(textfile::encode(QStringLiteral("PERCHÉ\u2026"), true)->bytes,
                 QByteArray("PERCH\xC9\x85"));
        QVERIFY(!textfile::encode(QStringLiteral("\u03C9")));
        QCOMPARE(textfile::unsavable(QStringLiteral("a") + QChar(0) + QChar(0xD800) +
                                     QStringLiteral("\U0001F600") + QChar(0xDC00)),
                 QString(QChar(0)) + QChar(0xD800) + QChar(0xDC00));
    }
};

QTEST_GUILESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
