// The login window on a real (in-memory) users table object: the three
// warnings, exact login and password comparison, the row it leaves the
// table object on, Enter, the focus highlight and dragging.
#include "platform/dataset/dataset.h"
#include "platform/prompt/prompt.h"
#include "ui/main/login_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString EmptyWarning = "Os campos de Login e/ou Password encontram-se vazios!";
const QString LoginWarning = "Login não encontrado!\r\nVerifique se escreveu correctamente o seu Login.";
const QString PasswordWarning = "Password não encontrada!\r\nVerifique se escreveu correctamente a sua Password.";

void fillUsers(ds::DataSet &users)
{
    auto field = [](const char *name, ds::FieldType type) {
        ds::Field f;
        f.name = QString::fromLatin1(name);
        f.type = type;
        return f;
    };
    users.setFields({field("id", ds::FieldType::Integer), field("login", ds::FieldType::String),
                     field("password", ds::FieldType::String), field("nivel_acesso", ds::FieldType::Integer)});
    users.open();
    users.appendRecord({1, "vorel", "vorel", 1});
    users.appendRecord({2, "Maria", "Segredo1", 1});
    users.appendRecord({3, "rui", "", 1});
    users.appendRecord({4, "ana", "abc", 1});
    users.first();
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT
private slots:
    void enter_data();
    void enter();
    void enterKeyActsAsEntrar();
    void cancelCloses();
    void focusedEditIsHighlighted();
    void draggingTheBackgroundMovesTheWindow();
    void editsAreLimited();
};

void TestLogin::enter_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QStringList>("warnings");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("focus");   // edit focused after a warning
    QTest::addColumn<QVariant>("userId"); // row the table object stands on after success

    QTest::newRow("both empty: one warning") << "" << "" << QStringList{EmptyWarning} << false << "edtLogin"
                                              << QVariant();
    QTest::newRow("password empty") << "Maria" << "" << QStringList{EmptyWarning} << false << "edtLogin"
                                    << QVariant();
    QTest::newRow("login empty") << "" << "Segredo1" << QStringList{EmptyWarning} << false << "edtLogin"
                                 << QVariant();
    QTest::newRow("unknown login") << "joao" << "x" << QStringList{LoginWarning} << false << "edtLogin"
                                   << QVariant();
    QTest::newRow("login in other letter case") << "maria" << "Segredo1" << QStringList{LoginWarning} << false
                                                << "edtLogin" << QVariant();
    QTest::newRow("login with blank") << "Maria " << "Segredo1" << QStringList{LoginWarning} << false
                                      << "edtLogin" << QVariant();
    QTest::newRow("wrong password") << "Maria" << "segredo2" << QStringList{PasswordWarning} << false
                                    << "edtPassword" << QVariant();
    QTest::newRow("password in other letter case") << "Maria" << "segredo1" << QStringList{PasswordWarning}
                                                   << false << "edtPassword" << QVariant();
    QTest::newRow("password stored empty") << "rui" << "x" << QStringList{PasswordWarning} << false
                                           << "edtPassword" << QVariant();
    QTest::newRow("right") << "Maria" << "Segredo1" << QStringList{} << true << "" << QVariant(2);
    QTest::newRow("last row") << "ana" << "abc" << QStringList{} << true << "" << QVariant(4);
}

void TestLogin::enter()
{
    QFETCH(QString, login);
    QFETCH(QString, password);
    QFETCH(QStringList, warnings);
    QFETCH(bool, accepted);
    QFETCH(QString, focus);
    QFETCH(QVariant, userId);

    ds::DataSet users("ztUtilizadores");
    fillUsers(users);
    prompt::Script script;
    TfmLogin window(users);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClicks(window.loginEdit(), login);
    QTest::keyClicks(window.passwordEdit(), password);
    auto *button = window.findChild<QPushButton *>("btnLogin");
    QVERIFY(button);
    QCOMPARE(button->text(), QString("Entrar"));
    button->click();

    QCOMPARE(script.texts(), warnings);
    for (const ShownMessage &m : script.shown()) {
        QCOMPARE(m.kind, MsgKind::Warning);
        QCOMPARE(m.buttons, MsgButtons(mbOK));
    }
    QCOMPARE(window.result() == QDialog::Accepted, accepted);
    QCOMPARE(window.isVisible(), !accepted);
    QVERIFY(!users.controlsDisabled());
    if (accepted)
        QCOMPARE(users.value("id").toInt(), userId.toInt());
    else {
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(window.loginEdit()->text(), login); // the typed login stays for another try
    }
}

void TestLogin::enterKeyActsAsEntrar()
{
    ds::DataSet users("ztUtilizadores");
    fillUsers(users);
    prompt::Script script;
    TfmLogin window(users);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClicks(window.loginEdit(), "Maria");
    QTest::keyClick(window.loginEdit(), Qt::Key_Return);
    QCOMPARE(script.texts(), QStringList{EmptyWarning});

    QTest::keyClicks(window.passwordEdit(), "Segredo1");
    QTest::keyClick(window.passwordEdit(), Qt::Key_Enter);
    QCOMPARE(script.texts().size(), 1);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(users.value("login").toString(), QString("Maria"));
}

void TestLogin::cancelCloses()
{
    ds::DataSet users("ztUtilizadores");
    fillUsers(users);
    prompt::Script script;
    TfmLogin window(users);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClicks(window.loginEdit(), "Maria");
    auto *cancel = window.findChild<QPushButton *>("btnCancel");
    QVERIFY(cancel);
    QCOMPARE(cancel->text(), QString("Cancelar"));
    cancel->click();
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QVERIFY(!window.isVisible());
    QVERIFY(script.shown().isEmpty());
}

void TestLogin::focusedEditIsHighlighted()
{
    ds::DataSet users("ztUtilizadores");
    fillUsers(users);
    TfmLogin window(users);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    const QColor yellow(255, 255, 206);
    window.loginEdit()->setFocus();
    QCOMPARE(window.loginEdit()->palette().color(QPalette::Base), yellow);
    QCOMPARE(window.passwordEdit()->palette().color(QPalette::Base), QColor(Qt::white));
    window.passwordEdit()->setFocus();
    QCOMPARE(window.loginEdit()->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(window.passwordEdit()->palette().color(QPalette::Base), yellow);
}

void TestLogin::draggingTheBackgroundMovesTheWindow()
{
    ds::DataSet users("ztUtilizadores");
    fillUsers(users);
    TfmLogin window(users);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint before = window.pos();
    const QPoint grip(20, 230); // background, away from every control
    QVERIFY(window.childAt(grip) == nullptr);
    QTest::mousePress(&window, Qt::LeftButton, {}, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(40, 25)),
                     QPointF(window.mapToGlobal(grip + QPoint(40, 25))), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &move);
    QTest::mouseRelease(&window, Qt::LeftButton, {}, grip + QPoint(40, 25));
    QCOMPARE(window.pos(), before + QPoint(40, 25));
}

void TestLogin::editsAreLimited()
{
    ds::DataSet users("ztUtilizadores");
    fillUsers(users);
    TfmLogin window(users);
    QCOMPARE(window.objectName(), QString("fmLogin"));
    QCOMPARE(window.size(), QSize(480, 275));
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window.loginEdit()->maxLength(), 20);
    QCOMPARE(window.passwordEdit()->maxLength(), 20);
    QCOMPARE(window.passwordEdit()->echoMode(), QLineEdit::Password);
    QTest::keyClicks(window.loginEdit(), QString(25, QLatin1Char('x')));
    QCOMPARE(window.loginEdit()->text().size(), 20);
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
