# quillet_library(<name> PORTABLE <files...> WIN32 <files...> DEPS <targets...>)
# Portable files build everywhere; Win32 files only in the Windows builds. The
# native build compiling a portable file proves it does not reach for Windows.
function(quillet_library name)
  cmake_parse_arguments(Q "" "" "PORTABLE;WIN32;DEPS;WIN32_DEPS" ${ARGN})
  set(sources ${Q_PORTABLE})
  if(WIN32)
    list(APPEND sources ${Q_WIN32})
  endif()
  # A layer with only Win32 files has nothing to compile natively: there it is
  # an interface that still carries its include path and dependencies.
  if(sources)
    add_library(${name} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${name} ${scope} ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} ${scope} ${Q_DEPS})
  if(WIN32 AND Q_WIN32_DEPS)
    target_link_libraries(${name} ${scope} ${Q_WIN32_DEPS})
  endif()
endfunction()
