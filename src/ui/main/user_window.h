#pragma once
// The user record window: the login and password of the user who has just
// logged in (the current row of the users table object).
#include "ui/common/record_window.h"

class DBEdit;
namespace ds {
class DataSet;
}

class TfmFormularioUtilizador : public RecordWindow {
    Q_OBJECT
public:
    explicit TfmFormularioUtilizador(QWidget *parent = nullptr);
    ~TfmFormularioUtilizador() override;

protected:
    void buttonClicked(const QString &name) override;
    void focusAfterButton() override;
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    bool checkBeforeSave();

    ds::DataSet *users_;
    DBEdit *dbedtLogin_;
    DBEdit *dbedtPassword_;
};
