#include "fixture.h"
#include "shell/reportdocument.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QToolButton>

// The composers against stand-in calculation windows: each control shows "<code>.<name>",
// so the composer's choice of section set shows in the text it writes.
namespace {

QDialog* standIn(QWidget* parent, const QString& code, int labels = 30) {
    auto* window = new QDialog(parent);
    QStringList names{"text2"};
    for (int i = 1; i <= labels; ++i)
        names << QStringLiteral("Label%1").arg(i);
    for (int i = 1; i <= 7; ++i)
        names << QStringLiteral("Text%1").arg(i);
    for (const QString& name : names) {
        auto* l = new QLabel(code + QLatin1Char('.') + name, window);
        l->setObjectName(name);
    }
    return window;
}

void useStandIns(Fixture& f) {
    const QList<QPair<QString, QString>> windows{
        {"forzeorizzontali", "fo"}, {"forzeverticali", "fv"},   {"Sollecitazioni", "ds"},
        {"verifiche", "vs"},        {"analisidinamica1", "dm"}, {"azioniorizzontali", "ao"},
        {"azioniverticali", "av"},  {"analisidinamica2", "dn"},
    };
    for (const auto& w : windows) {
        const QString code = w.second;
        f.forms().registerWindow(
            w.first, [code](AppContext&, QWidget* parent) { return standIn(parent, code); });
    }
}

QCheckBox* box(Fixture& f, const char* name, const char* window = "componirelazione") {
    return f.control<QCheckBox>(window, name);
}

const QString mine = QStringLiteral("testo scritto a mano");

} // namespace

class TestComponiRelazione : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheStaticGroup() {
        Fixture f;
        f.menu("mnuedmuritem");
        QCOMPARE(f.prompts.modalRuns, QStringList{"componirelazione"});
        QVERIFY(f.shown("componirelazione"));
        QCOMPARE(f.window("componirelazione")->windowTitle(),
                 QStringLiteral("Componi Relazione - Edifici in muratura"));
        QVERIFY(f.main().indicator(11));
        QCOMPARE(f.main().hint(), QStringLiteral("Consente di personalizzare la relazione statica "
                                                 "o dinamica per gli edifici in muratura"));
        QVERIFY(f.control<QRadioButton>("componirelazione", "Option1")->isChecked());
        QVERIFY(!f.control<QRadioButton>("componirelazione", "Option2")->isChecked());
        for (const char* name : {"Check1", "Check2", "Check3", "Check4"}) {
            QVERIFY(!box(f, name)->isHidden());
            QVERIFY(!box(f, name)->isChecked());
        }
        QVERIFY(!f.control<QLabel>("componirelazione", "Label1")->isHidden());
        for (const char* name : {"Checkd1", "Checkd2", "Checkd3"}) {
            QVERIFY(box(f, name)->isHidden());
            QVERIFY(!box(f, name)->isChecked());
        }
        QVERIFY(f.control<QLabel>("componirelazione", "Labeld")->isHidden());
        QCOMPARE(box(f, "Check3")->text(), QStringLiteral("Spostamenti "));
        // "Analisi Statica" comes first in the tab order.
        QWidget* first = f.window("componirelazione")->nextInFocusChain();
        while (first->focusPolicy() == Qt::NoFocus)
            first = first->nextInFocusChain();
        QCOMPARE(first->objectName(), QStringLiteral("Option1"));
        QCOMPARE(box(f, "Checkd2")->text(), QStringLiteral("Spostamenti "));

        // Switching the analysis swaps the groups and keeps their ticks.
        box(f, "Check2")->setChecked(true);
        f.click("componirelazione", "Option2");
        QVERIFY(box(f, "Check2")->isHidden());
        QVERIFY(!box(f, "Checkd1")->isHidden());
        QVERIFY(!f.control<QLabel>("componirelazione", "Labeld")->isHidden());
        QVERIFY(f.control<QLabel>("componirelazione", "Label1")->isHidden());
        f.click("componirelazione", "Option1");
        QVERIFY(box(f, "Check2")->isChecked());
        QVERIFY(box(f, "Checkd1")->isHidden());

