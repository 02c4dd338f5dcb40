#include "platform/menus.h"

#include "platform/internal.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>

using namespace platform;

namespace {

int gWindowMenu = -1; // number of the standard Window menu

QAction* Item(int menu, int item)
{
    QMenu* m = R().menus.value(menu).menu;
    if (!m || item < 1 || item > m->actions().size()) return nullptr;
    return m->actions().at(item - 1);
}

void ApplyEnableStates(int menu)
{
    auto it = R().menus.find(menu);
    if (it == R().menus.end() || !it->menu) return;
    it->menu->menuAction()->setEnabled(it->enabled);
    const QList<QAction*> actions = it->menu->actions();
    for (int i = 0; i < actions.size(); ++i) actions[i]->setEnabled(it->enabled && it->itemEnabled.value(i, true));
}

QWidget* ActiveProgramWindow()
{
    return Window(WindowNumberOf(QApplication::activeWindow()));
}

// The standard Window menu's own items: Minimize, Zoom, Bring All to Front.
void StandardWindowMenuAction(int item)
{
    QWidget* w = ActiveProgramWindow();
    if (item == 1 && w) w->showMinimized();
    if (item == 2 && w) w->isMaximized() ? w->showNormal() : w->showMaximized();
    if (item == 4)
        for (const WindowEntry& each : R().windows)
            if (each.top && each.top->isVisible()) each.top->raise();
}

int Dispatch(int menu, int item, std::uint32_t commandId)
{
    MenuCommand cmd{commandId, menu, item};
    const int result = R().commandHandler ? R().commandHandler(cmd) : kEventNotHandled;
    if (result == kEventNotHandled && menu == gWindowMenu) StandardWindowMenuAction(item);
    return result;
}

QKeySequence ShortcutFor(char key, unsigned modifiers)
{
    if (!key) return {};
    int combo = Qt::CTRL;
    if (modifiers & kModShift) combo |= Qt::SHIFT;
    if (modifiers & kModOption) combo |= Qt::ALT;
    const char upper = (key >= 'a' && key <= 'z') ? char(key - 'a' + 'A') : key;
    return QKeySequence(combo | int(upper));
}

} // namespace

namespace platform {

bool IsEnabledMenuShortcut(const QKeySequence& keys)
{
    for (int number : R().barOrder) {
        QMenu* m = R().menus.value(number).menu;
        if (!m || !R().menus.value(number).enabled) continue;
        for (QAction* a : m->actions())
            if (a->isEnabled() && !a->shortcut().isEmpty() && a->shortcut() == keys) return true;
    }
    return false;
}

void MenuBarChanged()
{
    for (const WindowEntry& entry : R().windows)
        if (auto* w = qobject_cast<ProgramWindow*>(entry.top.data())) w->RebuildMenuBar();
}

void MenuStatesChanged()
{
    for (const WindowEntry& entry : R().windows) {
        if (!entry.top) continue;
        for (QPushButton* b : entry.top->findChildren<QPushButton*>()) {
            const QVariant menu = b->property("menuNumber");
            if (!menu.isValid()) continue;
            const int item = b->property("menuItem").toInt();
            b->setEnabled(MenuIsEnabled(menu.toInt()) && MenuItemIsEnabled(menu.toInt(), item));
        }
    }
}

} // namespace platform

void CreateMenu(int menu, std::string_view title)
{
    DeleteMenu(menu);
    auto* m = new QMenu(Utf8(title));
    m->menuAction()->setMenuRole(QAction::NoRole);
    R().menus.insert(menu, MenuEntry{m, {}, true});
}

void AppendMenuItem(int menu, std::string_view text, char key, unsigned modifiers, std::uint32_t commandId)
{
    auto it = R().menus.find(menu);
    if (it == R().menus.end() || !it->menu) return;
    QAction* a = text == "-" ? it->menu->addSeparator() : it->menu->addAction(Utf8(text));
    a->setMenuRole(QAction::NoRole);
    a->setShortcut(ShortcutFor(key, modifiers));
    a->setData(QVariant::fromValue(commandId));
    const int item = int(it->menu->actions().size());
    it->itemEnabled.append(true);
    QObject::connect(a, &QAction::triggered, a, [menu, item, commandId] {
        if (MenuIsInBar(menu) || commandId) Dispatch(menu, item, commandId);
    });
    ApplyEnableStates(menu);
}

