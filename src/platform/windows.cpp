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

namespace platform {

ProgramWindow::ProgramWindow(int number, bool resizable)
    : number_(number)
    , content_(new ContentView(number, this))
{
    setAttribute(Qt::WA_DeleteOnClose, false);
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
    if (Window(number_) != this) return e->accept(); // already disposed
    WindowEvent we;
    we.kind = WindowEventKind::Close;
    we.window = number_;
    if (DeliverWindowEvent(we) == kEventNotHandled) e->accept();
    else e->ignore(); // the program closes or keeps the window itself
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
    if (!isVisible() || Window(number_) != this) return;
    WindowEvent we;
    we.kind = WindowEventKind::BoundsChanged;
    we.window = number_;
    we.sizeChanged = sizeChanged;
    if (WindowHandler h = R().boundsHandlers.value(number_)) h(we);
    DeliverWindowEvent(we);
}

ContentView::ContentView(int window, QWidget* parent)
    : QWidget(parent)
    , window_(window)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
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

ProgramWindow* Window(int number)
{
    return R().windows.value(number);
}

} // namespace platform

using namespace platform;

namespace {

// Places the window so that its content starts at the given screen point.
void PlaceContent(ProgramWindow* w, int left, int top, int width, int height)
{
    const int bar = w->menuBar()->sizeHint().height();
    w->setGeometry(left, top - bar, width, height + bar);
    w->Content()->resize(width, height); // laid out now, before the window first shows
}

ProgramWindow* NewWindow(int number, bool resizable)
{
    DisposeWindow(number);
    auto* w = new ProgramWindow(number, resizable);
    R().windows.insert(number, w);
    return w;
}

} // namespace

void CreateDocumentWindow(int window, Rect b)
{
    ProgramWindow* w = NewWindow(window, true);
    PlaceContent(w, b.left, b.top, b.Width(), b.Height());
}

void CreateMenuBarWindow(int window, int width, int height, std::string_view title)
{
    ProgramWindow* w = NewWindow(window, false);
    w->setWindowTitle(QString::fromUtf8(title.data(), qsizetype(title.size())));
    w->Content()->setFixedSize(width, height);
    w->setFixedSize(width, height + w->menuBar()->sizeHint().height());
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    PlaceContent(w, avail.center().x() - width / 2, avail.center().y() - height / 2, width, height);
}

void DisposeWindow(int window)
{
    ProgramWindow* w = R().windows.take(window);
    if (!w) return;
    for (auto it = R().controls.begin(); it != R().controls.end();)
        it = (it.key() >> 32) == quint64(quint32(window)) ? R().controls.erase(it) : std::next(it);
    R().boundsHandlers.remove(window);
    R().contextHandlers.remove(window);
    w->hide();
    w->deleteLater();
}

bool WindowExists(int window)
{
    return Window(window) != nullptr;
}

void ShowWindow(int window)
{
    if (ProgramWindow* w = Window(window)) {
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void HideWindow(int window)
{
    if (ProgramWindow* w = Window(window)) w->hide();
}

bool WindowIsVisible(int window)
{
    ProgramWindow* w = Window(window);
    return w && w->isVisible();
}

void SelectWindow(int window)
{
    if (ProgramWindow* w = Window(window)) {
        w->raise();
        w->activateWindow();
    }
}

void SetWindowTitle(int window, const Str255& title)
{
    // The modified mark needs its placeholder; a literal one in a name is doubled.
    if (ProgramWindow* w = Window(window))
        w->setWindowTitle(ToQString(title).replace(QLatin1String("[*]"), QLatin1String("[*][*]"))
                          + QStringLiteral("[*]"));
}

void SetWindowTitleUtf8(int window, std::string_view title)
{
    if (ProgramWindow* w = Window(window))
        w->setWindowTitle(QString::fromUtf8(title.data(), qsizetype(title.size())));
}

void SetWindowModifiedMark(int window, bool modified)
{
    if (ProgramWindow* w = Window(window)) w->setWindowModified(modified);
}

bool WindowModifiedMark(int window)
{
    ProgramWindow* w = Window(window);
    return w && w->isWindowModified();
}

void SetWindowResizeLimits(int window, int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    if (ProgramWindow* w = Window(window)) {
        w->Content()->setMinimumSize(minWidth, minHeight);
        w->Content()->setMaximumSize(maxWidth, std::max(minHeight, maxHeight));
    }
}

void SetWindowContentSize(int window, int width, int height)
{
    if (ProgramWindow* w = Window(window))
        w->resize(width, height + w->menuBar()->sizeHint().height());
}

Rect GetWindowContentBounds(int window)
{
    ProgramWindow* w = Window(window);
    if (!w) return {};
    const QPoint origin = w->Content()->mapToGlobal(QPoint(0, 0));
    const QSize size = w->Content()->size();
    return LTRB(origin.x(), origin.y(), origin.x() + size.width(), origin.y() + size.height());
}

int WindowContentHeight(int window)
{
    ProgramWindow* w = Window(window);
    return w ? w->Content()->height() : 0;
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
    ProgramWindow* w = Window(window);
    return w ? w->Content() : nullptr;
}

QWidget* ControlWidget(int window, int control)
{
    return Control(window, control);
}
