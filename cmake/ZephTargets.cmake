# Source conventions shared by every folder of the tree:
#   <folder>/*.cpp            sources of the folder's library
#   <folder>/*_win32.cpp      compiled only for the Windows target (they include windows.h)
#   <folder>/tests/*.cpp      the folder's GoogleTest suite (same _win32 rule)
# Every folder globs its files, so adding a file needs no edit of a CMakeLists.txt.

function(zeph_glob_sources out)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.c)
    foreach(f IN LISTS found)
      if(NOT WIN32 AND f MATCHES "_win32\\.(cpp|c)$")
        continue()
      endif()
      list(APPEND result ${f})
    endforeach()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Windows binaries all land in one folder together with the MinGW runtime DLLs, so the
# programs run under Wine (and from scripts/run) without any search-path set-up.
if(WIN32)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE dll_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
      foreach(candidate /usr/x86_64-w64-mingw32/lib/${dll} /usr/lib/gcc/x86_64-w64-mingw32/12-posix/${dll})
        if(EXISTS ${candidate})
          set(dll_path ${candidate})
        endif()
      endforeach()
    endif()
    if(NOT EXISTS "${dll_path}")
      message(FATAL_ERROR "MinGW runtime ${dll} not found")
    endif()
    file(COPY ${dll_path} DESTINATION ${CMAKE_BINARY_DIR}/bin)
  endforeach()
endif()

# A static library of the given sources; a folder whose code is still headers only gets an
# empty translation unit so that targets can link it all the same.
function(zeph_add_static_library name)
  set(sources ${ARGN})
  if(NOT sources)
    set(empty ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    if(NOT EXISTS ${empty})
      file(WRITE ${empty} "// no sources yet\n")
    endif()
    set(sources ${empty})
  endif()
  add_library(${name} STATIC ${sources})
endfunction()

# zeph_add_resource_library(<name> <input globs...>)
# A resource-only DLL of the current folder: every *.rc file there is a part, and the parts
# are compiled as one generated script so that string tables of several parts merge. A new
# resource is added by dropping its part into the folder (and re-running the configure
# step). The input globs name the files the parts include, so that editing them rebuilds.
function(zeph_add_resource_library name)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB parts CONFIGURE_DEPENDS ${dir}/*.rc)
  set(inputs)
  foreach(pattern IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS ${dir}/${pattern})
    list(APPEND inputs ${found})
  endforeach()
  list(SORT parts)
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
  set(content "// Generated from the parts in ${dir}.\n#include <windows.h>\n")
  foreach(part IN LISTS parts)
    string(APPEND content "#include \"${part}\"\n")
  endforeach()
  file(CONFIGURE OUTPUT ${script} CONTENT "${content}" @ONLY)
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS "${parts};${inputs}")

  add_library(${name} MODULE ${script})
  # windres looks for the files that the parts name in the include folders.
  target_include_directories(${name} PRIVATE ${dir})
  # Resources only: no code, no entry point.
  set_target_properties(${name} PROPERTIES PREFIX "" LINKER_LANGUAGE C)
  target_link_options(${name} PRIVATE -nostdlib -Wl,-e,0)
endfunction()
