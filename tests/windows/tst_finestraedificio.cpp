#include "core/sharedvalues.h"
#include "fixture.h"

#include <QClipboard>
#include <QTableWidget>

// The window "Dati dell'edificio": the project's data and the storey table, W worked out or
// typed, rows pasted from a spreadsheet, written to the building only by "OK".
namespace {

const char* const D = "datiedificio";
enum Column { G, Q, S, H, W };

QTableWidget* table(Fixture& f) {
    return f.control<QTableWidget>(D, "Tabella");
}
QString at(Fixture& f, int row, int column) {
    return table(f)->item(row, column)->text();
}
// A cell as the user leaves it after typing.
void edit(Fixture& f, int row, int column, const QString& text) {
    table(f)->item(row, column)->setText(text);
}
QString message(Fixture& f) {
    return f.text(D, "Messaggio");
}
void open(Fixture& f) {
    f.menu("mnudatiedificioitem");
    QVERIFY(f.shown(D));
}
// A value as typed, or nothing for an empty text.
std::optional<building::Typed> typed(const QString& text) {
    return text.isEmpty() ? std::nullopt : building::typed(text);
}

} // namespace

class TestFinestraEdificio : public QObject {
    Q_OBJECT
  private slots:
    // W follows G, Q and s as they are typed; a W typed stays, an emptied W is worked out
    // again. What the cell shows is what "OK" keeps.
    void weightOfAStorey_data() {
        QTest::addColumn<QString>("g");
        QTest::addColumn<QString>("q");
        QTest::addColumn<QString>("s");
        QTest::addColumn<QStringList>("weights"); // typed into W in turn, after G, Q and s
        QTest::addColumn<QString>("gAfter");      // G typed again at the end, if any
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typedWeight"); // the W kept as typed, if any
        QTest::addColumn<bool>("accepted");       // "OK" closes and writes the storey
        QTest::newRow("W = 100 + 0,33 * 30") << "100"
                                             << "30"
                                             << "0,33" << QStringList() << ""
                                             << "109,9"
                                             << "" << true;
        QTest::newRow("rounded: 10 + 0,333 * 1 = 10,333") << "10"
                                                          << "1"
                                                          << "0,333" << QStringList() << ""
                                                          << "10,33"
                                                          << "" << true;
        QTest::newRow("G typed again: W follows") << "100"
                                                  << "30"
                                                  << "0,33" << QStringList() << "200"
                                                  << "209,9"
                                                  << "" << true;
        QTest::newRow("without s no W") << "100"
                                        << "30"
                                        << "" << QStringList() << ""
                                        << ""
                                        << "" << true;
        QTest::newRow("G with a dot is no number: no W, refused") << "1.5"
                                                                  << "30"
                                                                  << "0,33" << QStringList() << ""
                                                                  << ""
                                                                  << "" << false;
        QTest::newRow("typed W kept") << "100"
                                      << "30"
                                      << "0,33" << QStringList{"120"} << ""
                                      << "120"
                                      << "120" << true;
        QTest::newRow("typed W kept when G changes") << "100"
                                                     << "30"
                                                     << "0,33" << QStringList{"120"} << "200"
                                                     << "120"
                                                     << "120" << true;
        QTest::newRow("W emptied: worked out again") << "100"
                                                     << "30"
                                                     << "0,33" << QStringList{"120", ""} << ""
                                                     << "109,9"
                                                     << "" << true;
    }
    void weightOfAStorey() {
        QFETCH(QString, g);
        QFETCH(QString, q);
        QFETCH(QString, s);
        QFETCH(QStringList, weights);
        QFETCH(QString, gAfter);
        QFETCH(QString, shown);
        QFETCH(QString, typedWeight);
        QFETCH(bool, accepted);
        Fixture f;
        open(f);
        edit(f, 0, G, g);
        edit(f, 0, Q, q);
        edit(f, 0, S, s);
        for (const QString& w : weights)
            edit(f, 0, W, w);
        if (!gAfter.isEmpty())
            edit(f, 0, G, gAfter);
        QCOMPARE(at(f, 0, W), shown);
        f.click(D, "cmdOK");
        QCOMPARE(f.shown(D), !accepted);
        if (!accepted) {
            QVERIFY(f.shared().edificio.storeys.empty());
            return;
        }
        const building::Storey& storey = f.shared().edificio.storeys.at(0);
        QCOMPARE(storey.weight, typed(typedWeight));
        QCOMPARE(storey.w().has_value(), !shown.isEmpty());
    }

