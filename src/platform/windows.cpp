#include "platform/windows.h"

#include "platform/internal.h"
#include "platform/mac_roman.h"
#include "platform/test_access.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>

namespace platform {

ProgramWindow::ProgramWindow(int number, bool resizable)
    : number_(number)
    , content_(new ContentView(number, this))
{
    setCentralWidget(content_);
    setMenuBar(new QMenuBar(this));
    if (!resizable) setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    RebuildMenuBar();
}

void ProgramWindow::RebuildMenuBar()
{
    QMenuBar* bar = menuBar();
    bar->clear();
    for (int number : R().barOrder)
        if (QMenu* m = R().menus.value(number).menu) bar->addMenu(m);
}

void ProgramWindow::closeEvent(QCloseEvent* e)
{
    if (DeliverClose(number_) && Window(number_) == this)
        e->ignore(); // the program decides
    else
        e->accept();
}

void ProgramWindow::changeEvent(QEvent* e)
{
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || Window(number_) != this) return;
    WindowEvent we;
    we.kind = isActiveWindow() ? WindowEventKind::Activated : WindowEventKind::Deactivated;
    we.window = number_;
    DeliverWindowEvent(we);
}

void ProgramWindow::moveEvent(QMoveEvent* e)
{
    QMainWindow::moveEvent(e);
    DeliverBounds(false);
}

void ProgramWindow::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    DeliverBounds(e->size() != e->oldSize());
}

void ProgramWindow::DeliverBounds(bool sizeChanged)
{
    DeliverBoundsChanged(this, number_, sizeChanged);
}

void DeliverBoundsChanged(const QWidget* top, int number, bool sizeChanged)
{
    if (!top->isVisible() || Window(number) != top) return;
    WindowEvent we;
    we.kind = WindowEventKind::BoundsChanged;
    we.window = number;
    we.sizeChanged = sizeChanged;
    if (WindowHandler h = R().boundsHandlers.value(number)) h(we);
    DeliverWindowEvent(we);
}

ProgramDialog::ProgramDialog(int number, QWidget* parent, int width, int height)
    : QDialog(parent)
    , number_(number)
    , content_(new ContentView(number, this))
{
    content_->setGeometry(0, 0, width, height);
    setFixedSize(width, height);
}

void ProgramDialog::moveEvent(QMoveEvent* e)
{
    QDialog::moveEvent(e);
    DeliverBoundsChanged(this, number_, false);
}

void ProgramDialog::closeEvent(QCloseEvent* e)
{
    if (DeliverClose(number_) && Window(number_) == this)
        e->ignore();
    else
        e->accept();
}

ContentView::ContentView(int window, QWidget* parent)
    : QWidget(parent)
    , window_(window)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::ClickFocus);
}

void ContentView::DeliverMouseDown(QMouseEvent* e, int clicks)
{
    if (e->button() != Qt::LeftButton) return;
    WindowEvent we;
    we.kind = WindowEventKind::MouseDown;
    we.window = window_;
    we.x = int(e->position().x());
    we.y = int(e->position().y());
    we.clickCount = clicks;
    we.modifiers = ModifiersFrom(e->modifiers());
    DeliverWindowEvent(we);
}

void ContentView::mousePressEvent(QMouseEvent* e)
{
    DeliverMouseDown(e, 1);
}

void ContentView::mouseDoubleClickEvent(QMouseEvent* e)
{
    DeliverMouseDown(e, 2);
}

void ContentView::wheelEvent(QWheelEvent* e)
{
    // One notch (120 units) is one row; smooth wheels add up to whole rows.
    wheelRemainder_ += e->angleDelta().y();
    const int rows = wheelRemainder_ / 120;
    wheelRemainder_ -= rows * 120;
    if (rows == 0) return;
    WindowEvent we;
    we.kind = WindowEventKind::MouseWheel;
    we.window = window_;
    we.x = int(e->position().x());
    we.y = int(e->position().y());
    we.wheelDelta = rows;
    DeliverWindowEvent(we);
}

QWidget* Window(int number)
{
    return R().windows.value(number).top;
}

ProgramWindow* MenuBarWindow(int number)
{
    return qobject_cast<ProgramWindow*>(Window(number));
}

ContentView* ContentOf(int number)
{
    return R().windows.value(number).content;
}

int WindowNumberOf(const QWidget* widget)
{
    if (!widget) return 0;
    const QWidget* top = widget->window();
    for (auto it = R().windows.cbegin(); it != R().windows.cend(); ++it)
        if (it->top == top) return it.key();
    return 0;
}

bool DeliverClose(int number)
{
    if (!Window(number)) return false; // already disposed
    WindowEvent we;
    we.kind = WindowEventKind::Close;
    we.window = number;
    return DeliverWindowEvent(we) != kEventNotHandled;
}

} // namespace platform

using namespace platform;

namespace {

int MenuBarHeight(QWidget* w)
{
    auto* mw = qobject_cast<QMainWindow*>(w);
    return mw ? mw->menuBar()->sizeHint().height() : 0;
}

// Places the window so that its content starts at the given screen point.
// A place kept from an earlier run may lie on a screen that is gone: the
// window's corner comes back onto this one, far enough in to be grabbed.
QPoint OnScreen(int left, int top)
{
    const Rect screen = AvailableScreenBounds();
    return QPoint(std::clamp(left, int(screen.left), std::max<int>(screen.left, screen.right - 100)),
                  std::clamp(top, int(screen.top), std::max<int>(screen.top, screen.bottom - 60)));
}

void PlaceContent(ProgramWindow* w, int left, int top, int width, int height)
{
    const int bar = MenuBarHeight(w);
    const QPoint at = OnScreen(left, top - bar);
    w->setGeometry(at.x(), at.y(), width, height + bar);
    w->Content()->resize(width, height); // laid out now, before the window first shows
}

ProgramWindow* NewMenuBarWindow(int number, bool resizable)
{
    DisposeWindow(number);
    auto* w = new ProgramWindow(number, resizable);
    R().windows.insert(number, WindowEntry{w, w->Content(), false, {}});
    return w;
}

} // namespace

