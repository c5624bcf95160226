# Installation and the Debian package: both programs, the desktop entry, the icon
# (the about box's picture, cropped square, in the usual hicolor sizes), the man page
# of morvane-batch (made from its --help by help2man) and the example files.
# `cpack -G DEB` in the build folder makes morvane_<version>_<arch>.deb; its
# dependencies come from dpkg-shlibdeps, GLPK's (libglpk40) among them, as the
# programs link the shared libglpk.so.40. The licence goes where Debian keeps
# it: /usr/share/doc/morvane/copyright, in the machine-readable format.
include(GNUInstallDirs)

install(TARGETS morvane morvane-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/morvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvane)
if(EXISTS ${CMAKE_SOURCE_DIR}/examples)
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvane/examples)
endif()

find_program(MORVANE_CONVERT convert REQUIRED)
set(picture ${CMAKE_SOURCE_DIR}/src/app/about_box/about_picture.jpg)
set(icons)
foreach(size 16 24 32 48 64 128 256)
  set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/morvane.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${MORVANE_CONVERT} ${picture} -gravity center -crop 180x180+0+0 +repage
            -resize ${size}x${size} -strip ${icon}
    DEPENDS ${picture} VERBATIM)
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  list(APPEND icons ${icon})
endforeach()

find_program(MORVANE_HELP2MAN help2man REQUIRED)
set(manPage ${CMAKE_BINARY_DIR}/man/morvane-batch.1.gz)
add_custom_command(OUTPUT ${manPage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
  COMMAND ${MORVANE_HELP2MAN} --no-info --section=1
          "--name=time-dependent M/M/s queue analysis and staffing without a window"
          --output=${CMAKE_BINARY_DIR}/man/morvane-batch.1 $<TARGET_FILE:morvane-batch>
  # help2man names the page after the first word of --version ("Morvane").
  COMMAND sed -i -e "s/^\\.TH MORVANE /.TH MORVANE-BATCH /" -e "s/^Morvane \\\\-/morvane-batch \\\\-/"
          ${CMAKE_BINARY_DIR}/man/morvane-batch.1
  COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/man/morvane-batch.1
  DEPENDS morvane-batch VERBATIM)
install(FILES ${manPage} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

add_custom_target(morvane_package_files ALL DEPENDS ${icons} ${manPage})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Morvane")
set(CPACK_PACKAGE_CONTACT "Morvane developers <developers@morvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "time-dependent M/M/s queue analysis and staffing")
set(CPACK_PACKAGE_DESCRIPTION
    "Morvane analyses and staffs a multi-server queue whose demand changes over the day\n(contact centres, help desks, counters): steady-state and time-dependent\nprobabilities, waiting, person-hours and costs, and a genetic algorithm that\nsearches for cheaper staffing plans. Desktop program and morvane-batch.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
