# Installs the build into a stage folder as the package does and checks that
# every file a desktop install needs is there: the programs, the guide the
# program opens, the desktop entry with its icon, the description and the man
# pages. Run with -DBUILD_DIR, -DSTAGE and -DWITH_GUI.
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}/usr
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "installing into ${STAGE} failed: ${installed}")
endif()

set(expected
    usr/bin/tallyx-cli
    usr/share/man/man1/tallyx-cli.1.gz
    usr/share/man/man1/tallyx.1.gz
    usr/share/metainfo/com.vexa.tallyx.metainfo.xml
    usr/share/applications/tallyx.desktop
    usr/share/icons/hicolor/scalable/apps/tallyx.svg
    usr/share/tallyx/help/tallyx.html)
if(WITH_GUI)
  list(APPEND expected usr/bin/tallyx)
endif()
set(missing)
foreach(path ${expected})
  if(NOT EXISTS ${STAGE}/${path})
    list(APPEND missing ${path})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

# The desktop entry starts a program and names an icon that are both installed.
file(STRINGS ${STAGE}/usr/share/applications/tallyx.desktop exec REGEX "^Exec=")
file(STRINGS ${STAGE}/usr/share/applications/tallyx.desktop icon REGEX "^Icon=")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" program "${exec}")
string(REGEX REPLACE "^Icon=" "" icon "${icon}")
if(WITH_GUI AND NOT EXISTS ${STAGE}/usr/bin/${program})
  message(FATAL_ERROR "the desktop entry starts '${program}', which is not installed")
endif()
if(NOT EXISTS ${STAGE}/usr/share/icons/hicolor/scalable/apps/${icon}.svg)
  message(FATAL_ERROR "the desktop entry's icon '${icon}' is not installed")
endif()

# The description names the desktop entry it launches.
file(READ ${STAGE}/usr/share/metainfo/com.vexa.tallyx.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">tallyx.desktop</launchable>")
  message(FATAL_ERROR "the metainfo does not launch tallyx.desktop")
endif()
file(REMOVE_RECURSE ${STAGE})
