# Prepares the portable runtime of the game: the folder a gift copy is made
# from, which starts on a desktop that has no Qt.
#
#   RUNTIME/quadrifoglio       the start script: starts the game, or says
#                              why it cannot, in the puzzle's language
#   RUNTIME/quadrifoglio-game  the game, stripped, RUNPATH $ORIGIN/lib
#   RUNTIME/qt.conf            points Qt at RUNTIME/plugins
#   RUNTIME/lib/               every shared library the game, its sound
#                              module and its plugins need, except those
#                              every desktop has, and the sound module. A
#                              copy's picture is the JPEG, BMP or GIF the
#                              maker wrote: the module for large TIFF and
#                              WebP pictures, and libtiff and libwebp, stay
#                              out.
#   RUNTIME/plugins/           the Qt plugins the game loads on an X11 or a
#                              Wayland desktop
#
# Run by the build as a script:
#   cmake -DGAME=... -DSOUND_MODULE=... -DRUNTIME=... -DQT_PLUGINS=... -DDESKTOP_LIST=...
#         -DSTART_SCRIPT=... -DSTRIP=... -DPATCHELF=... -P PortableRuntime.cmake
# The libraries are resolved by the loader's own rules
# (file(GET_RUNTIME_DEPENDENCIES)); what is left out is the one reviewed
# list in packaging/runtime/desktop-libraries.txt.
cmake_minimum_required(VERSION 3.25)

foreach(variable GAME SOUND_MODULE RUNTIME QT_PLUGINS DESKTOP_LIST START_SCRIPT STRIP PATCHELF)
    if(NOT DEFINED ${variable} OR "${${variable}}" STREQUAL "")
        message(FATAL_ERROR "PortableRuntime.cmake: ${variable} is not set")
    endif()
endforeach()

# The plugins the game loads: the X11 platform and its GL integrations (the
# platform loads one at start-up), the Wayland platform with its shell,
# window decorations and EGL integration (a Wayland desktop without XWayland
# has no X11), the input methods (accents typed with a compose key in the
# record's name), and the two picture formats a copy can hold besides the
# built-in bitmap and PNG. Qt Multimedia's media plugins are left out:
# QAudioSink talks to PulseAudio from inside libQt6Multimedia.
set(plugins
    platforms/libqxcb.so
    xcbglintegrations/libqxcb-glx-integration.so
    xcbglintegrations/libqxcb-egl-integration.so
    platforms/libqwayland-generic.so
    platforms/libqwayland-egl.so
    wayland-shell-integration/libxdg-shell.so
    wayland-decoration-client/libbradient.so
    wayland-graphics-integration-client/libqt-plugin-wayland-egl.so
    platforminputcontexts/libcomposeplatforminputcontextplugin.so
    platforminputcontexts/libibusplatforminputcontextplugin.so
    imageformats/libqjpeg.so
    imageformats/libqgif.so)

# Each entry: the library's pattern, then the Debian and Fedora packages
# that bring it, which the start script names when it is missing.
file(STRINGS "${DESKTOP_LIST}" list_lines)
set(desktop_libraries)
set(library_packages "")
foreach(line IN LISTS list_lines)
    string(REGEX REPLACE "#.*" "" line "${line}")
    string(STRIP "${line}" line)
    if(line STREQUAL "")
        continue()
    endif()
    string(REGEX MATCHALL "[^ \t]+" fields "${line}")
    list(GET fields 0 pattern)
    list(APPEND desktop_libraries "${pattern}")
    list(LENGTH fields count)
    if(count EQUAL 3)
        list(GET fields 1 apt)
        list(GET fields 2 dnf)
        string(APPEND library_packages "${pattern} ${apt} ${dnf}\n")
    endif()
endforeach()
if(NOT desktop_libraries)
    message(FATAL_ERROR "${DESKTOP_LIST} lists no library")
endif()

set(plugin_paths)
foreach(plugin IN LISTS plugins)
    if(NOT EXISTS "${QT_PLUGINS}/${plugin}")
        message(FATAL_ERROR "The Qt plugin ${QT_PLUGINS}/${plugin} is missing (tools/install-deps.sh installs it)")
    endif()
    list(APPEND plugin_paths "${QT_PLUGINS}/${plugin}")
endforeach()

