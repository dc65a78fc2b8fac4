# GoogleTest: the Debian package for the host, its sources for the cross build; on Windows, a pinned
# release built here with our own flags, so the tests link statically like Glimmora.exe.
if(WIN32 AND CMAKE_CROSSCOMPILING)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
elseif(WIN32)
  include(FetchContent)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  # GoogleTest would otherwise rewrite the runtime flags; every target here uses the static runtime
  # set at the top, and the policy lets its older CMake code honour that choice.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(CMAKE_POLICY_DEFAULT_CMP0091 NEW)
  FetchContent_Declare(googletest GIT_REPOSITORY https://github.com/google/googletest.git
                                  GIT_TAG v1.14.0 GIT_SHALLOW TRUE SYSTEM)
  FetchContent_MakeAvailable(googletest)
else()
  find_package(GTest REQUIRED)
endif()
if(WIN32)
  # The sources are not ours: their warnings neither show in our build nor fail it.
  set_target_properties(gtest gtest_main PROPERTIES COMPILE_WARNING_AS_ERROR OFF)
  if(NOT MSVC)
    target_compile_options(gtest PRIVATE -w)
    target_compile_options(gtest_main PRIVATE -w)
  endif()
endif()
include(GoogleTest)
