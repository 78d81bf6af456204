#include "ui/main/info_windows.h"

#include "platform/globals.h"
#include "platform/web_addresses.h"
#include "ui/common/background.h"
#include "ui/common/pictures.h"
#include "ui/common/system_services.h"
#include "ui/common/window_services.h"

#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

InfoWindow::InfoWindow(const QString &objectName, const QString &caption, const QString &title, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setFixedSize(480, 275);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(24, 16, 24, 16);
    auto *heading = new QLabel(title);
    heading->setObjectName(QStringLiteral("lblTitle"));
    heading->setStyleSheet(QStringLiteral("color: navy; font-weight: bold; font-size: 12pt;"));
    layout_->addWidget(heading);
    layout_->addSpacing(8);
    rows_ = new QFormLayout;
    rows_->setHorizontalSpacing(14);
    rows_->setVerticalSpacing(7);
    layout_->addLayout(rows_);
    layout_->addStretch();
}

void InfoWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    PaintWindowBackground(p, rect(), QColor(250, 250, 250), BackgroundPicture());
}

QLabel *InfoWindow::addRow(const QString &caption, const QString &value, const QString &name)
{
    auto *label = new QLabel(value);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *title = new QLabel(caption);
    title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    rows_->addRow(title, label);
    return label;
}

QLabel *InfoWindow::addLink(const QString &caption, const QString &text, const QString &name, std::function<void()> open)
{
    QLabel *label = addRow(caption, QStringLiteral("<a href=\"#\">") + text.toHtmlEscaped() + QStringLiteral("</a>"), name);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(label, &QLabel::linkActivated, this, [open]() { open(); });
    return label;
}

TfmAboutBox::TfmAboutBox(QWidget *parent)
    : InfoWindow(QStringLiteral("fmAboutBox"), QStringLiteral("Sobre..."), QStringLiteral("Informações sobre Tesselmar"),
                 parent)
{
    addRow(QStringLiteral("Versão Actual:"), QString::fromLatin1(ProgramVersion), QStringLiteral("lblVersao"));
    addRow(QStringLiteral("Desenvolvido por:"), QStringLiteral("Equipa Tesselmar"));
    addRow(QStringLiteral("Powered by:"), QStringLiteral("Qt 6, MariaDB"));
    addLink(QStringLiteral("Site Oficial:"), MakerSite, QStringLiteral("lblSite"), []() { OpenDocument(MakerSite); });
    addLink(QStringLiteral("Donativos:"), QStringLiteral("O seu donativo é importante."), QStringLiteral("lblDonativos"),
            []() { OpenWindow(QStringLiteral("TfmFormularioDonativo"), true); });
    addLink(QStringLiteral("Email:"), FeedbackAddress, QStringLiteral("lblEmail"),
            []() { OpenWindow(QStringLiteral("TfmSendFeedback"), true); });
    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("btnOK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout_->addWidget(ok, 0, Qt::AlignRight);
}

TfmFormularioDonativo::TfmFormularioDonativo(QWidget *parent)
    : InfoWindow(QStringLiteral("fmFormularioDonativo"), QStringLiteral("Formulário de Donativos"),
                 QStringLiteral("Donativos"), parent)
{
    auto *text = new QLabel(QStringLiteral("Contribua para a evolução e manutenção desta aplicação. Obrigado."));
    text->setWordWrap(true);
    layout_->insertWidget(2, text);
    addRow(QStringLiteral("Banco:"), QStringLiteral("Caixa de Crédito do Litoral"));
    addRow(QStringLiteral("Nome:"), QStringLiteral("Associação Tesselmar"));
    addRow(QStringLiteral("N.I.B:"), QStringLiteral("0036 0000 99105558834 07"));
    auto *donate = new QPushButton(QStringLiteral("Donativo online"));
    donate->setObjectName(QStringLiteral("btnDonate"));
    donate->setIcon(MenuPicture(MenuDonation));
    connect(donate, &QPushButton::clicked, this, []() { OpenDocument(DonationPage); });
    auto *close = new QPushButton(QStringLiteral("Fechar"));
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(donate);
    buttons->addStretch();
    buttons->addWidget(close);
    layout_->addLayout(buttons);
}
