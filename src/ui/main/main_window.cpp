#include "ui/main/main_window.h"

#include "data/data_module.h"
#include "domain/calendar_names.h"
#include "platform/globals.h"
#include "platform/memory.h"
#include "platform/prompt/prompt.h"
#include "ui/common/pictures.h"
#include "ui/main/wheel_to_keys.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QDateTime>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
TfmMain *theMainWindow = nullptr;
}

TfmMain *TfmMain::instance() { return theMainWindow; }

TfmMain::~TfmMain()
{
    if (theMainWindow == this)
        theMainWindow = nullptr;
}

TfmMain::TfmMain(TDMDB &dm, QWidget *parent) : QMainWindow(parent), dm_(dm)
{
    theMainWindow = this;
    setObjectName(QStringLiteral("fmMain"));
    const QString decimal = QLocale::system().decimalPoint();
    DecimalSep = decimal.isEmpty() ? QLatin1Char(',') : decimal.at(0);

    // Left: the navigation panel.
    auto *left = new QWidget;
    left->setFixedWidth(220);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->setSpacing(0);
    auto *title = new QLabel(QStringLiteral("Menu Principal"));
    title->setObjectName(QStringLiteral("lblMenuPrincipal"));
    title->setStyleSheet(QStringLiteral("QLabel { background: rgb(250,250,250); color: navy; font-weight: bold;"
                                        " padding: 6px; border-bottom: 1px solid rgb(164,182,210); }"));
    tree_ = new QTreeWidget;
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setStyleSheet(QStringLiteral("QTreeWidget { border: none; }"));
    tree_->setIconSize(QSize(16, 16));
    tree_->setIndentation(12);
    tree_->viewport()->installEventFilter(this);
    tree_->installEventFilter(this);
    leftLayout->addWidget(title);
    leftLayout->addWidget(tree_);

    // Client area: the tab area, hidden while it has no page.
    auto *client = new QWidget;
    client->setObjectName(QStringLiteral("clientArea"));
    client->setStyleSheet(QStringLiteral("#clientArea { background: white; }"));
    auto *clientLayout = new QGridLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    // The background picture, centred, behind the tab area.
    auto *picture = new QLabel;
    picture->setObjectName(QStringLiteral("imgBackground"));
    picture->setPixmap(BackgroundPicture());
    picture->setAlignment(Qt::AlignCenter);
    clientLayout->addWidget(picture, 0, 0);
    tabArea_ = new QTabWidget;
    tabArea_->setObjectName(QStringLiteral("TabArea"));
    QFont tabFont = tabArea_->font();
    tabFont.setPointSize(9);
    tabArea_->setFont(tabFont);
    tabArea_->setDocumentMode(true);
    tabArea_->tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tabArea_->tabBar(), &QWidget::customContextMenuRequested, this, &TfmMain::showTabMenu);
    tabArea_->hide();
    clientLayout->addWidget(tabArea_, 0, 0);

    auto *splitter = new QSplitter;
    splitter->setHandleWidth(4);
    splitter->addWidget(left);
    splitter->addWidget(client);
    splitter->setStretchFactor(1, 1);
    splitter->setCollapsible(0, false);
    splitter->setSizes({220, 976});
    setCentralWidget(splitter);

    // Status bar: program and version, date and time, and a spare panel.
    auto *bar = new QStatusBar;
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const int widths[3] = {120, 260, 50};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel;
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panels_[i]->setAlignment(Qt::AlignCenter);
        panels_[i]->setFixedWidth(widths[i]);
        bar->addWidget(panels_[i]);
    }
    setStatusBar(bar);
    panels_[0]->setText(QStringLiteral("Tesselmar v.") + QString::fromLatin1(ProgramVersion));

    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("Timer1"));
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &TfmMain::tick);
    clock_->start();
    tick();

    LoadButtonGlyphs();
    qApp->installEventFilter(new WheelToKeys(this));
    buildActions();
    buildNavigation();

    AssociationName = dm_.ztAssociacao->isActive() && !dm_.ztAssociacao->isEmpty()
                          ? dm_.ztAssociacao->value(QStringLiteral("nome")).toString().left(80)
                          : QString();
    setWindowTitle(QStringLiteral("Tesselmar - ") + AssociationName);
    resize(1196, 758);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    dm_.RecalculateAllDebts();
    TrimMemory();
}

QString TfmMain::ClockText(const QDateTime &moment)
{
    const QDate d = moment.date();
    return WeekdayName(d.dayOfWeek()) + QStringLiteral(", ") + QString::number(d.day()) + QLatin1Char(' ') +
           MonthName(d.month()) + QLatin1Char(' ') + QString::number(d.year()) + QStringLiteral(" - ") +
           moment.time().toString(QStringLiteral("HH:mm:ss"));
}

void TfmMain::tick() { panels_[1]->setText(ClockText(QDateTime::currentDateTime())); }

void TfmMain::closeWithoutQuestion()
{
    askOnClose_ = false;
    close();
}

void TfmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (firstShown_)
        return;
    firstShown_ = true;
    // Once the window is on screen: the first-use checks.
    QTimer::singleShot(0, this, &TfmMain::firstUseChecks);
}

void TfmMain::firstUseChecks()
{
    if (!dm_.FirstActivation)
        return;
    dm_.FirstActivation = false;
    if (dm_.ztAssociacao->isActive() && dm_.ztAssociacao->isEmpty()) {
        openWindow(QStringLiteral("TfmFormularioAssoc"), true);
        openWindow(QStringLiteral("TfmFormularioModalidade"), true);
    }
    if (dm_.ztSocio->isActive() && dm_.ztSocio->isEmpty())
        ShowMessageDialog(QStringLiteral("Introduza os Sócios, utilizando o \"Menu Principal\": \r\n\"Formulários\" e "
                                         "a opção: \"Sócios\"."),
                          MsgKind::Information, mbOK);
}

void TfmMain::closeEvent(QCloseEvent *event)
{
    if (askOnClose_ && ShowMessageDialog(QStringLiteral("Deseja terminar o \"Tesselmar\"?"), MsgKind::Confirmation,
                                         mbYes | mbNo) != mbYes) {
        event->ignore();
        return;
    }
    clock_->stop();
    // Every window living in a tab page goes with the tab area.
    while (tabArea_->count() > 0) {
        tabArea_->setCurrentIndex(0);
        closeActivePage();
    }
    event->accept();
}