    // Rows copied from a spreadsheet, pasted at the current cell: either decimal mark, more
    // lines than storeys add storeys up to 30, a cell refused stays in place, marked, with
    // the storey and column named.
    void pastedRows_data() {
        QTest::addColumn<int>("storeys"); // before the paste
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("byKey"); // Ctrl+V in the table rather than "Incolla righe"
        QTest::addColumn<int>("storeysAfter");
        QTest::addColumn<QStringList>("cells"); // "row,column,text"
        QTest::addColumn<QString>("refusal");   // under the table
        QTest::addColumn<QString>("prompt");    // in a message box
        const QString notANumber = QStringLiteral(
            "\" non è un numero (i decimali vanno dopo la virgola, per esempio 0,35).");
        QTest::newRow("Italian decimals, W worked out")
            << 1 << 0 << int(G) << "100\t30\t0,33\t3,5\r\n"
            << false << 1 << QStringList{"0,0,100", "0,2,0,33", "0,3,3,5", "0,4,109,9"} << ""
            << "";
        QTest::newRow("dot decimals and grouped thousands, by Ctrl+V")
            << 1 << 0 << int(G) << "1,234.5\t20.5\t0.5" << true << 1
            << QStringList{"0,0,1234,5", "0,1,20,5", "0,4,1244,75"} << ""
            << "";
        QTest::newRow("from h on: h and a typed W, more cells dropped")
            << 2 << 1 << int(H) << "7\t150\t99" << false << 2 << QStringList{"1,3,7", "1,4,150"}
            << ""
            << "";
        QTest::newRow("an empty cell empties its place")
            << 1 << 0 << int(G) << "\t5" << false << 1 << QStringList{"0,0,", "0,1,5", "0,3,3"}
            << ""
            << "";
        QTest::newRow("three lines on one storey add two")
            << 1 << 0 << int(G) << "1\n2\n3\n"
            << false << 3 << QStringList{"2,0,3"} << ""
            << "";
        QTest::newRow("a cell that is not a number stays, marked")
            << 1 << 0 << int(G) << "100\tx\t0,33" << false << 1 << QStringList{"0,1,x", "0,4,"}
            << "1° piano, colonna Q (t): \"x" + notANumber << "";
        QTest::newRow("a negative number, in the program's notation")
            << 2 << 1 << int(G) << "-5.5" << false << 2 << QStringList{"1,0,-5,5"}
            << "2° piano, colonna G (t): il valore non può essere negativo."
            << "";
        QTest::newRow("two refused cells counted")
            << 1 << 0 << int(G) << "a\tb" << false << 1 << QStringList()
            << "1° piano, colonna G (t): \"a" + notANumber +
                   " Celle segnate in rosso da correggere: 2."
            << "";
        QTest::newRow("four lines from the 29th storey: up to the 30th")
            << 29 << 28 << int(G) << "1\n2\n3\n4\n"
            << false << 30 << QStringList{"29,0,2"} << ""
            << "Sono state incollate le righe fino al 30° piano. Un edificio può avere al "
               "massimo 30 piani.";
    }
    void pastedRows() {
        QFETCH(int, storeys);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, clipboard);
        QFETCH(bool, byKey);
        QFETCH(int, storeysAfter);
        QFETCH(QStringList, cells);
        QFETCH(QString, refusal);
        QFETCH(QString, prompt);
        Fixture f;
        open(f);
        for (int i = 1; i < storeys; ++i)
            f.click(D, "cmdAggiungiPiano");
        edit(f, 0, G, QStringLiteral("1"));
        edit(f, 0, H, QStringLiteral("3"));
        table(f)->setCurrentCell(row, column);
        QApplication::clipboard()->setText(clipboard);
        if (byKey)
            QTest::keyClick(table(f), Qt::Key_V, Qt::ControlModifier);
        else
            f.click(D, "cmdIncolla");
        QCOMPARE(table(f)->rowCount(), storeysAfter);
        QCOMPARE(table(f)->verticalHeaderItem(storeysAfter - 1)->text(),
                 QString::number(storeysAfter) + QStringLiteral("°"));
        for (const QString& cell : cells)
            QCOMPARE(at(f, cell.section(',', 0, 0).toInt(), cell.section(',', 1, 1).toInt()),
                     cell.section(',', 2));
        QCOMPARE(message(f), refusal);
        const auto boxes = f.prompts.messages();
        QCOMPARE(boxes.size(), prompt.isEmpty() ? 0u : 1u);
        if (!prompt.isEmpty())
            QCOMPARE(boxes[0].text, prompt);
        // A refused cell is told again by "OK", which keeps the window open.
        f.prompts.clear();
        f.click(D, "cmdOK");
        QCOMPARE(f.shown(D), !refusal.isEmpty());
        if (!refusal.isEmpty())
            QCOMPARE(f.prompts.lastMessage(), refusal.section(QStringLiteral(" Celle"), 0, 0));
    }

    // "Aggiungi piano" up to the 30th storey; one more is refused with a message.
    void thirtyStoreysAtMost() {
        Fixture f;
        open(f);
        for (int i = 1; i < building::maxStoreys; ++i)
            f.click(D, "cmdAggiungiPiano");
        QCOMPARE(table(f)->rowCount(), 30);
        QVERIFY(f.prompts.messages().empty());
        f.click(D, "cmdAggiungiPiano");
        QCOMPARE(table(f)->rowCount(), 30);
        QCOMPARE(f.prompts.lastMessage(),
                 QStringLiteral("Un edificio può avere al massimo 30 piani."));
    }

    // F1 and "?" give the window's own page of the guide.
    void helpOfItsOwn() {
        Fixture f;
        open(f);
        QTest::keyClick(f.window(D)->focusWidget(), Qt::Key_F1);
        f.click(D, "cmdGuida");
        QCOMPARE(f.help.requests.size(), size_t(2));
        for (const RecordedHelp::Request& r : f.help.requests) {
            QCOMPARE(r.window, QStringLiteral("dati dell'edificio"));
            QCOMPARE(r.context, 1070);
        }
    }

    // "OK" writes the project and the storeys (an empty storey on top dropped) and the window
    // shows them again; "Annulla", Esc and the close box leave the building as it was.
    void okWritesTheBuildingAnnullaDoesNot_data() {
        QTest::addColumn<QString>("way"); // a button, "Esc" or "close"
        QTest::addColumn<bool>("written");
        QTest::newRow("OK") << "cmdOK" << true;
        QTest::newRow("Annulla") << "cmdAnnulla" << false;
        QTest::newRow("Esc") << "Esc" << false;
        QTest::newRow("close box") << "close" << false;
    }
    void okWritesTheBuildingAnnullaDoesNot() {
        QFETCH(QString, way);
        QFETCH(bool, written);
        Fixture f;
        building::Building before;
        before.project.titolo = QStringLiteral("Scuola");
        before.storeys.push_back({typed("90"), typed("20"), typed("0,5"), typed("3"), {}});
        f.shared().edificio = before;
        open(f);
        QCOMPARE(at(f, 0, W), QStringLiteral("100"));
        f.type(D, "txtTitolo", QStringLiteral("Scuola media"));
        f.type(D, "txtOrdine", QStringLiteral("Ordine di Bari n. 1234"));
        edit(f, 0, W, QStringLiteral("101"));
        f.click(D, "cmdAggiungiPiano"); // left empty
        QDialog* window = f.window(D);
        if (way == QLatin1String("Esc"))
            QTest::keyClick(window, Qt::Key_Escape);
        else if (way == QLatin1String("close"))
            window->close();
        else
            f.click(D, way.toLatin1().constData());
        Fixture::settle();
        QVERIFY(!f.window(D));

        building::Building after = before;
        if (written) {
            after.project.titolo = QStringLiteral("Scuola media");
            after.project.ordine = QStringLiteral("Ordine di Bari n. 1234");
            after.storeys[0].weight = typed("101");
        }
        QVERIFY(f.shared().edificio == after);
        open(f);
        QCOMPARE(f.control<QLineEdit>(D, "txtTitolo")->text(), after.project.titolo);
        QCOMPARE(table(f)->rowCount(), 1);
        QCOMPARE(at(f, 0, W), written ? QStringLiteral("101") : QStringLiteral("100"));
    }
};

QTEST_MAIN(TestFinestraEdificio)
#include "tst_finestraedificio.moc"
