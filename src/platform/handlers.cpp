#include "platform/internal.h"

namespace platform {

Registry& R()
{
    static Registry registry;
    return registry;
}

int DeliverWindowEvent(const WindowEvent& e)
{
    return R().windowHandler ? R().windowHandler(e) : kEventNotHandled;
}

int DeliverControlEvent(const ControlEvent& e)
{
    return R().controlHandler ? R().controlHandler(e) : kEventNotHandled;
}

unsigned ModifiersFrom(Qt::KeyboardModifiers mods)
{
    unsigned out = 0;
    if (mods & Qt::ControlModifier) out |= kModCommand;
    if (mods & Qt::ShiftModifier) out |= kModShift;
    if (mods & Qt::AltModifier) out |= kModOption;
    if (mods & Qt::MetaModifier) out |= kModControl;
    return out;
}

} // namespace platform

using namespace platform;

void InstallWindowEventHandler(WindowHandler handler)
{
    R().windowHandler = handler;
    InstallKeyFilter();
}

void InstallControlHitHandler(ControlHandler handler)
{
    R().controlHandler = handler;
}

void InstallCommandHandler(CommandHandler handler)
{
    R().commandHandler = handler;
}

void InstallBoundsChangedHandler(int window, WindowHandler handler)
{
    R().boundsHandlers.insert(window, handler);
}

void InstallContextMenuHandler(int window, ContextMenuHandler handler)
{
    R().contextHandlers.insert(window, handler);
}
