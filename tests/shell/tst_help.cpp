#include "shell/helpservice.h"
#include "shell/helpwindow.h"
#include "windows/messages.h"

#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeView>
#include <QtTest>
#include <memory>

class TestHelp : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // CTest points the help at the build folder, where the collection is generated.
        QVERIFY2(!qEnvironmentVariable("TREMORA_HELP_DIR").isEmpty(), "TREMORA_HELP_DIR");
    }

    void everyContextOpensItsTopic_data() {
        QTest::addColumn<QString>("helpWindow");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("heading");
        QTest::newRow("parametri")
            << helptopics::buildingParameters << helptopics::buildingParametersContext
            << QStringLiteral("Parametri dell'edificio");
        QTest::newRow("muratura") << helptopics::masonry << helptopics::masonryContext
                                  << QStringLiteral("Edifici in muratura");
        QTest::newRow("intelaiati") << helptopics::framed << helptopics::framedContext
                                    << QStringLiteral("Edifici intelaiati");
        QTest::newRow("relazione") << helptopics::composer << helptopics::composerContext
                                   << QStringLiteral("Componi relazione");
        QTest::newRow("edificio") << helptopics::buildingData << helptopics::buildingDataContext
                                  << QStringLiteral("Dati dell'edificio");
    }

    void everyContextOpensItsTopic() {
        QFETCH(QString, helpWindow);
        QFETCH(int, context);
        QFETCH(QString, heading);

        HelpService help;
        QCOMPARE(help.collectionFile(),
                 QDir(qEnvironmentVariable("TREMORA_HELP_DIR")).filePath("tremora.qhc"));
        QVERIFY(help.available());
        const QUrl url = help.topicUrl(context);
        QVERIFY2(url.isValid() && !url.isEmpty(), qPrintable(QString::number(context)));

        help.showTopic(nullptr, helpWindow, context);
        HelpWindow* w = help.window();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), helpWindow);
        // With its frame and a task bar it still fits an 800 x 600 screen.
        QVERIFY2(w->width() <= 780 && w->height() <= 540,
                 qPrintable(QStringLiteral("%1 x %2").arg(w->width()).arg(w->height())));
        QCOMPARE(w->browser()->source(), url);
        // The page is really there and is the topic of that window.
        QVERIFY2(w->browser()->toPlainText().startsWith(heading),
                 qPrintable(w->browser()->toPlainText().left(80)));
    }

    void unknownContextSaysSo() {
        HelpService help;
        QVERIFY(help.topicUrl(4711).isEmpty());
        help.showTopic(nullptr, QStringLiteral("edifici intelaiati"), 4711);
        QVERIFY(help.window()->browser()->toPlainText().contains(QStringLiteral("4711")));
    }

    void contentsAndIndexSearch() {
        HelpService help;
        help.showContents(nullptr);
        HelpWindow* w = help.window();
        QCOMPARE(w->windowTitle(), QStringLiteral("Guida di Tremora"));
        QVERIFY(w->browser()->toPlainText().startsWith(QStringLiteral("Guida di Tremora")));
        auto* contents = w->findChild<QTreeView*>(QStringLiteral("sommario"));
        QVERIFY(contents);
        QTRY_COMPARE(contents->model()->rowCount(), 1);
        const QModelIndex top = contents->model()->index(0, 0);
        QCOMPARE(top.data().toString(), QStringLiteral("Guida di Tremora"));
        QVERIFY(contents->model()->rowCount(top) >= 10);

        // The index is read in the background; searching narrows it and Enter opens the entry.
        help.showIndex(nullptr);
        QCOMPARE(help.window(), w);
        auto* index = w->findChild<QListView*>(QStringLiteral("indice"));
        QVERIFY(index);
        QTRY_VERIFY(index->model()->rowCount() > 10);
        w->searchField()->setText(QStringLiteral("risposta"));
        QTRY_COMPARE(index->model()->rowCount(), 2); // coefficient R and the response spectrum
        QTest::keyClick(w->searchField(), Qt::Key_Return);
        QVERIFY(w->browser()->source().toString().contains(QStringLiteral("coefficienti.html")));
        QVERIFY(w->browser()->toPlainText().contains(QStringLiteral("Coefficiente di risposta R")));
    }

    void windowGoesWithItsOwner() {
        HelpService help;
        auto owner = std::make_unique<QWidget>();
        help.showTopic(owner.get(), helptopics::framed, helptopics::framedContext);
        QVERIFY(help.window());
        QCOMPARE(help.window()->parentWidget(), owner.get());
        QVERIFY(help.window()->isWindow());

        // Asked again from another window, it moves there.
        QWidget other;
        help.showContents(&other);
        QCOMPARE(help.window()->parentWidget(), &other);
        help.showTopic(owner.get(), helptopics::masonry, helptopics::masonryContext);
        owner.reset();
        QVERIFY(!help.window());
        help.showTopic(&other, helptopics::masonry, helptopics::masonryContext);
        QVERIFY(help.window());
        QCOMPARE(help.window()->windowTitle(), helptopics::masonry);
    }

    void missingHelpIsToldAndNothingIsCreated() {
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        const QByteArray saved = qgetenv("TREMORA_HELP_DIR");
        qputenv("TREMORA_HELP_DIR", QFile::encodeName(empty.path()));
        HelpService help;
        qputenv("TREMORA_HELP_DIR", saved);

        QCOMPARE(help.collectionFile(), QDir(empty.path()).filePath("tremora.qhc"));
        QVERIFY(!help.available());
        QVERIFY(help.topicUrl(helptopics::buildingParametersContext).isEmpty());
        help.showTopic(nullptr, helptopics::buildingParameters,
                       helptopics::buildingParametersContext);
        HelpWindow* w = help.window();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), helptopics::buildingParameters);
        const QString text = w->browser()->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("non è disponibile")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("tremora.qhc")));
        help.showContents(nullptr);
        help.showIndex(nullptr);
        QVERIFY(
            help.window()->browser()->toPlainText().contains(QStringLiteral("non è disponibile")));
        QVERIFY(QDir(empty.path()).isEmpty());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
