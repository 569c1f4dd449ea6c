# lintra_platform_sources(TARGET STEM...)
#
# The platform's file of each STEM: STEM_windows.cpp on Windows, STEM_posix.cpp elsewhere. The rest of
# the code calls no platform function of its own.
function(lintra_platform_sources target)
  if(WIN32)
    set(platform windows)
  else()
    set(platform posix)
  endif()
  foreach(stem IN LISTS ARGN)
    target_sources(${target} PRIVATE ${stem}_${platform}.cpp)
  endforeach()
endfunction()

# lintra_module(TARGET SOURCE LIBRARY FILE)
#
# One of the program's modules: SOURCE, the module's entry, over the static LIBRARY, as the loadable
# module FILE in lib/lintra. Only the entry is exported: the static libraries inside keep their symbols to
# themselves, and a module with a symbol left unresolved is refused when it is linked, not when it is
# loaded, where the linker can say so (GNU ld, gold and lld can; others link the modules without).
include(CheckLinkerFlag)
check_linker_flag(CXX "LINKER:--exclude-libs,ALL" LINTRA_LINKER_EXCLUDE_LIBS)
check_linker_flag(CXX "LINKER:--no-undefined" LINTRA_LINKER_NO_UNDEFINED)
function(lintra_module target source library file)
  add_library(${target} MODULE ${source})
  target_link_libraries(${target} PRIVATE ${library})
  if(LINTRA_LINKER_EXCLUDE_LIBS)
    target_link_options(${target} PRIVATE "LINKER:--exclude-libs,ALL")
  endif()
  if(LINTRA_LINKER_NO_UNDEFINED)
    target_link_options(${target} PRIVATE "LINKER:--no-undefined")
  endif()
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${file}
                        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  install(TARGETS ${target} LIBRARY DESTINATION lib/lintra)
endfunction()
