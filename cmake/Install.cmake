include(GNUInstallDirs)

install(TARGETS tallyx-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TALLYX_BUILD_GUI)
  install(TARGETS tallyx RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES resources/desktop/tallyx.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/tallyx.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Every other resource is compiled in; the user guide is the one file the
# program looks for at run time, beside itself in ../share/tallyx/help.
install(DIRECTORY resources/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tallyx/help)
