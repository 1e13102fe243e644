# GoogleTest from the Debian sources, so that the same code builds natively, under the
# sanitizers and with mingw-w64.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# One ctest entry per test case natively; through Wine the listing itself would cost a
# Wine start per executable at build time, so there each executable is one ctest entry.
function(drvprop_add_gtest target)
  target_link_libraries(${target} PRIVATE GTest::gtest_main GTest::gmock drvprop_warnings)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target} COMMAND ${target})
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 30)
  endif()
endfunction()
