# The Windows installer, kuittikopio-<version>-win64.msi: `cmake --build BUILD --target msi`.
find_program(KUITTI_WIXL wixl NO_CMAKE_FIND_ROOT_PATH)
if(NOT KUITTI_WIXL)
  message(WARNING "wixl not found: no msi target (Debian: wixl)")
  return()
endif()
if(NOT TARGET kuittikopio)
  return()
endif()
# The support address the window shows at its foot, as a link.
set(KUITTI_SUPPORT_LINK "http://www.kassatuki.example/" CACHE STRING
  "the support address of the installer's entry in Programs and Features (none when empty)")
set(KUITTI_MSI ${PROJECT_BINARY_DIR}/kuittikopio-${PROJECT_VERSION}-win64.msi)
set(msi_icon ${PROJECT_SOURCE_DIR}/src/app/win32/kuittikopio.ico)
add_custom_command(OUTPUT ${KUITTI_MSI}
  COMMAND env STRIP=${CMAKE_STRIP} SUPPORT_LINK=${KUITTI_SUPPORT_LINK} ${CMAKE_CURRENT_SOURCE_DIR}/make-msi ${PROJECT_VERSION} $<TARGET_FILE:kuittikopio>
    $<TARGET_FILE:kuittikopio-text> ${msi_icon} ${KUITTI_MSI}
  DEPENDS kuittikopio kuittikopio-text ${msi_icon} ${CMAKE_CURRENT_SOURCE_DIR}/kuittikopio.wxs
    ${CMAKE_CURRENT_SOURCE_DIR}/make-msi
  VERBATIM)
add_custom_target(msi DEPENDS ${KUITTI_MSI})

# Installed, upgraded and removed under wine; the msi target must be built first.
if(KUITTI_TESTS AND KUITTI_WINDOWS_CROSS)
  add_test(NAME msi_install_end_to_end
    COMMAND ${PROJECT_SOURCE_DIR}/tests/packaging/win32/msi-e2e.sh ${KUITTI_WINE64}
      ${CMAKE_CURRENT_SOURCE_DIR}/make-msi ${KUITTI_MSI} ${PROJECT_VERSION}
      $<TARGET_FILE:kuittikopio> $<TARGET_FILE:kuittikopio-text> ${msi_icon})
  set_tests_properties(msi_install_end_to_end PROPERTIES TIMEOUT 300)
endif()
