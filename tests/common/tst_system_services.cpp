// The busy cursor and the addresses handed to the system's default opener.
#include "ui/common/system_services.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

class TestSystemServices : public QObject {
    Q_OBJECT
private slots:
    void cursorOverridesDoNotPileUp();
    void documentUrl();
};

void TestSystemServices::cursorOverridesDoNotPileUp()
{
    QApplication::setOverrideCursor(Qt::CrossCursor); // someone else's override
    SetScreenCursor(Qt::WaitCursor);
    SetScreenCursor(Qt::WaitCursor);
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    SetScreenCursor(Qt::ArrowCursor);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void TestSystemServices::documentUrl()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("ajuda com espaço.pdf");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QCOMPARE(DocumentUrl(file), QUrl::fromLocalFile(file));
    QCOMPARE(DocumentUrl(file).toLocalFile(), file);
    QCOMPARE(DocumentUrl("/nao/existe.pdf"), QUrl::fromLocalFile("/nao/existe.pdf"));
    QCOMPARE(DocumentUrl("https://tesselmar.example/2011/09/problemas-com-servidor-mysql.html"),
             QUrl("https://tesselmar.example/2011/09/problemas-com-servidor-mysql.html"));
    QCOMPARE(DocumentUrl("www.example.pt").scheme(), QString("http"));
}

QTEST_MAIN(TestSystemServices)
#include "tst_system_services.moc"
