# The native frame of frameless windows on Windows, run under Wine when cross
# built (see run-wine.sh, which brings its own Xvfb and Wine prefix).
if(SCRIVLET_BACKEND STREQUAL "win")
    add_executable(tst_framewin ${CMAKE_CURRENT_LIST_DIR}/tst_framewin.cpp)
    target_link_libraries(tst_framewin PRIVATE scrivlet_ui scrivlet_core Qt5::Test)
    if(CMAKE_CROSSCOMPILING)
        get_target_property(qt_core_dll Qt5::Core IMPORTED_LOCATION_RELEASE)
        get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
        add_test(NAME tst_framewin
                 COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-wine.sh ${qt_bin} $<TARGET_FILE:tst_framewin>)
    else()
        add_test(NAME tst_framewin COMMAND tst_framewin)
    endif()
    set_tests_properties(tst_framewin PROPERTIES TIMEOUT 240 LABELS win32)
endif()
