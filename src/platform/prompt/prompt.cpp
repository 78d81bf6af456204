#include "platform/prompt/prompt.h"

#include <QDialog>
#include <QStringList>

namespace {
prompt::MessageHandler messageHandler;
prompt::DialogRunner dialogRunner;
} // namespace

MsgButton ShowMessageDialog(const QString &text, MsgKind kind, MsgButtons buttons)
{
    const ShownMessage message{kind, text, buttons};
    if (messageHandler)
        return messageHandler(message);
    return prompt::ShowMessageBox(message);
}

int RunModal(QDialog &dialog)
{
    if (dialogRunner)
        return dialogRunner(dialog);
    return dialog.exec();
}

namespace prompt {

void SetMessageHandler(MessageHandler handler) { messageHandler = std::move(handler); }
void SetDialogRunner(DialogRunner runner) { dialogRunner = std::move(runner); }

Script::Script()
{
    SetMessageHandler([this](const ShownMessage &m) {
        shown_ << m;
        if (!answers_.isEmpty())
            return answers_.takeFirst();
        if (m.buttons & mbOK)
            return mbOK;
        for (unsigned b = 1; b <= mbHelp; b <<= 1)
            if (m.buttons & b)
                return MsgButton(b);
        return mbCancel;
    });
}

Script::~Script() { SetMessageHandler({}); }

QStringList Script::texts() const
{
    QStringList out;
    for (const ShownMessage &m : shown_)
        out << m.text;
    return out;
}

} // namespace prompt
