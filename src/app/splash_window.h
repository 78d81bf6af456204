#pragma once
// The splash window shown while the program starts: the version, a status
// line, the table being opened and a progress bar. The start-up sequence
// drives it through this interface; the window itself does no work.
#include <QColor>
#include <QDialog>
#include <QPixmap>

#include <functional>

class QLabel;
class QProgressBar;

class TfmSplash : public QDialog {
    Q_OBJECT
public:
    // The grey of the ordinary status lines.
    static QColor statusGrey() { return QColor(72, 72, 72); }

    // background: the shared background picture; a gradient is drawn when
    // it is null. The window centres itself on the screen.
    explicit TfmSplash(const QPixmap &background = QPixmap(), QWidget *parent = nullptr);

    // The status line ("A ligar servidor MySQL...") in the given colour; a
    // CR LF in text is a line break.
    void setStatus(const QString &text, const QColor &colour = statusGrey());
    QString status() const;
    // The table object being opened: shows "Tabela: " + caption.
    void setTableCaption(const QString &caption);
    QProgressBar *progressBar() const { return bar_; }

    // Runs once, from the event loop, right after the window is first shown
    // (the start-up sequence).
    void setOnFirstShow(std::function<void()> work) { onFirstShow_ = std::move(work); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *image_;
    QLabel *version_;
    QLabel *statusCaption_;
    QLabel *statusInformation_;
    QLabel *table_;
    QProgressBar *bar_;
    std::function<void()> onFirstShow_;
    bool shown_ = false;
};
