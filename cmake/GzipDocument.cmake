# quelta_gzip_document(target input output): `output` is `input` compressed as Debian wants its
# documents (gzip -9, no name or time stamp inside), remade by the target `target` in `all`.
function(quelta_gzip_document target input output)
  get_filename_component(output_dir ${output} DIRECTORY)
  get_filename_component(plain ${output} NAME)
  string(REGEX REPLACE "\\.gz$" "" plain ${plain})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${input} ${output_dir}/${plain}
    COMMAND gzip -9nf ${output_dir}/${plain}
    DEPENDS ${input}
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
