// Shared insides of the platform layer: the registries of windows,
// controls and menus, and the Qt classes behind the program's windows.
#pragma once

#include "platform/events.h"
#include "platform/test_seams.h"

#include <QDialog>
#include <QHash>

class QLabel;
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QKeySequence;
struct DialogRequest;
class QMenu;
class QAction;
class QPainter;

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

// A dialog window of the program: a sheet (window-modal on its parent) or a
// free-standing window, fixed in size. Escape does not dismiss it: the
// program's key handling decides.
class ProgramDialog : public QDialog {
    Q_OBJECT
public:
    ProgramDialog(int number, QWidget* parent, int width, int height);
    ContentView* Content() const { return content_; }
    void reject() override { }

protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;

private:
    int number_;
    ContentView* content_;
};

class ContentView : public QWidget {
    Q_OBJECT
public:
    ContentView(int window, QWidget* parent);
    // The off-screen image the program draws into, sized to the view.
    QImage& Buffer();
    const QImage& BufferImage() const { return buffer_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void DeliverMouseDown(QMouseEvent* e, int clicks);
    int window_;
    int wheelRemainder_ = 0;
    QImage buffer_;
};

struct MenuEntry {
    QPointer<QMenu> menu;
    QList<bool> itemEnabled; // the items' own states; the title's is separate
    bool enabled = true;
};

struct WindowEntry {
    QPointer<QWidget> top;         // the ProgramWindow or ProgramDialog
    QPointer<ContentView> content; // origin of the content coordinates
    bool sheet = false;            // window-modal on its parent
    QRect lightArea;               // the placard: fixed light colours whatever the theme
};

struct Registry {
    QHash<int, WindowEntry> windows;
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
    std::function<bool(const std::string&)> programStarter;
    std::function<void(const SentSuiteEvent&)> suiteRecorder;
    int beeps = 0;
};

Registry& R();

// UTF-8 text (a fixed text, a label, a message) as Qt's string.
inline QString Utf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

inline quint64 ControlKey(int window, int control)
{
    return (quint64(quint32(window)) << 32) | quint32(control);
}

QWidget* Window(int number);              // the top-level widget
ProgramWindow* MenuBarWindow(int number); // a window with the menu bar, or null
ContentView* ContentOf(int number);
int WindowNumberOf(const QWidget* widget); // 0 when not a window of the program
bool DeliverClose(int number);             // true when the program handled it
QWidget* Control(int window, int control);
void RegisterControl(int window, int control, QWidget* widget);
// Shrinks a label's font, from the size it was made with, until its text fits.
void FitLabelText(QLabel* label);

int DeliverWindowEvent(const WindowEvent& e);
// A shown window of the program moved or changed size.
void DeliverBoundsChanged(const QWidget* top, int number, bool sizeChanged);
int DeliverControlEvent(const ControlEvent& e);
unsigned ModifiersFrom(Qt::KeyboardModifiers mods);

// Keep every window's menu bar, and the buttons that stand for menu items,
// in step with the menus.
void MenuBarChanged();
// True when an enabled item of the menu bar has these keys as its shortcut.
bool IsEnabledMenuShortcut(const QKeySequence& keys);
void MenuStatesChanged();
void InstallKeyFilter();
void SetUpMenuAction(QAction* action, int menu, int item);

// The test's answers to dialogs, if a test gives them.
const std::function<std::string(const DialogRequest&)>& DialogAnswerer();
// Points the drawing procedures at a printed page (null: back to windows).
void SetPrintPainter(QPainter* painter);

} // namespace platform
