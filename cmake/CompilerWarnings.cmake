# Warnings are on in every build. They stop the build only where asked for (the test script
# and CI), so a packager's newer compiler or own flags never fail a build on a new warning.
option(KUITTI_WERROR "Treat compiler warnings as errors" OFF)
add_compile_options(-Wall -Wextra)
if(KUITTI_WERROR)
  add_compile_options(-Werror)
endif()
