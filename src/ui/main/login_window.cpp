#include "ui/main/login_window.h"

#include "ui/common/controls_suspended.h"

#include "platform/dataset/dataset.h"
#include "platform/prompt/prompt.h"

#include <QLabel>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor Background(224, 232, 245);
const QColor FocusedEdit(255, 255, 206);
const QColor TextColour(0, 0, 128);

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QPoint at, int pointSize = 0,
                 bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, TextColour);
    label->setPalette(pal);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TfmLogin::TfmLogin(ds::DataSet &users, const QPixmap &background, QWidget *parent)
    : BorderlessDialog(Background, background, parent), users_(users)
{
    setObjectName(QStringLiteral("fmLogin"));
    setWindowTitle(QStringLiteral("Janela de Login"));

    addLabel(this, "lblTitle", QStringLiteral("Tesselmar - Janela de Login"), {14, 10}, 10, true);
    addLabel(this, "lblHeading", QStringLiteral("Login"), {40, 48}, 16, true);
    addLabel(this, "lblInformation", QStringLiteral("Faça o login alterar as definições da sua conta."), {40, 84});
    addLabel(this, "lblLogin", QStringLiteral("Login:"), {60, 126}, 0, true);
    addLabel(this, "lblPassword", QStringLiteral("Password:"), {60, 160}, 0, true);

    edtLogin_ = new QLineEdit(this);
    edtLogin_->setObjectName(QStringLiteral("edtLogin"));
    edtLogin_->setGeometry(150, 122, 230, 24);
    edtLogin_->setMaxLength(20);

    edtPassword_ = new QLineEdit(this);
    edtPassword_->setObjectName(QStringLiteral("edtPassword"));
    edtPassword_->setGeometry(150, 156, 230, 24);
    edtPassword_->setMaxLength(20);
    edtPassword_->setEchoMode(QLineEdit::Password);

    for (QLineEdit *edit : {edtLogin_, edtPassword_}) {
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Base, Qt::white);
        edit->setPalette(pal);
        edit->installEventFilter(this);
    }

    btnLogin_ = new QPushButton(QStringLiteral("Entrar"), this);
    btnLogin_->setObjectName(QStringLiteral("btnLogin"));
    btnLogin_->setGeometry(270, 226, 92, 28);
    // Enter in either edit presses "Entrar".
    btnLogin_->setDefault(true);
    connect(btnLogin_, &QPushButton::clicked, this, &TfmLogin::enter);

    btnCancel_ = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    btnCancel_->setGeometry(370, 226, 92, 28);
    btnCancel_->setAutoDefault(false);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(edtLogin_, edtPassword_);
    setTabOrder(edtPassword_, btnLogin_);
    setTabOrder(btnLogin_, btnCancel_);
    edtLogin_->setFocus();
}

void TfmLogin::enter()
{
    const QString login = edtLogin_->text();
    const QString password = edtPassword_->text();
    if (login.isEmpty() || password.isEmpty()) {
        ShowMessageDialog(QStringLiteral("Os campos de Login e/ou Password encontram-se vazios!"), MsgKind::Warning,
                          mbOK);
        edtLogin_->setFocus();
        return;
    }

    bool loggedIn = false;
    {
        ControlsSuspended suspended(users_);
        // locate compares texts exactly: a login typed in another letter
        // case is another login.
        if (!users_.locate(QStringLiteral("login"), login)) {
            ShowMessageDialog(QStringLiteral("Login não encontrado!\r\nVerifique se escreveu correctamente o seu Login."),
                              MsgKind::Warning, mbOK);
            edtLogin_->setFocus();
        } else if (users_.value(QStringLiteral("password")).toString() != password) {
            ShowMessageDialog(
                QStringLiteral("Password não encontrada!\r\nVerifique se escreveu correctamente a sua Password."),
                MsgKind::Warning, mbOK);
            if (edtPassword_->isEnabled() && edtPassword_->isVisible())
                edtPassword_->setFocus();
        } else {
            loggedIn = true;
        }
    }
    if (loggedIn)
        accept();
}

bool TfmLogin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched)) {
            QPalette pal = edit->palette();
            pal.setColor(QPalette::Base, event->type() == QEvent::FocusIn ? FocusedEdit : QColor(Qt::white));
            edit->setPalette(pal);
        }
    }
    return QDialog::eventFilter(watched, event);
}
