// The progress window: its parts where the long operations expect them,
// on top, centred, and visible as soon as it is shown.
#include "data/progress_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>

class TestProgressWindow : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void centredOnItsWindow();
};

void TestProgressWindow::layout()
{
    ProgressWindow window("Actualização de Dividas", 3);
    QCOMPARE(window.windowTitle(), QString("Actualização de Dividas"));
    QCOMPARE(window.size(), QSize(420, 140));
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(window.label()->geometry(), QRect(16, 30, 370, 13));
    QVERIFY(window.label()->text().isEmpty());
    QVERIFY(window.label()->alignment() & Qt::AlignHCenter);
    QCOMPARE(window.bar()->geometry(), QRect(16, 60, 370, 17));
    QCOMPARE(window.bar()->minimum(), 0);
    QCOMPARE(window.bar()->maximum(), 3);
    QCOMPARE(window.bar()->value(), 0);
    window.showNow();
    QVERIFY(window.isVisible());
    QVERIFY(!window.isModal());
    const QImage shot = window.grab().toImage();
    QCOMPARE(QColor(shot.pixel(5, 100)), QColor(195, 218, 249));
    QCOMPARE(QColor(shot.pixel(0, 100)), QColor(117, 162, 210));
    window.label()->setText("Actualizando Dividas...");
    QVERIFY(window.label()->sizeHint().height() <= 13 + 2);
}

void TestProgressWindow::centredOnItsWindow()
{
    QWidget main;
    main.setGeometry(100, 80, 800, 600);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    ProgressWindow window("Inscrição de Sócios", 10, &main);
    window.showNow();
    const QPoint offset = window.frameGeometry().center() - main.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 4, qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
}

QTEST_MAIN(TestProgressWindow)
#include "tst_progress_window.moc"
