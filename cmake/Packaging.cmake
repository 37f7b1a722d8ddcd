# Packages made by CPack from the install tree of cmake/Install.cmake:
#   Linux:   cpack -G DEB    -> scrivlet_<version>_<arch>.deb
#   Windows: cpack -G NSIS   -> Scrivlet-<version>-win64-setup.exe (also from
#            the mingw-w64 cross build, with Debian's makensis)
# Run cpack in the build folder; docs/building.md ("Install") has the steps.

set(CPACK_PACKAGE_NAME scrivlet)
set(CPACK_PACKAGE_VENDOR Vantok)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${SCRIVLET_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.vantok.com/scrivlet/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tray program that puts stored phrases into other windows")
set(CPACK_PACKAGE_DESCRIPTION
    "Zem Scrivlet keeps a list of phrases and puts them into the focused text
field of the window in front: press a phrase's global shortcut anywhere and
its text lands where the caret is. A picker shortcut opens a searchable list
beside the caret, and a floating panel lists the phrases with Copy and Type
buttons. Short texts are typed as key events, longer ones are pasted through
the clipboard, whose previous content is put back afterwards. It runs in the
notification area of an X11 desktop.")
# The program is stripped (and the mingw-w64 runtime DLLs lose their debugging
# information, see Install.cmake); the Qt DLLs go as they come.
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR NSIS)
    set(CPACK_PACKAGE_FILE_NAME Scrivlet-${PROJECT_VERSION}-win64-setup)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY "Zem Scrivlet")
    set(CPACK_NSIS_DISPLAY_NAME "Zem Scrivlet")
    set(CPACK_NSIS_PACKAGE_NAME "Zem Scrivlet ${PROJECT_VERSION}")
    set(CPACK_NSIS_CONTACT "https://www.vantok.com/scrivlet/contact/")
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/icons/Scrivlet.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/icons/Scrivlet.ico)
    set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
    # The template holds Chinese texts.
    set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-INPUTCHARSET UTF8")
    # Our own template (cmake/nsis/NSIS.template.in): CMake's asks for
    # administrator rights and installs for all users; ours installs for the
    # one user, like the program's data and its Run value.
    list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/nsis)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_PACKAGE_NAME scrivlet)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION utils)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    # The shared libraries' packages, as dpkg-shlibdeps finds them for the
    # binary; the Qt plugins the program loads (xcb, ico) come with libqt5gui5.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
endif()

include(CPack)
