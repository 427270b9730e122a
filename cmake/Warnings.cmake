# Every target of ours gets the same warnings; make check turns them into errors.
function(tallyx_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(TALLYX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(TALLYX_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# A GoogleTest executable registered with CTest.
function(tallyx_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tallyx_core GTest::gtest_main GTest::gmock)
  tallyx_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# A GoogleTest executable of the desktop program: runs under a Qt application
# on the offscreen platform, with Qt windows.
function(tallyx_gui_test name)
  add_executable(${name} ${ARGN} ${CMAKE_SOURCE_DIR}/tests/ui/gui_test_main.cpp)
  target_link_libraries(${name} PRIVATE tallyx_ui GTest::gtest GTest::gmock)
  # Stand-ins for desktop services are QObjects.
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  tallyx_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
