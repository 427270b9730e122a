# Built-in resources are files under resources/ compiled into the core as byte
# arrays, so the program never loads them from disk at run time.
#   tallyx_add_resource(NAME TYPE FILE): registers one file under a name and type.
#   tallyx_embed_resources(TARGET): generates the table and adds it to TARGET;
#   called once, after every folder has registered its files.
function(tallyx_add_resource name type file)
  get_filename_component(path "${file}" ABSOLUTE)
  set_property(GLOBAL APPEND PROPERTY TALLYX_RESOURCE_ENTRIES "${name}|${type}|${path}")
  set_property(GLOBAL APPEND PROPERTY TALLYX_RESOURCE_FILES "${path}")
endfunction()

function(tallyx_embed_resources target)
  get_property(entries GLOBAL PROPERTY TALLYX_RESOURCE_ENTRIES)
  get_property(files GLOBAL PROPERTY TALLYX_RESOURCE_FILES)
  set(manifest "${CMAKE_BINARY_DIR}/generated/resource_manifest.txt")
  list(JOIN entries "\n" manifest_text)
  file(CONFIGURE OUTPUT "${manifest}" CONTENT "${manifest_text}\n")
  set(output "${CMAKE_BINARY_DIR}/generated/embedded_resources.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND resource_embedder "${manifest}" "${output}"
    DEPENDS resource_embedder "${manifest}" ${files}
    COMMENT "Embedding built-in resources"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
endfunction()
