// The splash window: its named controls, the visible status line with its
// colour, the table caption, and the start-up work run once after showing.
#include "app/splash_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void controls();
    void statusShowsTextAndColour();
    void firstShowRunsOnce();
};

void TestSplash::controls()
{
    TfmSplash splash;
    QCOMPARE(splash.objectName(), QString("fmSplash"));
    QCOMPARE(splash.windowTitle(), QString("Janela de Actividade - Splash"));
    QCOMPARE(splash.size(), QSize(480, 275));
    QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(splash.findChild<QLabel *>("imgbackground"));
    QCOMPARE(splash.findChild<QLabel *>("lblVersion")->text(), QString("0.1.2.7"));
    QCOMPARE(splash.findChild<QLabel *>("lblLabelStatus")->text(), QString("Estado:"));
    QCOMPARE(splash.progressBar()->objectName(), QString("ProgressBar1"));
    QCOMPARE(splash.progressBar()->size(), QSize(420, 17));
    splash.show();
    for (const char *name : {"lblLabelStatus", "lblStatusInformation", "lblStatus", "ProgressBar1"}) {
        QWidget *w = splash.findChild<QWidget *>(name);
        QVERIFY2(w && w->isVisible(), name);
        QVERIFY2(splash.rect().contains(w->geometry()), name);
    }
}

void TestSplash::statusShowsTextAndColour()
{
    TfmSplash splash;
    auto *line = splash.findChild<QLabel *>("lblStatusInformation");
    splash.setStatus("A ligar servidor MySQL...");
    QCOMPARE(line->text(), QString("A ligar servidor MySQL..."));
    QCOMPARE(line->palette().color(QPalette::WindowText), QColor(72, 72, 72));
    splash.setStatus("Servidor MySQL Desligado!\r\nReinicie a aplicação.", QColor(255, 0, 0));
    QCOMPARE(line->text(), QString("Servidor MySQL Desligado!\nReinicie a aplicação."));
    QCOMPARE(line->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // Both lines fit the label.
    QVERIFY(line->heightForWidth(line->width()) <= line->height() || line->sizeHint().height() <= line->height());
    splash.setTableCaption("Sócios");
    QCOMPARE(splash.findChild<QLabel *>("lblStatus")->text(), QString("Tabela: Sócios"));
}

void TestSplash::firstShowRunsOnce()
{
    TfmSplash splash;
    int runs = 0;
    bool visibleWhileRunning = false;
    splash.setOnFirstShow([&] {
        ++runs;
        visibleWhileRunning = splash.isVisible();
    });
    splash.show();
    QCOMPARE(runs, 0); // not inside show(): from the event loop
    QTRY_COMPARE(runs, 1);
    QVERIFY(visibleWhileRunning);
    splash.hide(); // start-up hides it for the update check and shows it again
    splash.show();
    QTest::qWait(20);
    QCOMPARE(runs, 1);
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
