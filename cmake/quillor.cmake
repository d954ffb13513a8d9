# Settings every target of ours shares.
function(quillor_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # Declarations up to XP; anything newer than NT 4 / 95 is looked up at run time.
  target_compile_definitions(${target} PRIVATE
    WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0500 NOMINMAX STRICT)
endfunction()
