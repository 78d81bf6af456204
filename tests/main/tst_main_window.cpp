// The main window's frame: caption, status bar, clock and the closing
// question.
#include "platform/globals.h"
#include "platform/prompt/prompt.h"
#include "support/module_fixture.h"
#include "support/test_installation.h"
#include "ui/main/main_window.h"

#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TestInstallation::instance(); }

    void captionStatusBarAndDebtsAtCreation()
    {
        ModuleFixture f;
        f.addAssociation("Clube Naval de São Martinho");
        f.addMember("Ana");
        f->_db.exec("UPDATE socio SET divida = 99");
        TfmMain main(f.dm());
        QCOMPARE(main.windowTitle(), "Tesselmar - Clube Naval de São Martinho");
        QCOMPARE(AssociationName, "Clube Naval de São Martinho");
        QCOMPARE(main.findChild<QLabel *>("StatusPanel0")->text(), "Tesselmar v.0.1.2.7");
        QVERIFY(main.findChild<QLabel *>("StatusPanel1")->text().contains(" - "));
        QVERIFY(main.findChild<QTabWidget *>("TabArea")->isHidden());
        QCOMPARE(main.size(), QSize(1196, 758));
        QCOMPARE(f.scalar("SELECT divida FROM socio").toDouble(), 0.0); // recomputed
    }

    void clockText_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("text");
        QTest::newRow("sunday") << QDateTime(QDate(2026, 12, 13), QTime(9, 5, 7)) << "Domingo, 13 Dezembro 2026 - 09:05:07";
        QTest::newRow("tuesday") << QDateTime(QDate(2026, 3, 3), QTime(23, 0, 0)) << "Terça-Feira, 3 Março 2026 - 23:00:00";
        QTest::newRow("saturday") << QDateTime(QDate(2027, 1, 2), QTime(0, 0, 1)) << "Sábado, 2 Janeiro 2027 - 00:00:01";
    }
    void clockText()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, text);
        QCOMPARE(TfmMain::ClockText(moment), text);
    }

    void closingAsksFirst()
    {
        ModuleFixture f;
        TfmMain main(f.dm());
        main.show();
        prompt::Script script;
        script.answer(mbNo);
        QVERIFY(!main.close());
        QCOMPARE(script.texts(), QStringList{"Deseja terminar o \"Tesselmar\"?"});
        QCOMPARE(script.shown().first().buttons, MsgButtons(mbYes | mbNo));
        QVERIFY(main.isVisible());
        script.answer(mbYes);
        QVERIFY(main.close());
        QVERIFY(!main.isVisible());

        // Asked to end by the system, it closes without the question.
        TfmMain again(f.dm());
        again.show();
        script.clear();
        again.closeWithoutQuestion();
        QVERIFY(!again.isVisible());
        QVERIFY(script.shown().isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
