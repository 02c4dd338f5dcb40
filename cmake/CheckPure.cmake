# Fails when a file of the pure-logic library reaches for widgets or other
# window-system modules, directly or through a platform window header.
# Run with -DSOURCES="a.cpp;b.h;...".
foreach(file IN LISTS SOURCES)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        if(line MATCHES "<Qt(Widgets|Gui|PrintSupport|Network|DBus)|<Q(Widget|Application|GuiApplication|Painter|Image|Pixmap|Font|Menu|Action)[>/]|platform/(windows|controls|menus|services|internal|fonts)\\.h")
            message(SEND_ERROR "${file} is pure logic but includes ${line}")
        endif()
    endforeach()
endforeach()
