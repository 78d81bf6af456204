// Changing one's own login and password: log in again, then the user record
// window on that user.
#include "app/window_classes.h"
#include "platform/prompt/prompt.h"
#include "support/module_fixture.h"
#include "support/test_installation.h"
#include "ui/common/db_edit.h"
#include "ui/main/login_window.h"
#include "ui/main/main_window.h"
#include "ui/main/user_window.h"

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

class TestUserWindow : public QObject {
    Q_OBJECT

    // What the user does in the record window, after logging in as rui/x.
    std::function<void(TfmFormularioUtilizador &)> inRecord;
    QString shownLogin;

private slots:
    void initTestCase()
    {
        TestInstallation::instance();
        RegisterAllWindows();
        prompt::SetDialogRunner([this](QDialog &d) {
            if (auto *login = qobject_cast<TfmLogin *>(&d)) {
                login->loginEdit()->setText("rui");
                login->passwordEdit()->setText("x");
                login->enter();
                return login->result();
            }
            if (auto *user = qobject_cast<TfmFormularioUtilizador *>(&d)) {
                shownLogin = user->findChild<DBEdit *>("dbedtLogin")->text();
                if (inRecord)
                    inRecord(*user);
            }
            return 0;
        });
    }
    void cleanupTestCase() { prompt::SetDialogRunner({}); }

    void savingKeepsAccessLevelOneAndClosingDiscards()
    {
        ModuleFixture f;
        f->_db.exec("INSERT INTO utilizadores (login, password, nivel_acesso) VALUES ('rui', 'x', 3)");
        f->ztUtilizadores->refresh();
        TfmMain main(f.dm());
        prompt::Script script;

        // "Fechar" after typing a new password leaves the stored one.
        inRecord = [](TfmFormularioUtilizador &w) {
            auto *password = w.findChild<DBEdit *>("dbedtPassword");
            password->setFocus();
            QTest::keyClicks(password, "novo");
            w.button("btnClose")->click();
        };
        main.runTreeItem(901);
        QCOMPARE(shownLogin, "rui");
        QCOMPARE(f.scalar("SELECT password FROM utilizadores WHERE login='rui'").toString(), "x");

        // "Guardar" stores it with access level 1.
        inRecord = [](TfmFormularioUtilizador &w) {
            auto *password = w.findChild<DBEdit *>("dbedtPassword");
            password->selectAll();
            QTest::keyClicks(password, "y2");
            w.button("btnSave")->click();
        };
        main.runAction(8);
        QCOMPARE(f.scalar("SELECT password FROM utilizadores WHERE login='rui'").toString(), "y2");
        QCOMPARE(f.scalar("SELECT nivel_acesso FROM utilizadores WHERE login='rui'").toInt(), 1);
        QCOMPARE(script.texts(), QStringList{"Registo Guardado com sucesso!"});
    }

    void emptyLoginIsRefused()
    {
        ModuleFixture f;
        f->_db.exec("INSERT INTO utilizadores (login, password, nivel_acesso) VALUES ('rui', 'x', 1)");
        f->ztUtilizadores->refresh();
        TfmMain main(f.dm());
        prompt::Script script;
        inRecord = [](TfmFormularioUtilizador &w) {
            auto *login = w.findChild<DBEdit *>("dbedtLogin");
            login->setFocus();
            login->selectAll();
            QTest::keyClick(login, Qt::Key_Delete);
            w.button("btnSave")->click();
        };
        main.runTreeItem(901);
        QCOMPARE(script.texts(), QStringList{"Impossivel guardar!\r\nO campo: \"Login\" encontra-se vazio!"});
        QCOMPARE(f.scalar("SELECT COUNT(*) FROM utilizadores WHERE login='rui'").toInt(), 1);
        QVERIFY(!f->ztUtilizadores->isEditing()); // discarded when the window went
    }
};

QTEST_MAIN(TestUserWindow)
#include "tst_user_window.moc"
