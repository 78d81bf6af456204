// The start-up inside the splash window, against the test installation:
// connect, log in (or not), open the tables; and how it fails.
#include "app/splash_window.h"
#include "app/startup.h"
#include "data/data_module.h"
#include "platform/globals.h"
#include "platform/prompt/prompt.h"
#include "support/test_installation.h"
#include "ui/main/login_window.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>

class TestStartUp : public QObject {
    Q_OBJECT

    // Records which modal windows were shown and answers them.
    QStringList dialogs;
    std::function<int(QDialog &)> answer;

private slots:
    void initTestCase()
    {
        TestInstallation::instance();
        prompt::SetDialogRunner([this](QDialog &d) {
            dialogs << d.metaObject()->className();
            return answer ? answer(d) : int(QDialog::Rejected);
        });
    }
    void cleanupTestCase() { prompt::SetDialogRunner({}); }
    void init()
    {
        dialogs.clear();
        answer = {};
        TestInstallation::instance().activate();
        TestInstallation::instance().reset();
    }

    void defaultAccountSkipsTheLogin()
    {
        prompt::Script script;
        TDMDB dm;
        TfmSplash splash;
        QVERIFY(StartUp(dm, splash).run());
        QCOMPARE(splash.result(), int(QDialog::Accepted));
        QVERIFY(dialogs.isEmpty());
        QVERIFY(script.shown().isEmpty());
        QVERIFY(dm.ztSocio->isActive());
        QVERIFY(!dm.ztEmails->isActive());
        QVERIFY(!dm.ztRecibo->isActive());
        QVERIFY(!dm.DebtRecalcSuspended);
        QVERIFY(dm.FirstActivation);
        QCOMPARE(splash.progressBar()->value(), splash.progressBar()->maximum());
        QCOMPARE(splash.status(), "A ligar base de dados...");
    }

    void changedPasswordAsksForTheLogin()
    {
        TestInstallation::instance().db().exec("UPDATE utilizadores SET password='segredo'");
        TestInstallation::instance().db().exec(
            "INSERT INTO utilizadores (login, password, nivel_acesso) VALUES ('tesoureiro', 'x', 1)");
        answer = [](QDialog &d) {
            auto &login = static_cast<TfmLogin &>(d);
            login.loginEdit()->setText("vorel");
            login.passwordEdit()->setText("segredo");
            login.enter();
            return d.result();
        };
        TDMDB dm;
        TfmSplash splash;
        QVERIFY(StartUp(dm, splash).run());
        QCOMPARE(dialogs, QStringList{"TfmLogin"});
        QCOMPARE(dm.ztUtilizadores->value("login").toString(), "vorel");
        QVERIFY(dm.ztSocio->isActive());
    }

    void cancelledLoginEndsWithoutTables()
    {
        TestInstallation::instance().db().exec("UPDATE utilizadores SET password='segredo'");
        TDMDB dm;
        TfmSplash splash;
        QVERIFY(!StartUp(dm, splash).run());
        QCOMPARE(dialogs, QStringList{"TfmLogin"});
        QCOMPARE(splash.result(), int(QDialog::Rejected));
        QVERIFY(!dm.ztSocio->isActive());
        QVERIFY(dm.DebtRecalcSuspended);
    }

    void missingOptionFileNeverReachesTheLogin()
    {
        const QString ini = AppDir() + "AppData/mysql/my.ini";
        QVERIFY(QFile::rename(ini, ini + ".away"));
        struct PutBack {
            QString path;
            ~PutBack() { QFile::rename(path + ".away", path); }
        } putBack{ini};
        prompt::Script script;
        TDMDB dm;
        TfmSplash splash;
        QVERIFY(!StartUp(dm, splash).run());
        QVERIFY(dialogs.isEmpty());
        const QStringList texts = script.texts();
        QCOMPARE(texts.size(), StartUp::Attempts + 1);
        QCOMPARE(texts.first(), "O ficheiro \"AppData\\mysql\\my.ini\" não foi encontrado!");
        QCOMPARE(script.shown().first().kind, MsgKind::Error);
        QVERIFY(texts.last().startsWith("Tesselmar não conseguiu ligar o servidor MySQL!\r\n\r\nSoluções: \r\n1 - "));
        QVERIFY(texts.last().endsWith("/2011/09/problemas-com-servidor-mysql.html\r\n2 - Reinicie a aplicação."));
        QCOMPARE(script.shown().last().kind, MsgKind::Information);
        QCOMPARE(splash.status(), "Servidor MySQL Desligado!\nReinicie a aplicação.");
        QCOMPARE(splash.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
