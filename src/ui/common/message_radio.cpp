#include "ui/common/message_radio.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const QRect GroupArea(35, 96, 410, 129);
const int EntryHeight = 18;
} // namespace

TfmMessageRadio::TfmMessageRadio(QWidget *parent)
    : PromptWindow(QStringLiteral("Escolha uma das seguintes opções..."),
                   QStringLiteral("Tesselmar - Janela de Selecção"),
                   QStringLiteral("Escolha da lista abaixo a opção desejada."), parent)
{
    setObjectName(QStringLiteral("fmMessageRadio"));
    connect(okButton(), &QPushButton::clicked, this, &TfmMessageRadio::choose);
}

void TfmMessageRadio::showEvent(QShowEvent *event)
{
    prepareOptions();
    PromptWindow::showEvent(event);
}

void TfmMessageRadio::prepareOptions()
{
    delete rdgOptions_;
    rdgOptions_ = nullptr;
    group_ = nullptr;
    delete cbxOptions_;
    cbxOptions_ = nullptr;

    if (options.size() <= MaxGroupOptions) {
        rdgOptions_ = new QGroupBox(this);
        rdgOptions_->setObjectName(QStringLiteral("rdgOptions"));
        rdgOptions_->setGeometry(GroupArea);
        auto *layout = new QVBoxLayout(rdgOptions_);
        layout->setContentsMargins(14, 8, 14, 8);
        layout->setSpacing(2);
        group_ = new QButtonGroup(rdgOptions_);
        for (int i = 0; i < options.size(); ++i) {
            auto *radio = new QRadioButton(options[i], rdgOptions_);
            radio->setObjectName(QStringLiteral("rdgOption%1").arg(i));
            group_->addButton(radio, i);
            layout->addWidget(radio);
            radio->setChecked(i == 0);
        }
        layout->addStretch();
        rdgOptions_->show();
        if (group_->button(0))
            group_->button(0)->setFocus();
        return;
    }

    // A drop-down list that accepts only its own entries; Enter in it
    // reaches the default button "OK".
    cbxOptions_ = new QComboBox(this);
    cbxOptions_->setObjectName(QStringLiteral("cbxOptions"));
    cbxOptions_->setEditable(false);
    cbxOptions_->addItems(options);
    for (int i = 0; i < options.size(); ++i)
        cbxOptions_->setItemData(i, QSize(0, EntryHeight), Qt::SizeHintRole);
    cbxOptions_->setMaxVisibleItems(10);
    const int height = cbxOptions_->sizeHint().height();
    cbxOptions_->setGeometry(GroupArea.left(), GroupArea.top() + GroupArea.height() / 2, GroupArea.width(), height);
    cbxOptions_->setCurrentIndex(0);
    cbxOptions_->show();
    cbxOptions_->setFocus();
}

void TfmMessageRadio::choose()
{
    chosenIndex_ = -1;
    if (group_)
        chosenIndex_ = group_->checkedId();
    else if (cbxOptions_)
        chosenIndex_ = cbxOptions_->currentIndex();
    chosenText_ = options.value(chosenIndex_);
    accept();
}
