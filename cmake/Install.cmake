# What `cmake --install` puts where. Included from the top-level CMakeLists.txt
# once the scrivlet target exists; cmake/Packaging.cmake packs the same tree.
#
# Linux (prefix /usr for packages, /usr/local by default):
#   bin/scrivlet
#   share/applications/com.vantok.Scrivlet.desktop
#   share/metainfo/com.vantok.Scrivlet.metainfo.xml
#   share/icons/hicolor/{16x16..256x256,scalable}/apps/scrivlet.{png,svg}
#   share/man/man1/scrivlet.1.gz
#   share/doc/scrivlet/{guide.html,guide_zh.html,copyright,changelog.gz}
# Windows: one folder, the deploy folder's files: scrivlet.exe, its Qt and
# runtime DLLs and the Qt plugins in their sub-folders.

# Directories come out 0755 whatever the umask of the one who installs.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(SCRIVLET_PACKAGE_CONTACT "Vantok <scrivlet@vantok.com>"
    CACHE STRING "Maintainer of the packages, as \"Name <address>\"")

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsDeployFiles.cmake)
    install(TARGETS scrivlet RUNTIME DESTINATION .)
    foreach(module ${SCRIVLET_DEPLOY_QT_MODULES})
        install(FILES ${SCRIVLET_QT_BIN}/Qt5${module}.dll DESTINATION .)
    endforeach()
    if(SCRIVLET_RUNTIME_DLLS)
        install(FILES ${SCRIVLET_RUNTIME_DLLS} DESTINATION .)
        # Debian's mingw-w64 runtime DLLs carry their debugging information
        # (libstdc++ is 23 MB with it, 4 MB without); a stripped install
        # (cpack, --strip) leaves it out.
        foreach(dll ${SCRIVLET_RUNTIME_DLLS})
            get_filename_component(name ${dll} NAME)
            install(CODE "if(CMAKE_INSTALL_DO_STRIP)
                execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${name}\")
            endif()")
        endforeach()
    endif()
    if(MSVC)
        # The compiler's runtime, which mingw-w64 builds take from the list above.
        set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
        include(InstallRequiredSystemLibraries)
    endif()
    foreach(plugin ${SCRIVLET_DEPLOY_QT_PLUGINS})
        get_filename_component(dir ${plugin} DIRECTORY)
        install(FILES ${SCRIVLET_QT_PLUGINS}/${plugin} DESTINATION ${dir})
    endforeach()
    return()
endif()

# Debian keeps a package's documents in share/doc/<package>.
set(CMAKE_INSTALL_DOCDIR share/doc/scrivlet CACHE PATH "Documentation (guide, copyright)")
include(GNUInstallDirs)

set(linux_res ${PROJECT_SOURCE_DIR}/resources/linux)
set(data_out ${CMAKE_BINARY_DIR}/linux)
file(MAKE_DIRECTORY ${data_out})

install(TARGETS scrivlet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# KWin offers typing and its window list only to a program whose absolute
# path the Exec line of an installed entry names, with the protocols listed.
# The path is the one installed to, which `cmake --install --prefix` and the
# packages decide only when they install: the entry is written then.
install(CODE "
    file(READ \"${linux_res}/com.vantok.Scrivlet.desktop.in\" entry)
    string(REPLACE \"@SCRIVLET_INSTALLED_BINARY@\"
           \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/scrivlet\" entry \"\${entry}\")
    file(WRITE \"${data_out}/applications/com.vantok.Scrivlet.desktop\" \"\${entry}\")
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
         TYPE FILE PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
         FILES \"${data_out}/applications/com.vantok.Scrivlet.desktop\")
")
install(FILES ${linux_res}/com.vantok.Scrivlet.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon theme: the renderings of the Windows icon, and the SVG they come
# from for every other size.
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${linux_res}/icons/scrivlet-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME scrivlet.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/scrivlet.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The man page and the change log go compressed, as Debian wants them:
# gzip -9 without a time stamp, so the same sources give the same package.
find_program(SCRIVLET_GZIP gzip REQUIRED)
configure_file(${linux_res}/debian/changelog.in ${data_out}/changelog @ONLY)
set(gz_files)
foreach(pair "${linux_res}/scrivlet.1|scrivlet.1.gz" "${data_out}/changelog|changelog.gz")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 in)
    list(GET pair 1 out)
    add_custom_command(OUTPUT ${data_out}/${out}
        COMMAND ${SCRIVLET_GZIP} -9 -n -c ${in} > ${data_out}/${out}
        DEPENDS ${in}
        COMMENT "Compressing ${out}")
    list(APPEND gz_files ${data_out}/${out})
endforeach()
add_custom_target(scrivlet_linux_data ALL DEPENDS ${gz_files})
add_dependencies(scrivlet scrivlet_linux_data)

install(FILES ${data_out}/scrivlet.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${linux_res}/debian/copyright ${data_out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The user guide, for reading without the program (the program opens its own
# embedded copy).
foreach(page guide.html guide_zh.html)
    if(EXISTS ${PROJECT_SOURCE_DIR}/resources/help/${page})
        install(FILES ${PROJECT_SOURCE_DIR}/resources/help/${page}
                DESTINATION ${CMAKE_INSTALL_DOCDIR})
    endif()
endforeach()
