# Fails when a file of the pure-logic library includes anything but the
# standard library (and POSIX), Qt Core, or another pure file: no widget,
# GUI, D-Bus or window-procedure header, directly or through a header.
# Run with -DSOURCES="a.cpp;b.h;..." (the pure files), -DSOURCE_ROOT=<src>
# and -DQTCORE_DIR=<the include folders of Qt Core>.
foreach(file IN LISTS SOURCES)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        if(line MATCHES "\"([^\"]+)\"")
            list(FIND SOURCES "${SOURCE_ROOT}/${CMAKE_MATCH_1}" at)
            if(at EQUAL -1)
                message(SEND_ERROR "${file} is pure logic but includes ${line}, which is not")
            endif()
        elseif(line MATCHES "<(Q[^>]*)>")
            set(found FALSE)
            foreach(dir IN LISTS QTCORE_DIR)
                if(EXISTS "${dir}/QtCore/${CMAKE_MATCH_1}" OR EXISTS "${dir}/${CMAKE_MATCH_1}")
                    set(found TRUE)
                endif()
            endforeach()
            if(NOT found)
                message(SEND_ERROR "${file} is pure logic but includes ${line}, which is not Qt Core")
            endif()
        endif()
    endforeach()
endforeach()
