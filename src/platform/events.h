// Events as the program's handlers see them, and the installation of the
// handlers. One window handler and one control handler serve every window;
// each answers 0 for an event it handled and kEventNotHandled otherwise, so
// that the platform's own handling applies.
#pragma once

#include <cstdint>

constexpr int kEventNotHandled = -9874;

constexpr std::uint32_t FourCC(const char (&code)[5])
{
    return (std::uint32_t(std::uint8_t(code[0])) << 24) | (std::uint32_t(std::uint8_t(code[1])) << 16)
        | (std::uint32_t(std::uint8_t(code[2])) << 8) | std::uint32_t(std::uint8_t(code[3]));
}

constexpr std::uint32_t kCommandQuit = FourCC("quit");

// Modifier keys: Command is Ctrl, Option is Alt, Control is the Meta key.
enum Modifier : unsigned {
    kModCommand = 1u << 0,
    kModShift = 1u << 1,
    kModOption = 1u << 2,
    kModControl = 1u << 3,
};

// Character codes of the keys the program tells apart.
enum KeyCode : int {
    kKeyHome = 1,
    kKeyEnter = 3,
    kKeyEnd = 4,
    kKeyBackspace = 8,
    kKeyTab = 9,
    kKeyPageUp = 11,
    kKeyPageDown = 12,
    kKeyReturn = 13,
    kKeyEscape = 27,
    kKeyLeft = 28,
    kKeyRight = 29,
    kKeyUp = 30,
    kKeyDown = 31,
    kKeySpace = 32,
    kKeyDelete = 127,
};

enum class WindowEventKind {
    Activated,
    Deactivated,
    Close,
    BoundsChanged,
    MouseDown,
    MouseWheel,
    KeyDown,
    KeyRepeat,
};

struct WindowEvent {
    WindowEventKind kind = WindowEventKind::MouseDown;
    int window = 0;
    int x = 0, y = 0;   // content coordinates of a mouse event
    int clickCount = 0; // 1 single, 2 double
    int wheelDelta = 0; // rows: positive towards the top
    int charCode = 0;   // KeyCode or the typed character's Mac OS Roman byte
    unsigned modifiers = 0;
    bool sizeChanged = false; // with BoundsChanged
};

// Scroll bar parts, as the action routine tells them apart.
enum ScrollPart : int {
    kPartUpArrow = 20,
    kPartDownArrow = 21,
    kPartPageUp = 22,
    kPartPageDown = 23,
    kPartThumb = 129,
};

enum class ControlEventKind { Hit, PointerEntered, PointerLeft };

// Return or Enter: what a window's default button answers to.
inline bool IsDefaultButtonKey(const WindowEvent& e)
{
    return e.kind == WindowEventKind::KeyDown && (e.charCode == kKeyReturn || e.charCode == kKeyEnter);
}

struct ControlEvent {
    ControlEventKind kind = ControlEventKind::Hit;
    int window = 0;
    int control = 0;
    int part = 0;     // scroll bar part, or 0
    int menuItem = 0; // item chosen from a pop-up button's menu, 0 for none
};

struct MenuCommand {
    std::uint32_t commandId = 0; // kCommandQuit for Quit, else 0
    int menu = 0;
    int item = 0;
};

using WindowHandler = int (*)(const WindowEvent&);
using ControlHandler = int (*)(const ControlEvent&);
using CommandHandler = int (*)(const MenuCommand&);
using ContextMenuHandler = int (*)(int window, int x, int y); // content coordinates

void InstallWindowEventHandler(WindowHandler handler);
void InstallControlHitHandler(ControlHandler handler);
void InstallCommandHandler(CommandHandler handler);
// A second handler for one window's bounds-changed event, called before
// the window handler (the live-resize handler of the main window).
void InstallBoundsChangedHandler(int window, WindowHandler handler);
void InstallContextMenuHandler(int window, ContextMenuHandler handler);
