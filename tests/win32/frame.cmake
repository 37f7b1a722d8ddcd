# Tests of the whole program's Windows side: the native frame of frameless
# windows, the insertion road against native controls, the single-instance
# channel, the Run value. In a cross build ctest
# runs it under Wine through the build's emulator (cmake/wine-run.sh.in), on
# the qwindows platform, so it needs a display: $DISPLAY or a private Xvfb.
if(SCRIVLET_BACKEND STREQUAL "win")
    add_executable(tst_framewin ${CMAKE_CURRENT_LIST_DIR}/tst_framewin.cpp)
    scrivlet_test_code(tst_framewin)
    target_link_libraries(tst_framewin PRIVATE scrivlet_ui scrivlet_core Qt5::Test)
    add_test(NAME tst_framewin COMMAND tst_framewin)
    # Both show windows and take the focus on the one display: never side by side.
    set_tests_properties(tst_framewin PROPERTIES TIMEOUT 240 LABELS win32 RUN_SERIAL TRUE)

    # The insertion road with the real backend against native controls.
    add_executable(tst_win32insert ${CMAKE_CURRENT_LIST_DIR}/tst_win32insert.cpp)
    scrivlet_test_code(tst_win32insert)
    target_link_libraries(tst_win32insert PRIVATE scrivlet_platform scrivlet_ui scrivlet_core Qt5::Test)
    add_test(NAME tst_win32insert COMMAND tst_win32insert)
    # "Pick a window" needs a window of another program: the target program.
    add_dependencies(tst_win32insert wintarget)
    target_compile_definitions(tst_win32insert PRIVATE
        SCRIVLET_WINTARGET="$<TARGET_FILE:wintarget>")
    set_tests_properties(tst_win32insert PROPERTIES TIMEOUT 240 LABELS win32 RUN_SERIAL TRUE)

    # The single-instance channel: its name, the first instance, the hand-over.
    add_executable(tst_winchannel ${CMAKE_CURRENT_LIST_DIR}/tst_winchannel.cpp)
    scrivlet_test_code(tst_winchannel)
    target_link_libraries(tst_winchannel PRIVATE scrivlet_platform scrivlet_core Qt5::Test)
    # The check it shares with the Unix channel's test.
    target_include_directories(tst_winchannel PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
    add_test(NAME tst_winchannel COMMAND tst_winchannel)
    set_tests_properties(tst_winchannel PROPERTIES TIMEOUT 120 LABELS win32)

    # Writes or removes the Run value through the same code as the program,
    # for scripts/test-windows.sh to read back with "wine reg query":
    #   autostartcheck on|off
    add_executable(autostartcheck ${CMAKE_CURRENT_LIST_DIR}/autostartcheck.cpp)
    target_link_libraries(autostartcheck PRIVATE scrivlet_core)
endif()
