#pragma once
// The program's own pictures, compiled in as resources (pictures.qrc): the
// background of the borderless windows, the button glyphs, the menu
// pictures of the main window and the small pictures windows draw (dues
// board marks, the calendar of date edits). Loaded once at start, they live
// for the whole run.
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QDateTimeEdit;
class QWidget;

// The shared background; null until LoadBackgroundPicture (windows then
// paint a gradient of their own). A function, not a global object: a
// pixmap may only be made once the application exists.
const QPixmap &BackgroundPicture();

// Reads the PNG resource "bgd_wallpaper" into BackgroundPicture.
void LoadBackgroundPicture();

// The ten button glyph names, in their fixed order: "btnInsert", "btnSave",
// "btnDelete", "btnCancel", "btnPrint", "btnEdit", "btnClose",
// "btnCloseSmall", "btnSearchSmall", "btnHelp".
const QStringList &ButtonGlyphNames();

// Reads every button glyph from `folder` (the compiled-in resources unless
// told otherwise; a file there is named after the glyph, with ".png").
// A glyph that cannot be read stays absent and sets the error context
// "GetResourceAsBMP" / "Impossivel carregar Stream.\r\n ResourceName: " +
// its name.
void LoadButtonGlyphs(const QString &folder = QString());

// The loaded glyph of that name; null when absent or not loaded.
QPixmap ButtonGlyph(const QString &name);

// Every button of the window (itself included) whose objectName is one of
// the ten glyph names gets that glyph as its icon. Other buttons
// ("btnSearch", "btnUndelete", ...) keep theirs; so does a button whose
// glyph is absent.
void ApplyButtonGlyphs(QWidget *window);

// The date edit drops down a calendar, and its button shows the calendar
// picture (EditorPicture 4).
void SetDateEditGlyph(QDateTimeEdit *edit);

// The menu image list of the main window: the tree, the main menu and the
// tab pages. 16 × 16 pictures.
enum MenuPictureIndex {
    MenuFolder = 0,
    MenuFolderOpen = 1,
    MenuForm = 2,
    MenuList = 3,
    MenuTabPage = 4,
    MenuReport = 5,
    MenuSettings = 6,
    MenuMembers = 7,
    MenuDues = 8,
    MenuReceipt = 9,
    MenuMail = 10,
    MenuDatabase = 11,
    MenuUser = 12,
    MenuUpdate = 13,
    MenuInformation = 14,
    MenuCloseTab = 15,
    MenuExit = 16,
    MenuDonation = 17,
    MenuExport = 18,
    MenuScript = 19,
    MenuPictureCount = 20
};
// The picture at index; a null icon outside 0 … MenuPictureCount - 1.
QIcon MenuPicture(int index);

// The small pictures windows draw themselves (the data module's editor
// image list): 0 the mark of a due not settled (an empty box), 1 of a due
// settled (a ticked box), 4 the calendar. Null for any other index.
enum EditorPictureIndex { EditorDueNotSettled = 0, EditorDueSettled = 1, EditorCalendar = 4 };
QPixmap EditorPicture(int index);
