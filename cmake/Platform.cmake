# Chooses the window-system backend. The rest of the program only sees the
# interfaces in src/platform/, so this is the one place that knows the platform.
if(WIN32)
    set(SCRIVLET_BACKEND win)
elseif(UNIX AND NOT APPLE)
    option(WITH_X11 "Build the X11 backend" ON)
    if(NOT WITH_X11)
        message(FATAL_ERROR "The X11 backend is the only one for this platform; keep WITH_X11 ON.")
    endif()
    set(SCRIVLET_BACKEND x11)
else()
    message(FATAL_ERROR "No window-system backend for ${CMAKE_SYSTEM_NAME}.")
endif()
message(STATUS "Scrivlet window-system backend: ${SCRIVLET_BACKEND}")

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsRuntime.cmake)
endif()
