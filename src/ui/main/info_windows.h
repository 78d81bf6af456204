#pragma once
// The two small information windows: about the program, and how to make a
// donation. Both are fixed 480 × 275 windows over the background picture.
#include <QDialog>

#include <functional>

class QFormLayout;
class QLabel;

class InfoWindow : public QDialog {
    Q_OBJECT
protected:
    InfoWindow(const QString &objectName, const QString &caption, const QString &title, QWidget *parent);
    void paintEvent(QPaintEvent *event) override;
    // A row "caption value" in the window's list.
    QLabel *addRow(const QString &caption, const QString &value, const QString &name = {});
    // A row whose value is a link that runs `open`.
    QLabel *addLink(const QString &caption, const QString &text, const QString &name, std::function<void()> open);
    QFormLayout *rows_;
    class QVBoxLayout *layout_;
};

class TfmAboutBox : public InfoWindow {
    Q_OBJECT
public:
    explicit TfmAboutBox(QWidget *parent = nullptr);
};

class TfmFormularioDonativo : public InfoWindow {
    Q_OBJECT
public:
    explicit TfmFormularioDonativo(QWidget *parent = nullptr);
};
