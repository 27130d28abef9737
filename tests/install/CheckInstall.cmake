# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build in BUILD into a fresh PREFIX and checks the tree: every file a desktop needs is
# there, and the modules load from where the install put them (PROBE, placed beside the program).
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()
foreach(wanted bin/ordalune share/applications/org.ordalune.Tracker.desktop
        share/metainfo/org.ordalune.Tracker.metainfo.xml share/icons/hicolor/scalable/apps/org.ordalune.Tracker.svg
        share/icons/hicolor/16x16/apps/org.ordalune.Tracker.png share/icons/hicolor/256x256/apps/org.ordalune.Tracker.png
        share/dbus-1/interfaces/org.ordalune.Tracker.xml share/man/man1/ordalune.1
        share/bash-completion/completions/ordalune share/zsh/vendor-completions/_ordalune
        share/fish/vendor_completions.d/ordalune.fish)
    if(NOT EXISTS ${PREFIX}/${wanted})
        message(FATAL_ERROR "not installed: ${wanted}")
    endif()
endforeach()
file(GLOB_RECURSE modules ${PREFIX}/lib*/ordalune/*.so)
list(LENGTH modules count)
if(NOT count EQUAL 2)
    message(FATAL_ERROR "modules installed: ${modules}")
endif()
# The probe, beside the installed program and far from the build's modules, finds them where the
# install put them: the program looks for them from its own folder, not at a path compiled in.
file(COPY ${PROBE} DESTINATION ${PREFIX}/bin)
get_filename_component(probe ${PROBE} NAME)
execute_process(COMMAND ${PREFIX}/bin/${probe} OUTPUT_VARIABLE said RESULT_VARIABLE failed TIMEOUT 30)
if(failed)
    message(FATAL_ERROR "the installed modules did not load: ${said}")
endif()
file(REMOVE_RECURSE ${PREFIX})
