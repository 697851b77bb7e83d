# SPDX-License-Identifier: MIT
# The program loads its screenshots from its own directory, and so does everything that runs the
# window (tests, storyboard): each puts a copy of pictures/ beside itself.
#
#   orvane_copy_pictures(<target> <directory>)
#
# adds <target>, built by default, which copies every picture into <directory>. A stamp depends on
# each picture, so that a regenerated picture is copied again on the next build.
function(orvane_copy_pictures target directory)
  file(GLOB pictures CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/pictures/*.GIF ${PROJECT_SOURCE_DIR}/pictures/*.gif)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.stamp)
  set(copy)
  if(pictures)
    set(copy COMMAND ${CMAKE_COMMAND} -E copy_if_different ${pictures} ${directory})
  endif()
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${directory}
    ${copy}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${pictures}
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${stamp})
endfunction()
