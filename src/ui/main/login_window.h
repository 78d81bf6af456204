#pragma once
// The login window: asks for a login and a password and checks them against
// the users table object. On success it closes with Accepted and leaves the
// table object standing on the user's row.
#include "ui/common/borderless_dialog.h"

#include <QDialog>
#include <QPixmap>
#include <QPoint>

class QLineEdit;
class QPushButton;

namespace ds {
class DataSet;
}

class TfmLogin : public BorderlessDialog {
    Q_OBJECT
public:
    // users: the users table object (fields login, password). background:
    // the shared background picture; a gradient is drawn when it is null.
    // Centred on parent's window, or on the screen without one.
    explicit TfmLogin(ds::DataSet &users, const QPixmap &background = QPixmap(), QWidget *parent = nullptr);

    QLineEdit *loginEdit() const { return edtLogin_; }
    QLineEdit *passwordEdit() const { return edtPassword_; }

public slots:
    // "Entrar": checks the typed login and password (see the .cpp).
    void enter();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ds::DataSet &users_;
    QLineEdit *edtLogin_;
    QLineEdit *edtPassword_;
    QPushButton *btnLogin_;
    QPushButton *btnCancel_;
};
