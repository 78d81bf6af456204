#pragma once
// The option choice: the user picks one of the texts the caller put in
// `options`. Up to 5 options show as an option group (rdgOptions), more as
// a drop-down list of only those entries (cbxOptions); the first is
// selected. OK (or Enter) closes with Accepted and sets the result;
// "Cancelar" closes with Rejected.
#include "ui/common/prompt_window.h"

#include <QStringList>

class QButtonGroup;
class QComboBox;
class QGroupBox;

class TfmMessageRadio : public PromptWindow {
    Q_OBJECT
public:
    explicit TfmMessageRadio(QWidget *parent = nullptr);

    // Filled by the caller before the window is shown.
    QStringList options;

    // The chosen position (from 0) and its text; -1 and empty until OK.
    int chosenIndex() const { return chosenIndex_; }
    QString chosenText() const { return chosenText_; }

    // Builds the option group or the drop-down list from `options`; done
    // when the window is shown.
    void prepareOptions();

public slots:
    void choose();

protected:
    void showEvent(QShowEvent *event) override;

private:
    static constexpr int MaxGroupOptions = 5;

    QGroupBox *rdgOptions_ = nullptr;
    QButtonGroup *group_ = nullptr;
    QComboBox *cbxOptions_ = nullptr;
    int chosenIndex_ = -1;
    QString chosenText_;
};
