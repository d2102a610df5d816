# The seven programs, listed once in programs.txt (the tools read it too).
# Each directory holds the program's routines (built into <name>_lib) and
# main.cpp (a thin wrapper around <name>::run). Includes are rooted at the top
# of the tree ("anovaf/state.h"), which common/ exports, so no program folder
# is an include path of its own.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/programs.txt GR_PROGRAMS)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/programs.txt)

# gr_program(<name> [LIBS <libs>...]): builds <name>_lib from every .cpp of the
# directory except main.cpp, and the executable <name> from main.cpp.
function(gr_program name)
  cmake_parse_arguments(P "" "" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(REMOVE_ITEM srcs ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
  add_library(${name}_lib STATIC ${srcs})
  target_link_libraries(${name}_lib PUBLIC common console ${P_LIBS})
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
    add_executable(${name} main.cpp)
    target_link_libraries(${name} PRIVATE ${name}_lib)
    if(GR_STATIC)
      target_link_options(${name} PRIVATE -static)
    endif()
  endif()
endfunction()