void InsertMenuInBar(int menu)
{
    if (!R().menus.contains(menu) || R().barOrder.contains(menu)) return;
    R().barOrder.append(menu);
    MenuBarChanged();
}

void DeleteMenu(int menu)
{
    const bool inBar = R().barOrder.removeAll(menu) > 0;
    MenuEntry entry = R().menus.take(menu);
    if (menu == gWindowMenu) gWindowMenu = -1;
    if (inBar) MenuBarChanged();
    if (entry.menu) entry.menu->deleteLater(); // a menu may be deleted from its own command
}

bool MenuExists(int menu)
{
    return R().menus.contains(menu);
}

bool MenuIsInBar(int menu)
{
    return R().barOrder.contains(menu);
}

std::string MenuBarTitles()
{
    QStringList titles;
    for (int number : R().barOrder)
        if (QMenu* m = R().menus.value(number).menu) titles << m->title();
    return titles.join(QLatin1Char('|')).toStdString();
}

void SetMenuEnabled(int menu, bool enabled)
{
    auto it = R().menus.find(menu);
    if (it == R().menus.end()) return;
    if (it->enabled == enabled) return;
    it->enabled = enabled;
    ApplyEnableStates(menu);
    MenuStatesChanged();
}

bool MenuIsEnabled(int menu)
{
    return R().menus.value(menu).enabled && R().menus.contains(menu);
}

void SetMenuItemEnabled(int menu, int item, bool enabled)
{
    auto it = R().menus.find(menu);
    if (it == R().menus.end() || item < 1 || item > it->itemEnabled.size()) return;
    if (it->itemEnabled[item - 1] == enabled) return;
    it->itemEnabled[item - 1] = enabled;
    ApplyEnableStates(menu);
    MenuStatesChanged();
}

bool MenuItemIsEnabled(int menu, int item)
{
    const MenuEntry entry = R().menus.value(menu);
    return item >= 1 && item <= entry.itemEnabled.size() && entry.itemEnabled[item - 1];
}

void SetMenuItemText(int menu, int item, std::string_view text)
{
    if (QAction* a = Item(menu, item)) a->setText(Utf8(text));
}

std::string MenuItemText(int menu, int item)
{
    QAction* a = Item(menu, item);
    return a ? a->text().toStdString() : std::string();
}

std::string MenuItemShortcut(int menu, int item)
{
    QAction* a = Item(menu, item);
    return a ? a->shortcut().toString(QKeySequence::PortableText).toStdString() : std::string();
}

void SetMenuItemChecked(int menu, int item, bool checked)
{
    if (QAction* a = Item(menu, item)) {
        // Only a checked item is checkable: styles draw an empty box beside
        // a checkable one that is not checked.
        a->setCheckable(checked);
        a->setChecked(checked);
    }
}

bool MenuItemIsChecked(int menu, int item)
{
    QAction* a = Item(menu, item);
    return a && a->isChecked();
}

int MenuItemCount(int menu)
{
    QMenu* m = R().menus.value(menu).menu;
    return m ? int(m->actions().size()) : 0;
}

void CreateStandardWindowMenu(int menu)
{
    CreateMenu(menu, "Window");
    AppendMenuItem(menu, "Minimize", 'M');
    AppendMenuItem(menu, "Zoom");
    AppendMenuItem(menu, "-");
    AppendMenuItem(menu, "Bring All to Front");
    gWindowMenu = menu;
}

int ChooseMenuItem(int menu, int item)
{
    QAction* a = Item(menu, item);
    if (!a || !a->isEnabled() || a->isSeparator() || !MenuIsEnabled(menu)) return kEventNotHandled;
    return Dispatch(menu, item, a->data().toUInt());
}

int PopUpMenuSelect(int menu, int window, int x, int y)
{
    QMenu* m = R().menus.value(menu).menu;
    ContentView* content = ContentOf(window);
    if (!m || !content) return 0;
    if (R().popUpChooser) return R().popUpChooser(menu);
    QAction* chosen = m->exec(content->mapToGlobal(QPoint(x, y)));
    return chosen ? int(m->actions().indexOf(chosen)) + 1 : 0;
}
