include(GNUInstallDirs)

install(TARGETS tallyx-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TALLYX_BUILD_GUI)
  install(TARGETS tallyx RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES resources/desktop/tallyx.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/tallyx.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The defaults a new user's data folder is seeded from.
install(DIRECTORY resources/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tallyx
        PATTERN "CMakeLists.txt" EXCLUDE PATTERN "desktop" EXCLUDE)
