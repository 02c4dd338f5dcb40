// Shared insides of the platform layer: the registries of windows,
// controls and menus, and the Qt classes behind the program's windows.
#pragma once

#include "platform/events.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <string>

class QMenu;
class QAction;

namespace platform {

class ContentView;

// A top-level window of the program with the menu bar and a content view
// whose coordinates are the program's content coordinates.
class ProgramWindow : public QMainWindow {
    Q_OBJECT
public:
    ProgramWindow(int number, bool resizable);
    int Number() const { return number_; }
    ContentView* Content() const { return content_; }
    void RebuildMenuBar();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void DeliverBounds(bool sizeChanged);
    int number_;
    ContentView* content_;
};

class ContentView : public QWidget {
    Q_OBJECT
public:
    ContentView(int window, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void DeliverMouseDown(QMouseEvent* e, int clicks);
    int window_;
    int wheelRemainder_ = 0;
};

struct MenuEntry {
    QPointer<QMenu> menu;
    QList<bool> itemEnabled; // the items' own states; the title's is separate
    bool enabled = true;
};

struct Registry {
    QHash<int, QPointer<ProgramWindow>> windows;
    QHash<quint64, QPointer<QWidget>> controls;
    QHash<int, MenuEntry> menus;
    QList<int> barOrder;
    WindowHandler windowHandler = nullptr;
    ControlHandler controlHandler = nullptr;
    CommandHandler commandHandler = nullptr;
    QHash<int, WindowHandler> boundsHandlers;
    QHash<int, ContextMenuHandler> contextHandlers;
    std::function<int(int)> popUpChooser;
    std::function<bool(const std::string&)> urlOpener;
    std::function<void(int)> exitHook;
    bool exitRequested = false;
    int beeps = 0;
};

Registry& R();

inline quint64 ControlKey(int window, int control)
{
    return (quint64(quint32(window)) << 32) | quint32(control);
}

ProgramWindow* Window(int number);
QWidget* Control(int window, int control);
void RegisterControl(int window, int control, QWidget* widget);

int DeliverWindowEvent(const WindowEvent& e);
int DeliverControlEvent(const ControlEvent& e);
unsigned ModifiersFrom(Qt::KeyboardModifiers mods);

// Keeps every window's menu bar and command buttons in step with the menus.
void MenusChanged();
void InstallKeyFilter();
void SetUpMenuAction(QAction* action, int menu, int item);

} // namespace platform