void CreateDocumentWindow(int window, Rect b)
{
    ProgramWindow* w = NewMenuBarWindow(window, true);
    PlaceContent(w, b.left, b.top, b.Width(), b.Height());
}

void CreateMenuBarWindow(int window, int width, int height, std::string_view title)
{
    ProgramWindow* w = NewMenuBarWindow(window, false);
    w->setWindowTitle(Utf8(title));
    w->Content()->setFixedSize(width, height);
    w->setFixedSize(width, height + MenuBarHeight(w));
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    PlaceContent(w, avail.center().x() - width / 2, avail.center().y() - height / 2, width, height);
}

void CreateDialogWindow(int window, int parent, int width, int height, std::string_view title)
{
    DisposeWindow(window);
    QWidget* owner = parent > 0 ? Window(parent) : nullptr;
    auto* d = new ProgramDialog(window, owner, width, height);
    d->setWindowTitle(Utf8(title));
    d->setWindowModality(owner ? Qt::WindowModal : Qt::NonModal);
    R().windows.insert(window, WindowEntry{d, d->Content(), owner != nullptr, {}});
}

void MoveWindowContentTo(int window, int left, int top)
{
    QWidget* w = Window(window);
    if (!w) return;
    const QPoint at = OnScreen(left, top);
    w->setGeometry(at.x(), at.y(), w->width(), w->height());
}

void CreateAlertWindow(int window, int width, int height, std::string_view title)
{
    CreateDialogWindow(window, 0, width, height, title);
    Window(window)->setWindowModality(Qt::ApplicationModal);
}

void DisposeWindow(int window)
{
    WindowEntry entry = R().windows.take(window);
    for (auto it = R().controls.begin(); it != R().controls.end();)
        it = (it.key() >> 32) == quint64(quint32(window)) ? R().controls.erase(it) : std::next(it);
    R().boundsHandlers.remove(window);
    R().contextHandlers.remove(window);
    if (!entry.top) return;
    entry.top->hide();
    entry.top->setParent(nullptr); // a sheet must not die with, or outlive, its parent's deletion
    entry.top->deleteLater();
}

bool WindowExists(int window)
{
    return Window(window) != nullptr;
}

void ShowWindow(int window)
{
    const WindowEntry entry = R().windows.value(window);
    if (!entry.top) return;
    if (auto* d = qobject_cast<QDialog*>(entry.top.data()); d && entry.sheet) {
        d->open(); // window-modal on its parent; never a nested event loop
        return;
    }
    entry.top->show();
    entry.top->raise();
    entry.top->activateWindow();
}

void HideWindow(int window)
{
    if (QWidget* w = Window(window)) w->hide();
}

bool WindowIsVisible(int window)
{
    QWidget* w = Window(window);
    return w && w->isVisible();
}

bool WindowIsSheet(int window)
{
    return R().windows.value(window).sheet;
}

void SelectWindow(int window)
{
    if (QWidget* w = Window(window)) {
        w->raise();
        w->activateWindow();
    }
}

void SetWindowTitle(int window, const Str255& title)
{
    // The modified mark needs its placeholder; a literal one in a name is doubled.
    if (QWidget* w = Window(window))
        w->setWindowTitle(ToQString(title).replace(QLatin1String("[*]"), QLatin1String("[*][*]"))
                          + QStringLiteral("[*]"));
}

void SetWindowModifiedMark(int window, bool modified)
{
    if (QWidget* w = Window(window)) w->setWindowModified(modified);
}

void SetWindowFilePath(int window, const std::string& path)
{
    if (QWidget* w = Window(window)) w->setWindowFilePath(QString::fromStdString(path));
}

bool WindowModifiedMark(int window)
{
    QWidget* w = Window(window);
    return w && w->isWindowModified();
}

void SetWindowResizeLimits(int window, int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    if (ContentView* c = ContentOf(window)) {
        c->setMinimumSize(minWidth, minHeight);
        c->setMaximumSize(maxWidth, std::max(minHeight, maxHeight));
    }
    // The window's own limit too, or maximizing widens it past its content.
    if (QWidget* w = Window(window)) w->setMaximumWidth(maxWidth);
}

void SetWindowContentSize(int window, int width, int height)
{
    if (QWidget* w = Window(window)) w->resize(width, height + MenuBarHeight(w));
}

Rect GetWindowContentBounds(int window)
{
    ContentView* c = ContentOf(window);
    if (!c) return {};
    const QPoint origin = c->mapToGlobal(QPoint(0, 0));
    return LTRB(origin.x(), origin.y(), origin.x() + c->width(), origin.y() + c->height());
}

int WindowContentHeight(int window)
{
    ContentView* c = ContentOf(window);
    return c ? c->height() : 0;
}

Rect AvailableScreenBounds()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return LTRB(0, 0, 1024, 768);
    const QRect r = screen->availableGeometry();
    return LTRB(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}

QWidget* WindowWidget(int window)
{
    return Window(window);
}

QWidget* ContentWidget(int window)
{
    return ContentOf(window);
}

QWidget* ControlWidget(int window, int control)
{
    return Control(window, control);
}

QImage WindowDrawing(int window)
{
    ContentView* c = ContentOf(window);
    return c ? c->BufferImage() : QImage();
}
