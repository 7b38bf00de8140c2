# SPDX-License-Identifier: MIT
# Installs the button from a build tree into an empty prefix (only the runtime and
# development components), builds the example program against that prefix with
# find_package(QevButton), and runs its self-test offscreen. Run by CTest with -P.
#
# Takes: BUILD_DIR, EXAMPLE_DIR, WORK_DIR, GENERATOR, CXX_COMPILER, BUILD_TYPE,
# CXX_FLAGS and LINKER_FLAGS (for sanitizer builds), QT_DIR.
cmake_minimum_required(VERSION 3.21)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    string(JOIN " " command ${ARGN})
    message(FATAL_ERROR "${command}\nfailed (${status}):\n${output}")
  endif()
  set(last_output "${output}" PARENT_SCOPE)
endfunction()

set(prefix "${WORK_DIR}/prefix")
set(example_build "${WORK_DIR}/example")
file(REMOVE_RECURSE "${prefix}" "${example_build}")

foreach(component libqevbutton1 libqevbutton-dev)
  run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}" --component ${component})
endforeach()

# Nothing beyond the button's own files lands in the prefix.
file(GLOB_RECURSE installed RELATIVE "${prefix}" "${prefix}/*")
foreach(file IN LISTS installed)
  if(NOT file MATCHES "qevbutton|QevButton")
    message(FATAL_ERROR "unexpected file in the button's components: ${file}")
  endif()
endforeach()

# The Designer plugin finds the installed library through its own runpath.
file(GLOB_RECURSE plugin "${prefix}/*libqevbuttonplugin.so")
if(NOT plugin)
  message(FATAL_ERROR "no Designer plugin under ${prefix}: ${installed}")
endif()
get_filename_component(plugin_dir "${plugin}" DIRECTORY)
file(GET_RUNTIME_DEPENDENCIES LIBRARIES "${plugin}"
  RESOLVED_DEPENDENCIES_VAR resolved UNRESOLVED_DEPENDENCIES_VAR unresolved
  PRE_INCLUDE_REGEXES "qevbutton" PRE_EXCLUDE_REGEXES ".*")
list(FILTER resolved INCLUDE REGEX "libqevbutton\\.so\\.1$")
if(NOT resolved MATCHES "^${prefix}/")
  message(FATAL_ERROR "the plugin does not find libqevbutton.so.1 in the prefix (found: ${resolved}; unresolved: ${unresolved})")
endif()

run(${CMAKE_COMMAND} -S "${EXAMPLE_DIR}" -B "${example_build}" -G "${GENERATOR}"
    "-DCMAKE_PREFIX_PATH=${prefix}" "-DQt6_DIR=${QT_DIR}"
    "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DCMAKE_BUILD_TYPE=${BUILD_TYPE}"
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}")
run(${CMAKE_COMMAND} --build "${example_build}")

set(ENV{QT_QPA_PLATFORM} offscreen)
run("${example_build}/qevbutton-consumer" --self-test --designer-plugins "${plugin_dir}")
message(STATUS "${last_output}")
