// The controls as widgets: each Create... procedure places a Qt widget at its
// rectangle, in the program's fonts and colours, and wires it to the control
// handler.
#include "platform/controls.h"

#include "platform/fonts.h"
#include "platform/internal.h"
#include "platform/mac_roman.h"
#include "platform/menus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QWheelEvent>

using namespace platform;

namespace {

const QColor kLightBlue(197, 222, 255);

QIcon BundleImage(std::string_view name)
{
    const QString path = QStringLiteral(":/Images/") + Utf8(name);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

// Qt's light colours, for the areas whose background the program fixes:
// text on them stays dark under a dark theme. Every role is set, so a theme
// that arrives later changes none of them.
const QPalette& LightPalette()
{
    static const QPalette palette = [] {
        QPalette p(QColor(236, 236, 236));
        for (int g = 0; g < QPalette::NColorGroups; ++g)
            for (int r = 0; r < QPalette::NColorRoles; ++r) {
                const auto group = QPalette::ColorGroup(g);
                const auto role = QPalette::ColorRole(r);
                p.setBrush(group, role, p.brush(group, role));
            }
        return p;
    }();
    return palette;
}

// The light palette under the roles the control set for itself.
void MakeLight(QWidget* widget)
{
    const QPalette own = widget->palette();
    QPalette light = LightPalette();
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto role = QPalette::ColorRole(r);
            if (own.isBrushSet(group, role)) light.setBrush(group, role, own.brush(group, role));
        }
    widget->setPalette(light);
}

template<class W> W* Place(int window, int control, Rect r, W* widget)
{
    widget->setGeometry(r.left, r.top, r.Width(), r.Height());
    if (R().windows.value(window).lightArea.contains(widget->geometry())) MakeLight(widget);
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

// A text colour of its own is an accent that reads on light and dark
// backgrounds alike; a background of its own takes its dark text with it.
void ApplyStyle(QWidget* w, const TextStyle& style)
{
    w->setFont(ProgramFont(style.fontNum, style.size));
    QPalette pal = w->palette();
    if (style.lightBlueBack) {
        pal.setColor(QPalette::Window, kLightBlue);
        pal.setColor(QPalette::WindowText, Qt::black);
        w->setAutoFillBackground(true);
    }
    if (style.colour) pal.setColor(QPalette::WindowText, QColor::fromRgb(style.colour));
    w->setPalette(pal);
}

// A button that pops up a menu: a push button, whose style keeps room for
// the arrow beside the title.
void CreatePopUpBevelButton(int window, int control, Rect r, std::string_view title, QMenu* menu)
{
    auto* w = new QPushButton(Utf8(title), ContentOf(window));
    w->setFocusPolicy(Qt::NoFocus);
    w->setFont(ProgramFont(1, 11.0f));
    w->setMenu(menu);
    QObject::connect(menu, &QMenu::triggered, w, [w, window, control, menu](QAction* a) {
        if (!w->isVisible()) return;
        Hit(window, control, 0, int(menu->actions().indexOf(a)) + 1);
    });
    Place(window, control, r, w);
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
        if (part == kPartThumb)
            setValue(sliderPosition());
        else
            setSliderPosition(value()); // the handler decides where the bar goes
        Hit(window_, control_, part);
    }
    int window_;
    int control_;
};

// A check box or radio button whose label would run past its rectangle
// (the desktop's fonts are wider than the ones the places were made for)
// takes a smaller font instead.
void FitButtonText(QAbstractButton* button, int room)
{
    QFont font = button->font();
    while (font.pixelSize() > 8 && button->sizeHint().width() > room) {
        font.setPixelSize(font.pixelSize() - 1);
        button->setFont(font);
    }
}

} // namespace

void CreatePlacard(int window, int control, Rect r)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QFrame(parent);
    w->setFrameShape(QFrame::StyledPanel);
    w->setAutoFillBackground(true);
    R().windows[window].lightArea = QRect(r.left, r.top, r.Width(), r.Height());
    Place(window, control, r, w)->lower();
}

void CreateStaticText(int window, int control, Rect r, std::string_view utf8, TextStyle style)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QLabel(Utf8(utf8), parent);
    w->setTextFormat(Qt::PlainText);
    const Qt::Alignment across = style.centred ? Qt::AlignHCenter : style.rightAligned ? Qt::AlignRight : Qt::AlignLeft;
    w->setAlignment(across | Qt::AlignVCenter);
    if (style.rightAligned) w->setContentsMargins(0, 0, 4, 0); // a label before a field keeps clear of it
    ApplyStyle(w, style);
    w->setProperty("fullPixelSize", w->font().pixelSize());
    Place(window, control, r, w);
    FitLabelText(w);
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
    w->setFont(ProgramFont(1, 13.0f));
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
    w->setFont(ProgramFont(1, 13.0f));
    w->setProperty("menuNumber", menu);
    w->setProperty("menuItem", item);
    w->setEnabled(MenuIsEnabled(menu) && MenuItemIsEnabled(menu, item));
    QObject::connect(w, &QPushButton::clicked, w, [menu, item] { ChooseMenuItem(menu, item); });
    Place(window, control, r, w);
}

void CreateBevelButton(int window, int control, Rect r, std::string_view imageName, std::string_view title,
                       int popupMenu)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    if (QMenu* menu = popupMenu > 0 ? R().menus.value(popupMenu).menu.data() : nullptr)
        return CreatePopUpBevelButton(window, control, r, title, menu);
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
    QObject::connect(w, &QToolButton::clicked, w, [window, control] { Hit(window, control); });
    Place(window, control, r, w);
}

