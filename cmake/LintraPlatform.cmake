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
