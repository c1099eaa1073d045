# cmake -DBUILD_DIR=... -DSCRATCH=... -DAPPSTREAMCLI=... [-DDESKTOP_FILE_VALIDATE=...] -P checkinstall.cmake
#
# Installs into SCRATCH as DESTDIR with the prefix /usr, as a package build would, and checks
# the files a desktop looks for.

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

file(REMOVE_RECURSE "${SCRATCH}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${SCRATCH} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
    RESULT_VARIABLE installed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT installed EQUAL 0)
    fail("cmake --install failed:\n${output}")
endif()

set(root "${SCRATCH}/usr")
set(id org.quorvex.Quorvex)
set(executable "${root}/bin/quorvex")
set(desktop "${root}/share/applications/${id}.desktop")
set(icon "${root}/share/icons/hicolor/scalable/apps/${id}.svg")
set(metainfo "${root}/share/metainfo/${id}.metainfo.xml")
foreach(file IN ITEMS "${executable}" "${desktop}" "${icon}" "${metainfo}")
    if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
        fail("not installed: ${file}")
    endif()
endforeach()
execute_process(COMMAND test -x "${executable}" RESULT_VARIABLE runnable)
if(NOT runnable EQUAL 0)
    fail("not executable: ${executable}")
endif()

# The menu starts the program in the class folder, with the installed icon.
file(STRINGS "${desktop}" entry)
foreach(line IN ITEMS "Exec=quorvex --class-folder" "Icon=${id}" "Type=Application")
    list(FIND entry "${line}" found)
    if(found EQUAL -1)
        fail("${desktop} lacks the line \"${line}\"")
    endif()
endforeach()

file(READ "${icon}" svg)
if(NOT svg MATCHES "<svg[^>]*xmlns=\"http://www.w3.org/2000/svg\"")
    fail("${icon} is no SVG picture")
endif()

file(READ "${metainfo}" description)
foreach(piece IN ITEMS "<id>${id}</id>" "<launchable type=\"desktop-id\">${id}.desktop</launchable>")
    string(FIND "${description}" "${piece}" found)
    if(found EQUAL -1)
        fail("${metainfo} lacks ${piece}")
    endif()
endforeach()

if(NOT APPSTREAMCLI)
    fail("appstreamcli is not installed (Debian package appstream; scripts/install-deps installs it)")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net "${metainfo}"
    RESULT_VARIABLE valid OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT valid EQUAL 0)
    fail("appstreamcli does not accept ${metainfo}:\n${output}")
endif()

if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${desktop}"
        RESULT_VARIABLE valid OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT valid EQUAL 0 OR NOT output STREQUAL "")
        fail("desktop-file-validate does not accept ${desktop}:\n${output}")
    endif()
endif()

file(REMOVE_RECURSE "${SCRATCH}")
message(STATUS "install tree complete and valid")
