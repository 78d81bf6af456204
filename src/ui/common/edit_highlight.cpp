#include "ui/common/edit_highlight.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

const QColor Focused(255, 255, 206);
const char *const HookedProperty = "tesselmarEditHighlight";
const char *const HighlighterName = "editHighlighter";

void setBase(QWidget *edit, const QColor &colour)
{
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Base, colour);
    edit->setPalette(pal);
}

// One filter per window, watching every hooked edit.
class EditHighlighter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            if (auto *edit = qobject_cast<QWidget *>(watched))
                setBase(edit, event->type() == QEvent::FocusIn ? Focused : QColor(Qt::white));
        }
        return false;
    }
};

bool isEdit(QWidget *w)
{
    if (auto *line = qobject_cast<QLineEdit *>(w)) {
        QWidget *owner = line->parentWidget();
        return !qobject_cast<QAbstractSpinBox *>(owner) && !qobject_cast<QComboBox *>(owner);
    }
    return qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w);
}

} // namespace

void HookEditHighlight(QWidget *window)
{
    if (!window)
        return;
    QObject *highlighter = window->findChild<QObject *>(QLatin1String(HighlighterName), Qt::FindDirectChildrenOnly);
    if (!highlighter) {
        highlighter = new EditHighlighter(window);
        highlighter->setObjectName(QLatin1String(HighlighterName));
    }
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : std::as_const(widgets)) {
        if (!isEdit(w) || w->property(HookedProperty).toBool())
            continue;
        w->setProperty(HookedProperty, true);
        w->installEventFilter(highlighter);
        setBase(w, w->hasFocus() ? Focused : QColor(Qt::white));
    }
}
