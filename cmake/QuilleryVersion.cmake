# quillery_version_resource(target VERSION a.b.c.d
#                           [PRODUCT_VERSION a.b.c.d] [LANGUAGE 040904E4]
#                           [FILE_TYPE APP|DLL] [FILE_FLAGS n]
#                           [STRINGS Key=Value ...])
# Gives an executable the version block that the version functions read:
# the fixed part from VERSION (and PRODUCT_VERSION, VERSION by default), one
# string table LANGUAGE (language and code page, eight hex digits) with the
# STRINGS, and the translation list naming that table. "FileVersion" and
# "ProductVersion" strings are added from the versions unless STRINGS give
# them. The block is made at build time by quillery_version_block and
# linked into the ELF section ".qversion" (an .incbin in a generated C
# file, so it needs no assembler language of its own). Values are UTF-8.
#
# Only for executables: an object in a static library would not be linked.

function(quillery_version_resource target)
  cmake_parse_arguments(ARG "" "VERSION;PRODUCT_VERSION;LANGUAGE;FILE_TYPE;FILE_FLAGS" "STRINGS" ${ARGN})
  if(NOT ARG_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+$")
    message(FATAL_ERROR "quillery_version_resource(${target}): VERSION must be four numbers, as 1.0.0.23")
  endif()
  if(NOT ARG_PRODUCT_VERSION)
    set(ARG_PRODUCT_VERSION ${ARG_VERSION})
  endif()
  if(NOT ARG_LANGUAGE)
    set(ARG_LANGUAGE 040904E4)
  endif()
  string(REPEAT "[0-9A-Fa-f]" 8 eight_hex_digits)
  if(NOT ARG_LANGUAGE MATCHES "^${eight_hex_digits}$")
    message(FATAL_ERROR "quillery_version_resource(${target}): LANGUAGE must be eight hex digits, as 040904E4")
  endif()
  if(NOT ARG_FILE_TYPE OR ARG_FILE_TYPE STREQUAL "APP")
    set(file_type 1)
  elseif(ARG_FILE_TYPE STREQUAL "DLL")
    set(file_type 2)
  else()
    message(FATAL_ERROR "quillery_version_resource(${target}): FILE_TYPE is APP or DLL")
  endif()
  if(NOT ARG_FILE_FLAGS)
    set(ARG_FILE_FLAGS 0)
  endif()

  string(SUBSTRING ${ARG_LANGUAGE} 0 4 language)
  string(SUBSTRING ${ARG_LANGUAGE} 4 4 code_page)
  set(text "# version block of ${target}\n")
  string(APPEND text "file-version ${ARG_VERSION}\nproduct-version ${ARG_PRODUCT_VERSION}\n")
  string(APPEND text "file-flags ${ARG_FILE_FLAGS}\nfile-type ${file_type}\n")
  string(APPEND text "table ${ARG_LANGUAGE}\n")
  set(has_file_version OFF)
  set(has_product_version OFF)
  foreach(entry IN LISTS ARG_STRINGS)
    if(NOT entry MATCHES "^[^=]+=")
      message(FATAL_ERROR "quillery_version_resource(${target}): \"${entry}\" is not Key=Value")
    endif()
    if(entry MATCHES "^FileVersion=")
      set(has_file_version ON)
    elseif(entry MATCHES "^ProductVersion=")
      set(has_product_version ON)
    endif()
    string(APPEND text "string ${entry}\n")
  endforeach()
  if(NOT has_file_version)
    string(APPEND text "string FileVersion=${ARG_VERSION}\n")
  endif()
  if(NOT has_product_version)
    string(APPEND text "string ProductVersion=${ARG_PRODUCT_VERSION}\n")
  endif()
  string(APPEND text "translation ${language} ${code_page}\n")

  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_version)
  set(description ${dir}/version.txt)
  set(block ${dir}/version.bin)
  set(source ${dir}/version_section.c)
  # Written only when changed, so the block is made again only then.
  file(GENERATE OUTPUT ${description} CONTENT "${text}")
  file(GENERATE OUTPUT ${source} CONTENT
    "/* Generated: the version block of ${target}, in the section the version reader looks for. */\n__asm__(\".pushsection .qversion,\\\"a\\\",@progbits\\n.balign 4\\n.incbin \\\"${block}\\\"\\n.popsection\\n\");\n")
  add_custom_command(
    OUTPUT ${block}
    COMMAND quillery_version_block ${description} ${block}
    DEPENDS quillery_version_block ${description}
    COMMENT "Making the version block of ${target}"
    VERBATIM)
  set_source_files_properties(${source} PROPERTIES OBJECT_DEPENDS ${block})
  target_sources(${target} PRIVATE ${source} ${block})
endfunction()
