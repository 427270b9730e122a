# What a desktop install carries beside the programs and the guide (man
# pages, the software-centre description), and the Debian package of it all:
# `make package`.
include(GNUInstallDirs)

# Debian wants man pages compressed, reproducibly.
find_program(TALLYX_GZIP gzip REQUIRED)
set(man_pages)
foreach(page tallyx.1 tallyx-cli.1)
  set(compressed ${CMAKE_BINARY_DIR}/man/${page}.gz)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                     COMMAND ${TALLYX_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/packaging/${page} > ${compressed}
                     DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${page}
                     VERBATIM)
  list(APPEND man_pages ${compressed})
endforeach()
add_custom_target(tallyx_man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/com.vexa.tallyx.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallyx)
set(CPACK_PACKAGE_VENDOR Vexa)
set(CPACK_PACKAGE_CONTACT "Tallyx maintainers <tallyx@vexa.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multi-mode desktop calculator")
# The lines as the package's description shows them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Tallyx shows a display above a keypad of drawn keys and switches between\n"
       "Standard, Scientific, Scientific RPN, Base Conversions, Financial and\n"
       "Statistics keypads, with five entry modes, seven display notations,\n"
       "memories and a paper tape.\n"
       "\n"
       "The console program tallyx-cli evaluates expressions, converts units and\n"
       "currencies, looks up constants and solves financial worksheets and\n"
       "regressions.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The rate update opens libcurl when it runs, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcurl4 | libcurl4t64")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
