#pragma once
// The error report: the text composed for an error nothing else caught,
// where the user adds what they were doing, and the files to send with it.
#include "ui/common/borderless_dialog.h"

#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfmMessageErrorReport : public BorderlessDialog {
    Q_OBJECT
public:
    explicit TfmMessageErrorReport(QWidget *parent = nullptr);

    QPlainTextEdit *message() const { return mmMensagem_; }
    QStringList attachments;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void chooseAccount();
    void send();

    QLabel *gmail_;
    QPlainTextEdit *mmMensagem_;
    QPushButton *btnSend_;
    QString account_;
    QString password_;
};
