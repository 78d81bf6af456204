// The real message box behind ShowMessageDialog: the kind's standard icon and
// Portuguese title, the text unchanged, and the buttons with Portuguese
// captions on a light-blue band along the bottom of a white box.
#include "platform/prompt/prompt.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <vector>

namespace {

constexpr int BandHeight = 35;
constexpr int ButtonHeight = 25;
constexpr int ButtonWidth = 75;
constexpr int WideExtra = 20; // "Sim a Todos" and "Não a Todos" are wider
constexpr int ButtonGap = 8;
constexpr int BandMargin = 12;
constexpr int MaxTextWidth = 600;

struct ButtonDef {
    MsgButton button;
    const char *caption; // UTF-8
};

// In the order the buttons stand on the band; help last, to the right of
// the wide buttons.
const ButtonDef ButtonDefs[] = {
    {mbYes, "&Sim"},          {mbNo, "&Não"},           {mbOK, "&OK"},
    {mbCancel, "&Cancelar"},  {mbAbort, "A&bortar"},    {mbRetry, "&Repetir"},
    {mbIgnore, "&Ignorar"},   {mbAll, "&Todos"},        {mbNoToAll, "Não a To&dos"},
    {mbYesToAll, "S&im a Todos"}, {mbHelp, "&Ajuda"},
};

QString titleOf(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning:
        return QStringLiteral("Cuidado");
    case MsgKind::Error:
        return QStringLiteral("Erro");
    case MsgKind::Information:
        return QStringLiteral("Informação");
    case MsgKind::Confirmation:
        return QStringLiteral("Confirmar");
    }
    return QString();
}

QStyle::StandardPixmap iconOf(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MsgKind::Error:
        return QStyle::SP_MessageBoxCritical;
    case MsgKind::Information:
        return QStyle::SP_MessageBoxInformation;
    case MsgKind::Confirmation:
        return QStyle::SP_MessageBoxQuestion;
    }
    return QStyle::SP_MessageBoxInformation;
}

// The bottom band: filled and bordered, its buttons centred on it both ways.
class ButtonBand : public QWidget {
public:
    explicit ButtonBand(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("pnlButtons"));
        setFixedHeight(BandHeight);
    }

    void addButton(QPushButton *button, bool wide)
    {
        button->setParent(this);
        button->setFixedSize(ButtonWidth + (wide ? WideExtra : 0), ButtonHeight);
        buttons_.push_back(button);
        setMinimumWidth(buttonsWidth() + 2 * BandMargin);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(QColor(117, 162, 210));
        p.setBrush(QColor(195, 218, 249));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    void resizeEvent(QResizeEvent *) override
    {
        // Top at the band's top plus half its height minus 12.
        const int top = BandHeight / 2 - 12;
        int x = (width() - buttonsWidth()) / 2;
        for (QPushButton *b : buttons_) {
            b->move(x, top);
            x += b->width() + ButtonGap;
        }
    }

private:
    int buttonsWidth() const
    {
        int w = 0;
        for (const QPushButton *b : buttons_)
            w += b->width();
        return w + ButtonGap * int(qMax<size_t>(buttons_.size(), 1) - 1);
    }

    std::vector<QPushButton *> buttons_;
};

class MessageBoxDialog : public QDialog {
public:
    explicit MessageBoxDialog(const ShownMessage &message)
        : QDialog(QApplication::activeWindow(),
                  Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    {
        setObjectName(QStringLiteral("MessageDialog"));
        setWindowTitle(titleOf(message.kind));
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Qt::white);
        pal.setColor(QPalette::WindowText, Qt::black);
        setPalette(pal);

        auto *icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("imgIcon"));
        const int extent = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()->standardIcon(iconOf(message.kind), nullptr, this).pixmap(extent, extent));
        icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

        // The text is shown as given; its CR LF pairs are line breaks.
        QString shown = message.text;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        auto *text = new QLabel(shown, this);
        text->setObjectName(QStringLiteral("lblMessage"));
        text->setTextFormat(Qt::PlainText);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        int widest = 0;
        for (const QString &line : shown.split(QLatin1Char('\n')))
            widest = qMax(widest, text->fontMetrics().horizontalAdvance(line));
        if (widest > MaxTextWidth) {
            text->setWordWrap(true);
            text->setFixedWidth(MaxTextWidth);
        }

        auto *content = new QHBoxLayout;
        content->setContentsMargins(16, 16, 20, 16);
        content->setSpacing(14);
        content->addWidget(icon, 0, Qt::AlignTop);
        content->addWidget(text, 1, Qt::AlignVCenter);

        auto *band = new ButtonBand(this);
        QPushButton *first = nullptr;
        for (const ButtonDef &def : ButtonDefs) {
            if (!(message.buttons & def.button))
                continue;
            auto *b = new QPushButton(QString::fromUtf8(def.caption));
            b->setObjectName(QStringLiteral("btn%1").arg(unsigned(def.button)));
            b->setAutoDefault(false);
            const unsigned code = def.button;
            connect(b, &QPushButton::clicked, this, [this, code] { done(int(code)); });
            band->addButton(b, def.button == mbNoToAll || def.button == mbYesToAll);
            if (!first)
                first = b;
        }
        if (first) {
            first->setDefault(true);
            first->setFocus();
        }

        auto *outer = new QVBoxLayout(this);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->setSpacing(0);
        outer->addLayout(content);
        outer->addWidget(band);
        outer->setSizeConstraint(QLayout::SetFixedSize);
    }
};

} // namespace

namespace prompt {

MsgButton ShowMessageBox(const ShownMessage &message)
{
    MessageBoxDialog box(message);
    const int result = box.exec();
    // Closing the box (close button, Escape) counts as Cancel.
    return result > 0 ? MsgButton(result) : mbCancel;
}

} // namespace prompt
