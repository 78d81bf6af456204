#include "app/window_classes.h"

#include "ui/common/window_registry.h"
#include "ui/main/info_windows.h"
#include "ui/main/user_window.h"

namespace {

template <typename Window>
void registerWindow(const char *className)
{
    RegisterWindowClass(QString::fromLatin1(className), [](QWidget *parent) { return new Window(parent); });
}

} // namespace

void RegisterAllWindows()
{
    registerWindow<TfmAboutBox>("TfmAboutBox");
    registerWindow<TfmFormularioDonativo>("TfmFormularioDonativo");
    registerWindow<TfmFormularioUtilizador>("TfmFormularioUtilizador");
}
