#include "ui/common/pictures.h"

#include "platform/globals.h"

#include <QAbstractButton>
#include <QDateTimeEdit>
#include <QHash>
#include <QImageReader>

// The resources live in a static library: nothing references them, so
// they must be registered by hand before the first read.
static void registerPictureResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

namespace {

const QString ResourceFolder = QStringLiteral(":/pictures/");

QHash<QString, QPixmap> &glyphs()
{
    static QHash<QString, QPixmap> loaded;
    return loaded;
}

QPixmap readResource(const QString &name)
{
    registerPictureResources();
    QPixmap picture;
    picture.load(ResourceFolder + name, "PNG");
    return picture;
}

QPixmap &background()
{
    static QPixmap picture;
    return picture;
}

} // namespace

const QPixmap &BackgroundPicture() { return background(); }

void LoadBackgroundPicture() { background() = readResource(QStringLiteral("bgd_wallpaper")); }

const QStringList &ButtonGlyphNames()
{
    static const QStringList names{
        QStringLiteral("btnInsert"), QStringLiteral("btnSave"),       QStringLiteral("btnDelete"),
        QStringLiteral("btnCancel"), QStringLiteral("btnPrint"),      QStringLiteral("btnEdit"),
        QStringLiteral("btnClose"),  QStringLiteral("btnCloseSmall"), QStringLiteral("btnSearchSmall"),
        QStringLiteral("btnHelp")};
    return names;
}

void LoadButtonGlyphs(const QString &folder)
{
    registerPictureResources();
    QString from = folder.isEmpty() ? ResourceFolder : folder;
    if (!from.endsWith(QLatin1Char('/')))
        from += QLatin1Char('/');
    // In the resources a glyph is named without an extension.
    const QString suffix = folder.isEmpty() ? QString() : QStringLiteral(".png");
    glyphs().clear();
    for (const QString &name : ButtonGlyphNames()) {
        QImageReader reader(from + name + suffix);
        const QImage image = reader.read();
        if (image.isNull()) {
            SetLastError(QStringLiteral("GetResourceAsBMP"),
                         QStringLiteral("Impossivel carregar Stream.\r\n ResourceName: ") + name);
            continue;
        }
        glyphs().insert(name, QPixmap::fromImage(image));
    }
}

QPixmap ButtonGlyph(const QString &name) { return glyphs().value(name); }

void ApplyButtonGlyphs(QWidget *window)
{
    if (!window)
        return;
    QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
    if (auto *self = qobject_cast<QAbstractButton *>(window))
        buttons.prepend(self);
    for (QAbstractButton *button : std::as_const(buttons)) {
        const QPixmap glyph = glyphs().value(button->objectName());
        if (glyph.isNull())
            continue;
        button->setIcon(QIcon(glyph));
        button->setIconSize(glyph.size());
    }
}

void SetDateEditGlyph(QDateTimeEdit *edit)
{
    if (!edit)
        return;
    registerPictureResources();
    edit->setCalendarPopup(true);
    // The style draws the drop-down button; only a style sheet can give
    // that button a picture of our own.
    edit->setStyleSheet(edit->styleSheet() +
                        QStringLiteral("QDateTimeEdit::drop-down { subcontrol-origin: padding; "
                                       "subcontrol-position: center right; width: 20px; border: 0; }"
                                       "QDateTimeEdit::down-arrow { image: url(:/pictures/calendar); "
                                       "width: 16px; height: 16px; }"));
}

QIcon MenuPicture(int index)
{
    if (index < 0 || index >= MenuPictureCount)
        return {};
    static QHash<int, QIcon> cache;
    auto it = cache.find(index);
    if (it == cache.end())
        it = cache.insert(index, QIcon(readResource(QStringLiteral("menu/%1").arg(index, 2, 10, QLatin1Char('0')))));
    return *it;
}

QPixmap EditorPicture(int index)
{
    // Grids draw these in every cell of a column: read each once.
    static QHash<int, QPixmap> cache;
    auto it = cache.find(index);
    if (it != cache.end())
        return *it;
    QString name;
    switch (index) {
    case EditorDueNotSettled:
        name = QStringLiteral("due_not_settled");
        break;
    case EditorDueSettled:
        name = QStringLiteral("due_settled");
        break;
    case EditorCalendar:
        name = QStringLiteral("calendar");
        break;
    default:
        return {};
    }
    return *cache.insert(index, readResource(name));
}
