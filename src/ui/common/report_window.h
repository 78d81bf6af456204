#pragma once
// What PrintReport needs of a report layout: its data, its page count and
// its preview. The report engine's layouts implement it.
#include <QObject>

namespace ds {
class DataSet;
}

class ReportWindow : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~ReportWindow() override;

    // The table object the layout reads by itself, if it has one.
    virtual ds::DataSet *ownData() const { return nullptr; }
    // The table object given by the caller (printed row by row).
    virtual void setData(ds::DataSet *data) { data_ = data; }
    ds::DataSet *data() const { return data_; }
    // Whether the layout shows "page / pages" (its label "n_paginas").
    virtual bool hasPageCountLabel() const { return false; }
    // Lays the report out and returns its number of pages.
    virtual int preparePages() { return 1; }
    virtual void setPageCountText(const QString &) {}
    // Shows the print preview modally.
    virtual void showPreview() = 0;
    // Releases the printer.
    virtual void releasePrinter() {}

private:
    ds::DataSet *data_ = nullptr;
};
