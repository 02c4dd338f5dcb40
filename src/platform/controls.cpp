#include "platform/controls.h"

#include "platform/fonts.h"
#include "platform/internal.h"
#include "platform/mac_roman.h"
#include "platform/menus.h"

#include <QApplication>
#include <QButtonGroup>
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

// The largest size, down to 7 pixels, at which the label's text fits its
// width: a longer text shrinks rather than being cut.
void FitLabelText(QLabel* label)
{
    const int full = label->property("fullPixelSize").toInt();
    if (full <= 0) return;
    QFont font = label->font();
    font.setPixelSize(full);
    const int room = label->contentsRect().width();
    const auto widest = [&label](const QFont& f) {
        int w = 0;
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            w = std::max(w, QFontMetrics(f).horizontalAdvance(line));
        return w;
    };
    while (font.pixelSize() > 7 && widest(font) > room) font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
}

} // namespace platform

using namespace platform;

int FocusedControl(int window)
{
    QWidget* focus = QApplication::focusWidget();
    for (auto it = R().controls.cbegin(); it != R().controls.cend(); ++it)
        if (it.value() == focus && (it.key() >> 32) == quint64(quint32(window))) return int(it.key() & 0xFFFFFFFF);
    return 0;
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

void SetDefaultButton(int window, int control)
{
    if (auto* b = qobject_cast<QPushButton*>(Control(window, control))) b->setDefault(true);
}

bool ControlIsHighlighted(int window, int control)
{
    QWidget* w = Control(window, control);
    return w && w->property("hilite").toBool();
}

int GetControlValue(int window, int control)
{
    QWidget* w = Control(window, control);
    if (w && w->property("value").isValid()) return w->property("value").toInt(); // radio groups, tabs
    if (auto* s = qobject_cast<QAbstractSlider*>(w)) return s->value();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->isChecked() ? 1 : 0;
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->isChecked() ? 1 : 0;
    return 0;
}

void SetControlValue(int window, int control, int value)
{
    QWidget* w = Control(window, control);
    if (w && w->property("value").isValid()) {
        w->setProperty("value", value);
        if (auto* bar = w->findChild<QTabBar*>()) bar->setCurrentIndex(value - 1);
        if (auto* group = w->findChild<QButtonGroup*>())
            if (QAbstractButton* b = group->button(value)) b->setChecked(true);
        return;
    }
    if (auto* s = qobject_cast<QAbstractSlider*>(w))
        s->setValue(value);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setChecked(value != 0);
    else if (auto* g = qobject_cast<QGroupBox*>(w))
        g->setChecked(value != 0);
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
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(ToQString(text));
    else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(ToQString(text));
        FitLabelText(l);
    }
}

void SetControlTextUtf8(int window, int control, std::string_view utf8)
{
    QWidget* w = Control(window, control);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(Utf8(utf8));
    else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(Utf8(utf8));
        FitLabelText(l);
    }
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
        if (delta > 0)
            e->cursorForward(false, delta);
        else
            e->cursorBackward(false, -delta);
    }
}
