# The wine prefix that the Windows test programs run in, made once when the build is first
# configured, so that the tests never race to create it (and CI on a clean machine has one).
if(NOT EXISTS ${KUITTI_WINEPREFIX}/system.reg)
  message(STATUS "Creating the wine prefix ${KUITTI_WINEPREFIX}")
  execute_process(COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init
    RESULT_VARIABLE booted)
  execute_process(COMMAND env WINEPREFIX=${KUITTI_WINEPREFIX} wineserver --wait)
  if(NOT booted EQUAL 0 OR NOT EXISTS ${KUITTI_WINEPREFIX}/system.reg)
    message(FATAL_ERROR "wine could not create its prefix ${KUITTI_WINEPREFIX}")
  endif()
endif()