        // The framed composer, from the toolbar button.
        f.window("componirelazione")->close();
        auto* button = f.main().findChild<QToolButton*>(QStringLiteral("componiint"));
        QVERIFY(button && button->defaultAction()->isEnabled());
        button->defaultAction()->trigger();
        QVERIFY(f.shown("componirelazione1"));
        QCOMPARE(f.window("componirelazione1")->windowTitle(),
                 QStringLiteral("Componi Relazione - Edifici intelaiati"));
        QCOMPARE(f.main().hint(), QStringLiteral("Consente di personalizzare la relazione statica "
                                                 "o dinamica per gli edifici intelaiati"));
        QVERIFY(f.control<QRadioButton>("componirelazione1", "Option1")->isChecked());
    }

    void checkBoxesShowWholeOnTheirBackdrops() {
        Fixture f;
        f.menu("mnuedmuritem");
        QDialog* w = f.window("componirelazione");
        auto wholeOn = [&](const char* backdrop, std::initializer_list<const char*> names) {
            auto* label = f.control<QLabel>("componirelazione", backdrop);
            QCoreApplication::processEvents();
            for (const char* name : names) {
                QCheckBox* b = box(f, name);
                QVERIFY2(b->height() >= b->sizeHint().height(), name);
                QVERIFY2(label->rect().contains(b->geometry()), name);
            }
        };
        w->adjustSize();
        wholeOn("Label1", {"Check1", "Check2", "Check3", "Check4"});
        f.click("componirelazione", "Option2");
        w->adjustSize();
        wholeOn("Labeld", {"Checkd1", "Checkd2", "Checkd3"});
    }

    void writesTheTickedSectionsAndCloses() {
        Fixture f;
        useStandIns(f);
        f.main().setReportText(mine);
        f.menu("mnuedmuritem");
        box(f, "Check4")->setChecked(true);
        box(f, "Check2")->setChecked(true);
        f.main().setTimerEnabled(true);
        f.click("componirelazione", "Command2");
        const QString text = f.main().reportText();
        QVERIFY(!text.contains(mine));
        QVERIFY(text.contains(QStringLiteral("RELAZIONE ANALISI STATICA")));
        QVERIFY(text.contains(QStringLiteral("    fv.Label7 fv.Label4")));
        QVERIFY(text.contains(QStringLiteral("    vs.Label6 vs.Label7 tonn")));
        QVERIFY(!text.contains(QStringLiteral("fo.")));
        QVERIFY(!text.contains(QStringLiteral("ds.")));
        QVERIFY(f.main().document().isModified());
        QVERIFY(!f.main().indicator(11));
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(!f.main().timerEnabled());
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("componirelazione"));
        // The windows read are loaded hidden; the others were never touched.
        QVERIFY(f.forms().isLoaded("verifiche") && !f.shown("verifiche"));
        QVERIFY(!f.forms().isLoaded("forzeorizzontali"));

        // Opened again, it starts afresh.
        f.menu("mnuedmuritem");
        QVERIFY(f.control<QRadioButton>("componirelazione", "Option1")->isChecked());
        QVERIFY(!box(f, "Check2")->isChecked());
        QVERIFY(!box(f, "Check4")->isChecked());

        // A second report replaces the first entirely.
        f.click("componirelazione", "Option2");
        box(f, "Checkd3")->setChecked(true);
        f.click("componirelazione", "Command2");
        QVERIFY(f.main().reportText().startsWith(
            QStringLiteral("\r\n                      RELAZIONE ANALISI DINAMICA\r\n\r\n"
                           "        VERIFICHE SISMICHE\r\n")));
        QCOMPARE(f.main().reportText().count(QStringLiteral("RELAZIONE")), 1);
    }

    void framedComposerUsesFramedLayout() {
        Fixture f;
        useStandIns(f);
        f.menu("mnueintitem");
        box(f, "Check1", "componirelazione1")->setChecked(true);
        box(f, "Check2", "componirelazione1")->setChecked(true);
        f.click("componirelazione1", "Command2");
        const QString text = f.main().reportText();
        QVERIFY(text.startsWith(
            QStringLiteral("\r\n    ao.Label1\r\n\r\n    ao.Label2 ao.Text1 sec\r\n")));
        QVERIFY(text.endsWith(QStringLiteral("    av.Label5 av.Label6 tonn")));
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("componirelazione1"));
        QVERIFY(!f.main().indicator(11));
    }

    void nothingMatchingWritesNothing() {
        Fixture f;
        useStandIns(f);
        f.main().setReportText(mine);
        f.menu("mnuedmuritem");
        auto check = [&](const char* what) {
            f.main().setIndicator(11, true);
            f.main().setHint(QStringLiteral("suggerimento"));
            f.main().setTimerEnabled(true);
            f.click("componirelazione", "Command2");
            QVERIFY2(f.main().reportText() == mine, what);
            QVERIFY2(f.shown("componirelazione"), what);
            // The status is reset even though the window stays open.
            QVERIFY2(!f.main().indicator(11), what);
            QVERIFY2(f.main().hint().isEmpty(), what);
            QVERIFY2(!f.main().timerEnabled(), what);
        };
        check("nothing ticked");

        // Static ticks count for nothing in the dynamic report.
        box(f, "Check2")->setChecked(true);
        box(f, "Check4")->setChecked(true);
        f.click("componirelazione", "Option2");
        check("only hidden static ticks");

        // Neither analysis chosen: whatever is ticked, nothing is written.
        box(f, "Checkd1")->setChecked(true);
        for (const char* name : {"Option1", "Option2"}) {
            auto* option = f.control<QRadioButton>("componirelazione", name);
            option->setAutoExclusive(false);
            option->setChecked(false);
        }
        check("no analysis");
        QVERIFY(f.forms().isLoaded("componirelazione"));
        QVERIFY(!f.forms().isLoaded("analisidinamica1"));
        QVERIFY(!f.forms().isLoaded("forzeverticali"));
    }

    void exitKeepsTicksAndCloseBoxDoesNot() {
        Fixture f;
        f.menu("mnueintitem");
        f.click("componirelazione1", "Option2");
        box(f, "Checkd2", "componirelazione1")->setChecked(true);
        f.main().setTimerEnabled(true);
        f.click("componirelazione1", "Command1");
        QVERIFY(!f.shown("componirelazione1"));
        QVERIFY(f.forms().isLoaded("componirelazione1"));
        QVERIFY(!f.main().indicator(11));
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(!f.main().timerEnabled());
        QVERIFY(f.main().reportText().isEmpty());

        f.menu("mnueintitem");
        QVERIFY(f.control<QRadioButton>("componirelazione1", "Option2")->isChecked());
        QVERIFY(box(f, "Checkd2", "componirelazione1")->isChecked());
        QVERIFY(!box(f, "Checkd2", "componirelazione1")->isHidden());

        f.window("componirelazione1")->close();
        Fixture::settle();
        QVERIFY(!f.forms().isLoaded("componirelazione1"));
        QVERIFY(!f.main().indicator(11));
        QVERIFY(f.main().hint().isEmpty());
        f.menu("mnueintitem");
        QVERIFY(f.control<QRadioButton>("componirelazione1", "Option1")->isChecked());
        QVERIFY(!box(f, "Checkd2", "componirelazione1")->isChecked());
    }

    void helpButtonOpensComposerTopic() {
        Fixture f;
        f.menu("mnuedmuritem");
        f.click("componirelazione", "Command3");
        QCOMPARE(f.help.requests.size(), size_t(1));
        QCOMPARE(f.help.requests[0].what, QStringLiteral("topic"));
        QCOMPARE(f.help.requests[0].window, QStringLiteral("componi relazione"));
        QCOMPARE(f.help.requests[0].context, 1060);
        QCOMPARE(f.help.requests[0].owner, QStringLiteral("componirelazione"));
    }

    void unreadableWindowLeavesEditorAlone() {
        Fixture f;
        useStandIns(f);
        // A displacements window without the controls the report needs.
        f.forms().registerWindow(
            QStringLiteral("Sollecitazioni"),
            [](AppContext&, QWidget* parent) { return standIn(parent, QStringLiteral("ds"), 5); });
        f.main().setReportText(mine);
        f.menu("mnuedmuritem");
        box(f, "Check1")->setChecked(true);
        box(f, "Check3")->setChecked(true);
        f.click("componirelazione", "Command2");
        QCOMPARE(f.main().reportText(), mine);
        QVERIFY(f.shown("componirelazione"));
        QVERIFY(!f.main().indicator(11));
        QVERIFY(f.main().hint().isEmpty());

        // A window that cannot be made at all ends the same way, without a message.
        f.forms().registerWindow(QStringLiteral("verifiche"),
                                 [](AppContext&, QWidget*) -> QDialog* {
                                     throw std::runtime_error("finestra non disponibile");
                                 });
        f.main().setIndicator(11, true);
        f.main().setHint(QStringLiteral("suggerimento"));
        f.main().setTimerEnabled(true);
        box(f, "Check3")->setChecked(false);
        box(f, "Check4")->setChecked(true);
        f.click("componirelazione", "Command2");
        QCOMPARE(f.main().reportText(), mine);
        QVERIFY(f.shown("componirelazione"));
        QVERIFY(!f.main().indicator(11));
        QVERIFY(f.main().hint().isEmpty());
        QVERIFY(!f.main().timerEnabled());
        QVERIFY(f.prompts.messages().empty());
    }

    void savedReportKeepsItsBytes() {
        Fixture f;
        useStandIns(f);
        f.forms()
            .get(QStringLiteral("verifiche"))
            ->findChild<QLabel*>(QStringLiteral("Label7"))
            ->setText(QString::fromUtf8("12,5 (città)"));
        f.menu("mnuedmuritem");
        f.click("componirelazione", "Option2");
        box(f, "Checkd3")->setChecked(true);
        f.click("componirelazione", "Command2");

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("relazione.txt"));
        QVERIFY(f.main().document().writeTo(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("\r\n                      RELAZIONE ANALISI DINAMICA\r\n"
                            "\r\n        VERIFICHE SISMICHE\r\n\r\n"
                            "    vs.Label2 vs.Text1 tonn\r\n\r\n"
                            "    vs.Label3 vs.Text3 tonn\r\n\r\n"
                            "    vs.Label4 vs.Label5 tonn\r\n\r\n"
                            "    vs.Label1 vs.text2 tonn\r\n\r\n"
                            "    vs.Label6 12,5 (citt\xe0) tonn"));
    }
};

QTEST_MAIN(TestComponiRelazione)
#include "tst_componirelazione.moc"
