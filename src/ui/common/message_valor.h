#pragma once
// The value prompt: one edit (edtValue, at most 80 characters) whose text
// the caller sets before showing the window and reads afterwards. The edit
// takes the focus when the window becomes active; Enter or "OK" closes
// with Accepted, "Cancelar" with Rejected.
#include "ui/common/prompt_window.h"

class QLineEdit;

class TfmMessageValor : public PromptWindow {
    Q_OBJECT
public:
    explicit TfmMessageValor(QWidget *parent = nullptr);

    QLineEdit *edtValue() const { return edtValue_; }
    QString value() const;
    void setValue(const QString &text);

protected:
    bool event(QEvent *event) override;

private:
    QLineEdit *edtValue_;
};
