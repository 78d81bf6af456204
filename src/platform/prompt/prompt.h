#pragma once
// Every question, message and modal prompt of the program goes through this
// seam, so tests can answer them from a script and see exactly what was
// shown. Without a script the real widgets are used.
#include <QList>
#include <QString>

#include <functional>

class QDialog;

enum class MsgKind { Warning, Error, Information, Confirmation };

enum MsgButton : unsigned {
    mbNone = 0,
    mbYes = 1 << 0,
    mbNo = 1 << 1,
    mbOK = 1 << 2,
    mbCancel = 1 << 3,
    mbAbort = 1 << 4,
    mbRetry = 1 << 5,
    mbIgnore = 1 << 6,
    mbAll = 1 << 7,
    mbNoToAll = 1 << 8,
    mbYesToAll = 1 << 9,
    mbHelp = 1 << 10,
};
using MsgButtons = unsigned;

// Shows a modal message box with Portuguese captions; returns the button
// pressed (closing the box without a button counts as Cancel).
MsgButton ShowMessageDialog(const QString &text, MsgKind kind, MsgButtons buttons);

// Runs a dialog modally (QDialog::exec) unless a test runner is installed.
int RunModal(QDialog &dialog);

// What a scripted test sees of one message box.
struct ShownMessage {
    MsgKind kind;
    QString text;
    MsgButtons buttons;
};

namespace prompt {

using MessageHandler = std::function<MsgButton(const ShownMessage &)>;
using DialogRunner = std::function<int(QDialog &)>;

// Installs (or, with an empty function, removes) the test handlers.
void SetMessageHandler(MessageHandler handler);
void SetDialogRunner(DialogRunner runner);

// The real message box, used when no handler is installed.
MsgButton ShowMessageBox(const ShownMessage &message);

// A simple script for tests: answers come from a queue (OK when it is empty
// and the box has an OK button, else the first button), every message is
// recorded.
class Script {
public:
    Script();
    ~Script();
    Script(const Script &) = delete;
    Script &operator=(const Script &) = delete;

    void answer(MsgButton button) { answers_ << button; }
    const QList<ShownMessage> &shown() const { return shown_; }
    QStringList texts() const;
    void clear() { shown_.clear(); answers_.clear(); }

private:
    QList<ShownMessage> shown_;
    QList<MsgButton> answers_;
};

} // namespace prompt
