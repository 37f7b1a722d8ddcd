# Frameless window chrome on a real X server: screenshots of a themed dialog in
# both themes (kept under artefacts/chrome in the build folder) and moving and
# resizing through the window manager. The test starts its own Xvfb and icewm.
if(SCRIVLET_BACKEND STREQUAL "x11")
    add_executable(tst_chrome_x11 ${CMAKE_CURRENT_LIST_DIR}/tst_chrome_x11.cpp)
    target_link_libraries(tst_chrome_x11 PRIVATE scrivlet_ui scrivlet_core Qt5::Test)
    target_compile_definitions(tst_chrome_x11 PRIVATE
        SCRIVLET_ARTEFACT_DIR="${CMAKE_BINARY_DIR}/artefacts/chrome")
    add_test(NAME tst_chrome_x11 COMMAND tst_chrome_x11)
    set_tests_properties(tst_chrome_x11 PROPERTIES TIMEOUT 180 LABELS x11 RUN_SERIAL TRUE)
endif()
