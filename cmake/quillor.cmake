# Settings every target of ours shares.
function(quillor_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # Declarations up to XP; anything newer than NT 4 / 95 is looked up at run time.
  target_compile_definitions(${target} PRIVATE
    WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0500 NOMINMAX STRICT)
endfunction()

# Adds every folder below the current one that has a CMakeLists.txt, so each area of
# the code base plugs itself in without editing a shared list.
function(quillor_add_subdirectories)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
