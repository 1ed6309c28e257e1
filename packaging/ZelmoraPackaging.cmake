# Installing like a Linux program, and the Debian package built from that.
#
# The program folder <prefix>/lib/zelmora holds the binaries, the shipped
# lang/, data/ and profiles/ and the marker "zelmora.installed", which makes
# the program keep what it writes in ~/.config/zelmora instead of beside
# itself. <prefix>/bin gets symbolic links into it; the program resolves
# /proc/self/exe, so it still finds its folder through them.

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX /usr CACHE PATH "Installation prefix" FORCE)
endif()

# Packing must not wait for every test program to build: the deb target
# builds what the package holds.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(ZELMORA_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(ZELMORA_INSTALL_APP_DIR lib/zelmora)
set(ZELMORA_STAGE_DIR ${CMAKE_BINARY_DIR}/packaging)

set(zelmora_programs zelmora-cli)
if(ZELMORA_BUILD_GUI)
  list(APPEND zelmora_programs zelmora)
endif()

install(TARGETS ${zelmora_programs} RUNTIME DESTINATION ${ZELMORA_INSTALL_APP_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/lang ${CMAKE_SOURCE_DIR}/data ${CMAKE_SOURCE_DIR}/profiles
        DESTINATION ${ZELMORA_INSTALL_APP_DIR})
file(WRITE ${ZELMORA_STAGE_DIR}/zelmora.installed
     "This program is installed: it keeps its settings in $XDG_CONFIG_HOME/zelmora.\n")
install(FILES ${ZELMORA_STAGE_DIR}/zelmora.installed DESTINATION ${ZELMORA_INSTALL_APP_DIR})

# Relative links, so the tree works wherever it is unpacked.
file(MAKE_DIRECTORY ${ZELMORA_STAGE_DIR}/bin)
foreach(program ${zelmora_programs})
  file(CREATE_LINK ../${ZELMORA_INSTALL_APP_DIR}/${program} ${ZELMORA_STAGE_DIR}/bin/${program}
       SYMBOLIC)
  install(FILES ${ZELMORA_STAGE_DIR}/bin/${program} DESTINATION bin)
endforeach()

install(FILES ${ZELMORA_PACKAGING_DIR}/zelmora.desktop DESTINATION share/applications)
install(FILES ${ZELMORA_PACKAGING_DIR}/org.example.zelmora.Zelmora.metainfo.xml
        DESTINATION share/metainfo)
install(FILES ${ZELMORA_PACKAGING_DIR}/icons/zelmora.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${ZELMORA_PACKAGING_DIR}/icons/hicolor/${size}x${size}/apps/zelmora.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${ZELMORA_PACKAGING_DIR}/completion/zelmora-cli
              ${ZELMORA_PACKAGING_DIR}/completion/zelmora
        DESTINATION share/bash-completion/completions)

# Manual pages are installed compressed, as Debian wants them.
set(zelmora_man_pages "")
foreach(page zelmora-cli zelmora)
  set(gz ${ZELMORA_STAGE_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZELMORA_STAGE_DIR}/man
    COMMAND gzip -9nc ${ZELMORA_PACKAGING_DIR}/man/${page}.1 > ${gz}
    DEPENDS ${ZELMORA_PACKAGING_DIR}/man/${page}.1
    COMMENT "Compressing the manual page ${page}(1)")
  list(APPEND zelmora_man_pages ${gz})
  install(FILES ${gz} DESTINATION share/man/man1)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${zelmora_man_pages})

# A portable program's desktop launcher shows the same picture as the menu.
configure_file(${ZELMORA_PACKAGING_DIR}/icons/zelmora.svg ${ZELMORA_APP_DIR}/zelmora.svg COPYONLY)

# The Debian package. The libraries the binaries link are listed by hand
# (a test compares them with what the binaries need); ffmpeg is a program we
# start and libmediainfo a library we open at run time, which no tool could
# find by looking at the binaries.
# Debian's libcurl.so leads to the flavour its -dev package belongs to.
get_filename_component(zelmora_curl_file "${CURL_LIBRARY_RELEASE}" REALPATH)
if(zelmora_curl_file MATCHES "gnutls")
  set(zelmora_curl_package libcurl3-gnutls)
else()
  set(zelmora_curl_package libcurl4)
endif()
set(zelmora_depends "ffmpeg, libmediainfo0v5, ${zelmora_curl_package}, zlib1g, libc6, libstdc++6, libgcc-s1")
if(ZELMORA_BUILD_GUI)
  string(APPEND zelmora_depends
         ", libqt6core6, libqt6gui6, libqt6widgets6, qt6-qpa-plugins")
endif()
if(ZELMORA_SANITIZE)
  # g++ 12's sanitizer runtimes, which a sanitized build's binaries link.
  string(APPEND zelmora_depends ", libasan8, libubsan1")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zelmora developers")
set(CPACK_PACKAGE_CONTACT "The Zelmora developers <zelmora@zelmora.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch video converter to AVI and MPG")
# CPack puts the summary first and indents this body itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zelmora converts a list of videos, WebM above all but also MP4, FLV, 3GP
and many other types, to AVI (Xvid, H.264, MPEG-4, WMV, Motion JPEG and
more) or MPG (MPEG-1, MPEG-2, DVD) with the ffmpeg encoder, one after
another, with progress, an error log and named encoder profiles.

The package holds the window program zelmora and the command-line
program zelmora-cli, which drives the same engine.")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zelmora.example.org/")
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${zelmora_depends})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)

# `make deb`: build what the package holds, then pack it. Writing the

add_custom_target(deb
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake -B ${CMAKE_BINARY_DIR}/deb
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Building the Debian package"
  VERBATIM)
add_dependencies(deb ${zelmora_programs} man_pages)
