#include "platform/controls.h"

#include "platform/fonts.h"
#include "platform/internal.h"
#include "platform/mac_roman.h"
#include "platform/menus.h"

#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QToolButton>

namespace platform {

QWidget* Control(int window, int control)
{
    return R().controls.value(ControlKey(window, control));
}

void RegisterControl(int window, int control, QWidget* widget)
{
    DisposeControl(window, control);
    R().controls.insert(ControlKey(window, control), widget);
}

} // namespace platform

using namespace platform;

namespace {

const QColor kLightBlue(197, 222, 255);

QString Utf8(std::string_view s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QIcon BundleImage(std::string_view name)
{
    const QString path = QStringLiteral(":/Images/") + Utf8(name);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

template<class W>
W* Place(int window, int control, Rect r, W* widget)
{
    widget->setGeometry(r.left, r.top, r.Width(), r.Height());
    RegisterControl(window, control, widget);
    widget->show();
    return widget;
}

void Hit(int window, int control, int part = 0, int menuItem = 0)
{
    ControlEvent e;
    e.window = window;
    e.control = control;
    e.part = part;
    e.menuItem = menuItem;
    DeliverControlEvent(e);
}

void ApplyStyle(QWidget* w, const TextStyle& style)
{
    w->setFont(ProgramFont(style.fontNum, style.size));
    if (style.colour) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::WindowText, QColor::fromRgb(style.colour));
        w->setPalette(pal);
    }
    if (style.lightBlueBack) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, kLightBlue);
        w->setPalette(pal);
        w->setAutoFillBackground(true);
    }
}

// A vertical scroll bar whose arrows and thumb report to the control
// handler, which moves the value itself; its page areas do nothing.
class ProgramScrollBar : public QScrollBar {
public:
    ProgramScrollBar(int window, int control, QWidget* parent)
        : QScrollBar(Qt::Vertical, parent)
        , window_(window)
        , control_(control)
    {
        setFocusPolicy(Qt::NoFocus);
        connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) { OnAction(action); });
    }

protected:
    void wheelEvent(QWheelEvent* e) override
    {
        // The wheel over the bar scrolls the sheet as it does over the rows.
        if (QWidget* content = parentWidget()) QCoreApplication::sendEvent(content, e);
    }

private:
    void OnAction(int action)
    {
        int part = 0;
        switch (action) {
        case SliderSingleStepSub: part = kPartUpArrow; break;
        case SliderSingleStepAdd: part = kPartDownArrow; break;
        case SliderPageStepSub: part = kPartPageUp; break;
        case SliderPageStepAdd: part = kPartPageDown; break;
        case SliderMove: part = kPartThumb; break;
        default: break;
        }
        if (part == kPartThumb) setValue(sliderPosition());
        else setSliderPosition(value()); // the handler decides where the bar goes
        Hit(window_, control_, part);
    }
    int window_;
    int control_;
};

} // namespace

void CreatePlacard(int window, int control, Rect r)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QFrame(parent);
    w->setFrameShape(QFrame::StyledPanel);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(236, 236, 236));
    w->setPalette(pal);
    Place(window, control, r, w)->lower();
}

void CreateStaticText(int window, int control, Rect r, std::string_view utf8, TextStyle style)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QLabel(Utf8(utf8), parent);
    w->setTextFormat(Qt::PlainText);
    w->setAlignment((style.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    ApplyStyle(w, style);
    Place(window, control, r, w);
}

void CreateStaticText(int window, int control, Rect r, const Str255& text, TextStyle style)
{
    CreateStaticText(window, control, r, ToQString(text).toStdString(), style);
}

void CreatePicture(int window, int control, Rect r, std::string_view imageName)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QLabel(parent);
    const QIcon icon = BundleImage(imageName);
    if (!icon.isNull()) w->setPixmap(icon.pixmap(QSize(r.Width(), r.Height()), w->devicePixelRatioF()));
    w->setAttribute(Qt::WA_TransparentForMouseEvents); // no tracking
    Place(window, control, r, w);
}

void CreateIcon(int window, int control, Rect r, StandardIcon icon)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QLabel(parent);
    QIcon image;
    switch (icon) {
    case StandardIcon::Caution: image = w->style()->standardIcon(QStyle::SP_MessageBoxWarning); break;
    case StandardIcon::Stop: image = w->style()->standardIcon(QStyle::SP_MessageBoxCritical); break;
    case StandardIcon::Application: image = BundleImage("merestone.png"); break;
    }
    w->setPixmap(image.pixmap(QSize(r.Width(), r.Height()), w->devicePixelRatioF()));
    w->setScaledContents(true);
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    Place(window, control, r, w);
}

void CreatePushButton(int window, int control, Rect r, std::string_view title)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QPushButton(Utf8(title), parent);
    w->setFocusPolicy(Qt::NoFocus);
    QObject::connect(w, &QPushButton::clicked, w, [w, window, control] {
        w->setChecked(w->property("hilite").toBool()); // highlighting is the program's
        Hit(window, control);
    });
    Place(window, control, r, w);
}

void CreateMenuItemButton(int window, int control, Rect r, std::string_view title, int menu, int item)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QPushButton(Utf8(title), parent);
    w->setProperty("menuNumber", menu);
    w->setProperty("menuItem", item);
    w->setEnabled(MenuIsEnabled(menu) && MenuItemIsEnabled(menu, item));
    QObject::connect(w, &QPushButton::clicked, w, [menu, item] { ChooseMenuItem(menu, item); });
    Place(window, control, r, w);
}

