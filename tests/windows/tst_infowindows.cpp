#include "fixture.h"
#include "shell/maker.h"

#include <QToolButton>

class TestInfoWindows : public QObject {
    Q_OBJECT
  private slots:
    void aboutShowsBannerAgainAndClosesQuietly() {
        Fixture f;
        // Another menu command hides the banner and writes its hint.
        f.menu("mnuguidaItem");
        QVERIFY(!f.main().bannerVisible());
        const QString helpHint = f.main().hint();
        QVERIFY(!helpHint.isEmpty());

        f.menu("mnuinformazioniItem");
        QVERIFY(f.main().bannerVisible());
        QCOMPARE(f.prompts.modalRuns, QStringList{"infotremora"});
        QVERIFY(f.shown("infotremora"));
        QCOMPARE(f.main().hint(), helpHint); // the About box writes no hint of its own
        QCOMPARE(f.window("infotremora")->windowTitle(),
                 QStringLiteral("Informazioni  su Tremora"));
        QCOMPARE(f.text("infotremora", "lblTitle"), QStringLiteral("TREMORA"));
        QCOMPARE(f.text("infotremora", "Label2"), QStringLiteral("Versione 1.0"));
        QCOMPARE(f.text("infotremora", "lblDescription"),
                 QStringLiteral("Programma per l'Analisi Statica e Dinamica degli edifici "
                                "costruiti in zona sismica (D.M. 19/06/1984)"));
        QCOMPARE(f.text("infotremora", "lblDisclaimer"),
                 QStringLiteral("Per una corretta visione del programma impostare l'area dello "
                                "schermo a 800 x 600 pixel"));
        QVERIFY(f.control<QLabel>("infotremora", "picIcon"));

        f.main().setIndicator(5, true);
        QVERIFY(f.main().timerEnabled());
        f.click("infotremora", "cmdOK");
        QVERIFY(!f.forms().isLoaded("infotremora"));
        QVERIFY(!f.main().timerEnabled());
        QVERIFY(!f.main().indicator(5));
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(f.main().bannerVisible());

        // The close box takes the same way out.
        f.menu("mnuinformazioniItem");
        f.main().setTimerEnabled(true);
        f.window("infotremora")->close();
        QVERIFY(!f.forms().isLoaded("infotremora"));
        QVERIFY(!f.main().timerEnabled());
    }

    void contactWindowFromMenuAndToolbar() {
        Fixture f;
        f.menu("mnulithvaneitem");
        QVERIFY(!f.main().bannerVisible());
        QVERIFY(f.main().indicator(6));
        QCOMPARE(f.main().hint(),
                 QStringLiteral("Autore del programma e indirizzo internet di Corvesta"));
        QCOMPARE(f.prompts.modalRuns, QStringList{"lithvane"});
        QCOMPARE(f.window("lithvane")->windowTitle(), QStringLiteral("Corvesta nel web"));
        QCOMPARE(f.text("lithvane", "Label3"),
                 QStringLiteral("Visita il nostro sito all'indirizzo:\r\n") + maker::web);
        QCOMPARE(f.text("lithvane", "Command1"), QStringLiteral("OK"));
        QVERIFY(f.text("lithvane", "Label1").contains(maker::brand));

        QVERIFY(f.main().timerEnabled());
        f.window("lithvane")->close();
        QVERIFY(!f.forms().isLoaded("lithvane"));
        QVERIFY(!f.main().indicator(6));
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(!f.main().timerEnabled());

        auto* contact = f.main().findChild<QToolButton*>(QStringLiteral("contattaci"));
        QVERIFY(contact);
        f.main().setTimerEnabled(true);
        contact->click();
        QVERIFY(f.main().indicator(6));
        QVERIFY(f.shown("lithvane"));
        f.click("lithvane", "Command1");
        QVERIFY(!f.forms().isLoaded("lithvane"));
        QVERIFY(!f.main().indicator(6));
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(!f.main().timerEnabled());
        QCOMPARE(f.prompts.modalRuns, (QStringList{"lithvane", "lithvane"}));
    }
};

QTEST_MAIN(TestInfoWindows)
#include "tst_infowindows.moc"
