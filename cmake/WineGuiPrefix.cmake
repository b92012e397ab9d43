# The wine prefix of the test programs that open windows, apart from the console programs' one:
# these end every wine process of their prefix when they finish (see wine-gui-run). Made once,
# when the build is first configured. Tests run with KUITTI_WINE_GUI_EMULATOR take the resource
# lock wine_gui, one at a time.
set(KUITTI_WINE_GUI_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix-gui)
set(KUITTI_WINE_GUI_EMULATOR env WINEPREFIX=${KUITTI_WINE_GUI_PREFIX} WINEDEBUG=-all
  WINE64=${KUITTI_WINE64} ${CMAKE_CURRENT_LIST_DIR}/wine-gui-run)
if(NOT EXISTS ${KUITTI_WINE_GUI_PREFIX}/system.reg)
  message(STATUS "Creating the wine prefix ${KUITTI_WINE_GUI_PREFIX}")
  execute_process(COMMAND env WINEPREFIX=${KUITTI_WINE_GUI_PREFIX} WINEDEBUG=-all
    ${KUITTI_WINE64} wineboot --init RESULT_VARIABLE booted)
  execute_process(COMMAND env WINEPREFIX=${KUITTI_WINE_GUI_PREFIX} wineserver --wait)
  if(NOT booted EQUAL 0 OR NOT EXISTS ${KUITTI_WINE_GUI_PREFIX}/system.reg)
    message(FATAL_ERROR "wine could not create its prefix ${KUITTI_WINE_GUI_PREFIX}")
  endif()
endif()
# Windows has the bitmap face "Courier" that the copy box asks for; Debian's wine registers its
# own (coure.fon, package fonts-wine) but looks for it only in the prefix's Fonts folder.
set(wine_courier /usr/share/wine/fonts/coure.fon)
if(NOT EXISTS ${wine_courier})
  message(FATAL_ERROR "No ${wine_courier} for the window tests (Debian: fonts-wine)")
endif()
file(COPY ${wine_courier} DESTINATION ${KUITTI_WINE_GUI_PREFIX}/drive_c/windows/Fonts)