# The desktop's libraries are excluded by name before they are resolved, so
# their own dependencies are never followed either.
file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES "${GAME}"
    MODULES "${SOUND_MODULE}" ${plugin_paths}
    RESOLVED_DEPENDENCIES_VAR libraries
    UNRESOLVED_DEPENDENCIES_VAR unresolved
    PRE_EXCLUDE_REGEXES ${desktop_libraries})
if(unresolved)
    message(FATAL_ERROR "Libraries of the game not found: ${unresolved}")
endif()

# Made aside and put in place whole, so that a maker never copies a half-made
# runtime.
set(stage "${RUNTIME}.new")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}/lib")

function(set_runpath file runpath)
    execute_process(COMMAND "${PATCHELF}" --set-rpath "${runpath}" "${file}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "patchelf could not set the RUNPATH of ${file}")
    endif()
endfunction()

foreach(library IN LISTS libraries)
    # Stored under the name the loader looks for (the soname it was found
    # by), with the contents of the file that name leads to.
    get_filename_component(name "${library}" NAME)
    file(REAL_PATH "${library}" real)
    file(COPY_FILE "${real}" "${stage}/lib/${name}")
    set_runpath("${stage}/lib/${name}" "$ORIGIN")
endforeach()

# ICU's data, trimmed to what the game can ask of it (TRIM_ICU: the script
# that does it, packaging/runtime/trim-icu.sh; C_COMPILER assembles the
# library again).
if(DEFINED TRIM_ICU AND NOT TRIM_ICU STREQUAL "")
    file(GLOB icu_data "${stage}/lib/libicudata.so.*")
    foreach(library IN LISTS icu_data)
        execute_process(COMMAND sh "${TRIM_ICU}" "${library}" "${C_COMPILER}" RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "could not trim ICU's data in ${library}")
        endif()
    endforeach()
endif()

foreach(plugin IN LISTS plugins)
    get_filename_component(folder "${plugin}" DIRECTORY)
    file(MAKE_DIRECTORY "${stage}/plugins/${folder}")
    file(COPY_FILE "${QT_PLUGINS}/${plugin}" "${stage}/plugins/${plugin}")
    set_runpath("${stage}/plugins/${plugin}" "$ORIGIN/../../lib")
endforeach()

# Our own programs, stripped, finding their libraries at `runpath`.
function(copy_stripped source target runpath)
    file(COPY_FILE "${source}" "${target}")
    execute_process(COMMAND "${STRIP}" --strip-all "${target}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "strip failed on ${target}")
    endif()
    set_runpath("${target}" "${runpath}")
endfunction()

get_filename_component(sound_module_name "${SOUND_MODULE}" NAME)
copy_stripped("${SOUND_MODULE}" "${stage}/lib/${sound_module_name}" "$ORIGIN")
copy_stripped("${GAME}" "${stage}/quadrifoglio-game" "$ORIGIN/lib")

# The newest glibc the runtime asks for: the start script tells a friend
# with an older one so, in words, before the loader would fail.
set(glibc_needed "2.0")
file(GLOB_RECURSE binaries "${stage}/quadrifoglio-game" "${stage}/lib/*" "${stage}/plugins/*")
foreach(binary IN LISTS binaries)
    file(STRINGS "${binary}" versions REGEX "^GLIBC_2\\.[0-9]+$")
    foreach(version IN LISTS versions)
        string(REPLACE "GLIBC_" "" version "${version}")
        if(version VERSION_GREATER glibc_needed)
            set(glibc_needed "${version}")
        endif()
    endforeach()
endforeach()
file(READ "${START_SCRIPT}" script)
string(REPLACE "@GLIBC_NEEDED@" "${glibc_needed}" script "${script}")
string(REPLACE "@LIBRARY_PACKAGES@\n" "${library_packages}" script "${script}")
file(WRITE "${stage}/quadrifoglio" "${script}")
file(CHMOD "${stage}/quadrifoglio" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Relative to the folder of the executable that reads it.
file(WRITE "${stage}/qt.conf" "[Paths]\nPrefix = .\nPlugins = plugins\n")

file(REMOVE_RECURSE "${RUNTIME}")
file(RENAME "${stage}" "${RUNTIME}")
list(LENGTH libraries count)
message(STATUS "Portable runtime: ${count} libraries in ${RUNTIME}, glibc ${glibc_needed} or newer")