void CreatePictureButton(int window, int control, Rect r, std::string_view imageName)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QToolButton(parent);
    w->setFocusPolicy(Qt::NoFocus); // the window's own keys choose among them
    w->setAutoRaise(true);
    w->setIcon(BundleImage(imageName));
    w->setIconSize(QSize(r.Width(), r.Height()));
    w->setToolButtonStyle(Qt::ToolButtonIconOnly);
    QObject::connect(w, &QToolButton::clicked, w, [window, control] { Hit(window, control); });
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
    w->setTextMargins(0, 0, 0, 0);
    // The small fields of the calculators: a one-pixel border leaves the
    // text the whole height, so it sits in the middle, not on the edge.
    if (r.Height() < 20)
        w->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px; border: 1px solid palette(mid); }"));
    w->setFont(ProgramFont(style.fontNum, style.size));
    w->setContextMenuPolicy(Qt::PreventContextMenu); // the sheet's own menu serves
    Place(window, control, r, w);
}

void CreateGroupBox(int window, int control, Rect r, std::string_view title)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QGroupBox(Utf8(title), parent);
    w->setFont(ProgramFont(1, 13.0f));
    w->setAttribute(Qt::WA_TransparentForMouseEvents);
    Place(window, control, r, w)->lower();
}

void CreateSeparator(int window, int control, Rect r)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QFrame(parent);
    w->setFrameShape(QFrame::HLine);
    w->setFrameShadow(QFrame::Sunken);
    Place(window, control, r, w);
}

void CreateRadioGroup(int window, int control, Rect r, const std::vector<std::string>& labels, int value)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QWidget(parent);
    auto* group = new QButtonGroup(w);
    auto* row = new QHBoxLayout(w); // each button as wide as its label needs, the room left between them
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (std::size_t k = 0; k < labels.size(); ++k) {
        auto* b = new QRadioButton(QString::fromStdString(labels[k]), w);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFont(ProgramFont(1, 11.0f));
        row->addWidget(b);
        if (k + 1 < labels.size()) row->addStretch(1);
        b->setChecked(int(k) + 1 == value);
        group->addButton(b, int(k) + 1);
    }
    w->setProperty("value", value);
    QObject::connect(group, &QButtonGroup::idClicked, w, [w, window, control](int id) {
        w->setProperty("value", id);
        Hit(window, control);
    });
    Place(window, control, r, w);
}

void CreateTabControl(int window, int control, Rect r, const std::vector<std::string>& labels, int value)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QWidget(parent);
    auto* pane = new QFrame(w);
    pane->setFrameShape(QFrame::StyledPanel);
    auto* bar = new QTabBar(w);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setDrawBase(false);
    bar->setFont(ProgramFont(1, 12.0f));
    bar->setExpanding(false);
    for (const std::string& label : labels) bar->addTab(QString::fromStdString(label));
    bar->setCurrentIndex(value - 1);
    const int barHeight = bar->sizeHint().height();
    bar->setGeometry((r.Width() - bar->sizeHint().width()) / 2, 0, bar->sizeHint().width(), barHeight);
    pane->setGeometry(0, barHeight / 2, r.Width(), r.Height() - barHeight / 2);
    bar->raise();
    w->setProperty("value", value);
    QObject::connect(bar, &QTabBar::tabBarClicked, w, [w, bar, window, control](int index) {
        if (index < 0) return;
        bar->setCurrentIndex(index);
        w->setProperty("value", index + 1);
        Hit(window, control);
    });
    Place(window, control, r, w)->lower();
}

void CreateCheckBox(int window, int control, Rect r, std::string_view title, int value)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QCheckBox(Utf8(title), parent);
    w->setFont(ProgramFont(1, 13.0f));
    FitButtonText(w, r.Width());
    w->setChecked(value != 0);
    QObject::connect(w, &QCheckBox::clicked, w, [window, control] { Hit(window, control); });
    Place(window, control, r, w);
}

void CreateCheckBoxGroup(int window, int control, Rect r, std::string_view title, int value)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QGroupBox(Utf8(title), parent);
    w->setFont(ProgramFont(1, 13.0f));
    w->setCheckable(true);
    w->setChecked(value != 0);
    QObject::connect(w, &QGroupBox::clicked, w, [window, control] { Hit(window, control); });
    Place(window, control, r, w)->lower();
}

void CreateRadioButton(int window, int control, Rect r, std::string_view title, int value)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QRadioButton(Utf8(title), parent);
    w->setAutoExclusive(false);
    w->setFont(ProgramFont(1, 13.0f));
    FitButtonText(w, r.Width());
    w->setChecked(value != 0);
    QObject::connect(w, &QRadioButton::clicked, w, [w, window, control] {
        w->setChecked(true);
        Hit(window, control);
    });
    Place(window, control, r, w);
}

void CreateToggleButton(int window, int control, Rect r, std::string_view title, int value)
{
    QWidget* parent = ContentOf(window);
    if (!parent) return;
    auto* w = new QToolButton(parent);
    w->setFocusPolicy(Qt::NoFocus);
    w->setText(Utf8(title));
    w->setFont(ProgramFont(1, 11.0f));
    w->setCheckable(true);
    w->setChecked(value != 0);
    QObject::connect(w, &QToolButton::clicked, w, [window, control] { Hit(window, control); });
    Place(window, control, r, w);
}

void CreateResultField(int window, int control, Rect r, const Str255& text, TextStyle style)
{
    CreateEditField(window, control, r, text, style);
    if (auto* e = qobject_cast<QLineEdit*>(Control(window, control))) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, pal.color(QPalette::Window));
        e->setPalette(pal);
    }
}
