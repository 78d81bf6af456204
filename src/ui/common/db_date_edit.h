#pragma once
// A date field's edit: the mask "!99/99/0000;1;_" (dd/MM/yyyy) whatever the
// field's own mask, and a calendar button at its right end that drops down
// a calendar; picking a day writes it. Clearing the text writes null (a date
// may be empty). Typing follows DBEdit's rules: a partial date is held
// until it is a whole, valid date.
#include "ui/common/db_edit.h"

class QAction;
class QCalendarWidget;
class QFrame;

class DBDateEdit : public DBEdit {
    Q_OBJECT
public:
    static constexpr const char *DateMask = "!99/99/0000;1;_";

    explicit DBDateEdit(QWidget *parent = nullptr);
    DBDateEdit(ds::DataSet *dataSet, const QString &field, QWidget *parent = nullptr);

    // The calendar button (an action inside the edit); windows give it
    // its picture.
    QAction *calendarAction() const { return calendarAction_; }
    void setButtonIcon(const QIcon &icon);

    // Drops the calendar down on the field's date (today when empty).
    void showCalendar();
    // The calendar while it is dropped down, else null.
    QCalendarWidget *calendar() const;

protected:
    QString delphiMask() const override;
    void refresh() override;

private:
    void picked(const QDate &date);

    QAction *calendarAction_ = nullptr;
    QFrame *popup_ = nullptr;
    QCalendarWidget *calendar_ = nullptr;
};