void CreateBevelButton(int window, int control, Rect r, std::string_view imageName,
                       std::string_view title, int popupMenu)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QToolButton(parent);
    w->setFocusPolicy(Qt::NoFocus);
    const QIcon icon = BundleImage(imageName);
    if (!icon.isNull()) {
        w->setIcon(icon);
        w->setIconSize(QSize(16, 16));
    }
    if (!title.empty()) {
        w->setText(Utf8(title));
        w->setFont(ProgramFont(1, 11.0f)); // small bevel buttons use the small system size
    }
    w->setToolButtonStyle(title.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
    if (QMenu* menu = popupMenu > 0 ? R().menus.value(popupMenu).menu.data() : nullptr) {
        w->setMenu(menu);
        w->setPopupMode(QToolButton::InstantPopup);
        QObject::connect(menu, &QMenu::triggered, w, [w, window, control, menu](QAction* a) {
            if (!w->isVisible()) return;
            Hit(window, control, 0, int(menu->actions().indexOf(a)) + 1);
        });
    } else {
        QObject::connect(w, &QToolButton::clicked, w, [window, control] { Hit(window, control); });
    }
    Place(window, control, r, w);
}

void CreateDisclosureTriangle(int window, int control, Rect r, int value)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QToolButton(parent);
    w->setFocusPolicy(Qt::NoFocus);
    w->setAutoRaise(true);
    w->setCheckable(true);
    w->setChecked(value != 0);
    // Value 0 shows what the triangle discloses, so it points down.
    auto arrow = [w] { w->setArrowType(w->isChecked() ? Qt::RightArrow : Qt::DownArrow); };
    arrow();
    QObject::connect(w, &QToolButton::toggled, w, arrow);
    QObject::connect(w, &QToolButton::clicked, w, [window, control] { Hit(window, control); });
    Place(window, control, r, w);
}

void CreateScrollBar(int window, int control, Rect r, int value, int minimum, int maximum)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new ProgramScrollBar(window, control, parent);
    w->setRange(minimum, maximum);
    w->setValue(value);
    Place(window, control, r, w);
}

void CreateEditField(int window, int control, Rect r, const Str255& text, TextStyle style)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QLineEdit(ToQString(text), parent);
    w->setMaxLength(int(Str255::kMax));
    w->setAlignment(style.centred ? Qt::AlignCenter : Qt::AlignLeft);
    w->setFont(ProgramFont(style.fontNum, style.size));
    w->setContextMenuPolicy(Qt::PreventContextMenu); // the sheet's own menu serves
    Place(window, control, r, w);
}

void DisposeControl(int window, int control)
{
    QPointer<QWidget> w = R().controls.take(ControlKey(window, control));
    if (w) {
        w->hide();
        w->deleteLater();
    }
}

bool ControlExists(int window, int control)
{
    return Control(window, control) != nullptr;
}

void SetControlHelpTag(int window, int control, std::string_view utf8)
{
    if (QWidget* w = Control(window, control)) w->setToolTip(Utf8(utf8));
}

void SetControlEnabled(int window, int control, bool enabled)
{
    if (QWidget* w = Control(window, control)) w->setEnabled(enabled);
}

bool ControlIsEnabled(int window, int control)
{
    QWidget* w = Control(window, control);
    return w && w->isEnabled();
}

void SetControlHighlighted(int window, int control, bool highlighted)
{
    if (auto* b = qobject_cast<QAbstractButton*>(Control(window, control))) {
        b->setProperty("hilite", highlighted);
        b->setCheckable(highlighted || b->isCheckable());
        b->setChecked(highlighted);
    }
}

bool ControlIsHighlighted(int window, int control)
{
    QWidget* w = Control(window, control);
    return w && w->property("hilite").toBool();
}

int GetControlValue(int window, int control)
{
    QWidget* w = Control(window, control);
    if (auto* s = qobject_cast<QAbstractSlider*>(w)) return s->value();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->isChecked() ? 1 : 0;
    return 0;
}

void SetControlValue(int window, int control, int value)
{
    QWidget* w = Control(window, control);
    if (auto* s = qobject_cast<QAbstractSlider*>(w)) s->setValue(value);
    else if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setChecked(value != 0);
}

int GetControlMaximum(int window, int control)
{
    auto* s = qobject_cast<QAbstractSlider*>(Control(window, control));
    return s ? s->maximum() : 0;
}

void SetControlRange(int window, int control, int minimum, int maximum)
{
    if (auto* s = qobject_cast<QAbstractSlider*>(Control(window, control))) s->setRange(minimum, maximum);
}

void SetControlViewSize(int window, int control, int viewSize)
{
    if (auto* s = qobject_cast<QAbstractSlider*>(Control(window, control))) s->setPageStep(viewSize);
}

Str255 GetControlText(int window, int control)
{
    QWidget* w = Control(window, control);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return FromQString(e->text());
    if (auto* l = qobject_cast<QLabel*>(w)) return FromQString(l->text());
    return {};
}

void SetControlText(int window, int control, const Str255& text)
{
    QWidget* w = Control(window, control);
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(ToQString(text));
    else if (auto* l = qobject_cast<QLabel*>(w)) l->setText(ToQString(text));
}

void SetKeyboardFocus(int window, int control)
{
    QWidget* w = Control(window, control);
    if (!w) return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll(); // a focused field offers its whole text
}

void MoveTextCursor(int window, int control, int delta)
{
    if (auto* e = qobject_cast<QLineEdit*>(Control(window, control))) {
        if (delta > 0) e->cursorForward(false, delta);
        else e->cursorBackward(false, -delta);
    }
}
