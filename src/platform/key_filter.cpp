// Keys and contextual-menu clicks reach the program's window handler before
// the focused control sees them, as raw key events did: what the handler
// leaves unhandled goes on to the control.
#include "platform/internal.h"
#include "platform/mac_roman.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenuBar>

namespace platform {
namespace {

int CharCodeFor(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_Return: return kKeyReturn;
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return kKeyTab;
    case Qt::Key_Escape: return kKeyEscape;
    case Qt::Key_Backspace: return kKeyBackspace;
    case Qt::Key_Delete: return kKeyDelete;
    case Qt::Key_Space: return kKeySpace;
    case Qt::Key_Home: return kKeyHome;
    case Qt::Key_End: return kKeyEnd;
    case Qt::Key_PageUp: return kKeyPageUp;
    case Qt::Key_PageDown: return kKeyPageDown;
    default: break;
    }
    const QString text = e->text();
    if (!text.isEmpty() && text.at(0).isPrint()) {
        const int b = UnicodeToMacRoman(text.toUcs4().value(0));
        return b < 0 ? int('?') : b;
    }
    if (e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z) return 'a' + (e->key() - Qt::Key_A);
    return 0;
}

bool IsModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta
        || key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

int WindowNumberOfTarget(QObject* target)
{
    return WindowNumberOf(qobject_cast<QWidget*>(target));
}

class KeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) return OnKey(target, static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::ShortcutOverride)
            return OnShortcutOverride(target, static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::ContextMenu) return OnContextMenu(target, static_cast<QContextMenuEvent*>(event));
        return false;
    }

private:
    bool OnKey(QObject* target, QKeyEvent* e)
    {
        // A key press travels up the parents; take it once, at the focus widget.
        if (target != QApplication::focusWidget() && target != QApplication::activeWindow()) return false;
        const int window = WindowNumberOfTarget(target);
        if (!window || IsModifierKey(e->key())) return false;
        if (e->key() == Qt::Key_F10 && e->modifiers() == Qt::NoModifier) return OpenMenuBar(window);
        WindowEvent we;
        we.kind = e->isAutoRepeat() ? WindowEventKind::KeyRepeat : WindowEventKind::KeyDown;
        we.window = window;
        we.charCode = CharCodeFor(e);
        we.modifiers = ModifiersFrom(e->modifiers());
        return DeliverWindowEvent(we) != kEventNotHandled;
    }

    // F10 opens the first menu of the window's menu bar, as on other desktops.
    static bool OpenMenuBar(int window)
    {
        ProgramWindow* w = MenuBarWindow(window);
        if (!w || w->menuBar()->actions().isEmpty()) return false;
        for (QAction* a : w->menuBar()->actions())
            if (a->isEnabled() && a->isVisible()) {
                w->menuBar()->setActiveAction(a);
                return true;
            }
        return false;
    }

    // In a window with the menu bar the menus' shortcuts come first: a text
    // field does not take Ctrl+C, Ctrl+V and the like for itself there.
    bool OnShortcutOverride(QObject* target, QKeyEvent* e)
    {
        const int window = WindowNumberOfTarget(target);
        if (!window || !MenuBarWindow(window)) return false;
        return IsEnabledMenuShortcut(QKeySequence(e->keyCombination()));
    }

    bool OnContextMenu(QObject* target, QContextMenuEvent* e)
    {
        const int window = WindowNumberOfTarget(target);
        ContextMenuHandler handler = R().contextHandlers.value(window);
        if (!window || !handler) return false;
        const QPoint p = ContentOf(window)->mapFromGlobal(e->globalPos());
        handler(window, p.x(), p.y());
        return true; // the handler always takes the click
    }
};

} // namespace

void InstallKeyFilter()
{
    static KeyFilter* filter = nullptr;
    if (filter || !qApp) return;
    filter = new KeyFilter(qApp);
    qApp->installEventFilter(filter);
}

} // namespace platform
