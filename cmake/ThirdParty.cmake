# Header-only libraries for the tools and tests (Debian packages). The MinGW
# compiler must not see the host's /usr/include, so the Windows build gets a copy.
set(R58_TOOL_INCLUDE ${CMAKE_BINARY_DIR}/third_party/include)
foreach(lib CLI nlohmann)
  if(NOT EXISTS /usr/include/${lib})
    message(FATAL_ERROR "/usr/include/${lib} is missing: run scripts/setup")
  endif()
  file(COPY /usr/include/${lib} DESTINATION ${R58_TOOL_INCLUDE})
endforeach()
add_library(tool_headers INTERFACE)
target_include_directories(tool_headers SYSTEM INTERFACE ${R58_TOOL_INCLUDE})

if(WIN32)
  # GoogleTest for Windows from Debian's sources.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set_target_properties(gtest gtest_main PROPERTIES R58_THIRD_PARTY ON)
elseif(NOT R58_FUZZ)
  find_package(GTest REQUIRED)
  find_package(benchmark REQUIRED)
endif()
