# Where a Windows build finds the DLLs its programs need at run time, and, when
# cross-compiling, how ctest runs the Windows test programs: under Wine.
# Included from cmake/Platform.cmake, so every folder sees these variables and
# every test target gets the emulator.

# The .exe's icon and version resource (cmake/Windows.cmake).
enable_language(RC)

# Where the DLLs a deployed folder needs come from.
get_target_property(scrivlet_qt_core_dll Qt5::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(SCRIVLET_QT_BIN ${scrivlet_qt_core_dll} DIRECTORY)
get_filename_component(SCRIVLET_QT_PLUGINS ${SCRIVLET_QT_BIN}/../plugins ABSOLUTE)
if(MINGW)
    # The compiler's own runtime (libstdc++, libgcc_s) and the sysroot's
    # winpthread; the compiler knows where both are.
    foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                        OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
        get_filename_component(dll_path ${dll_path} ABSOLUTE)
        list(APPEND SCRIVLET_RUNTIME_DLLS ${dll_path})
    endforeach()
    list(GET SCRIVLET_RUNTIME_DLLS 0 first_dll)
    get_filename_component(SCRIVLET_GCC_DLLS ${first_dll} DIRECTORY)
    list(GET SCRIVLET_RUNTIME_DLLS 2 pthread_dll)
    get_filename_component(SCRIVLET_SYSROOT_DLLS ${pthread_dll} DIRECTORY)
endif()

if(CMAKE_CROSSCOMPILING AND NOT CMAKE_HOST_WIN32)
    # ctest runs every Windows test program through Wine, with one Wine prefix
    # for the build folder (creating one costs seconds and hundreds of MB).
    set(SCRIVLET_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
    find_path(SCRIVLET_WINE_FONTS tahoma.ttf PATHS /usr/share/wine/fonts /usr/lib/wine/fonts
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT SCRIVLET_WINE_FONTS)
        set(SCRIVLET_WINE_FONTS /usr/share/wine/fonts)
    endif()
    configure_file(${PROJECT_SOURCE_DIR}/cmake/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                   @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                   GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
endif()
