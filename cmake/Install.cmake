# Installing like a desktop program: the two programs in bin/, a desktop entry, the icon in
# the hicolor theme, AppStream metadata and man pages; and a Debian package built by CPack.
include(GNUInstallDirs)

set(Q417_SHARE ${CMAKE_CURRENT_LIST_DIR}/../app/share)
cmake_path(NORMAL_PATH Q417_SHARE)

install(TARGETS q417-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Debian keeps man pages compressed; -n leaves the time out so that builds are repeatable.
# The English pages go to man1, their Russian and German translations to <lang>/man1.
find_program(GZIP_EXECUTABLE gzip)
set(Q417_MAN_PAGES q417-cli.1)
if(TARGET q417)
    list(APPEND Q417_MAN_PAGES q417.1)
endif()
set(Q417_MAN_OUTPUTS)
foreach(lang IN ITEMS "" ru de)
    set(in_dir ${Q417_SHARE})
    set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
    set(install_dir ${CMAKE_INSTALL_MANDIR}/man1)
    if(lang)
        set(in_dir ${Q417_SHARE}/${lang})
        set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/man/${lang})
        set(install_dir ${CMAKE_INSTALL_MANDIR}/${lang}/man1)
    endif()
    foreach(page IN LISTS Q417_MAN_PAGES)
        if(GZIP_EXECUTABLE)
            set(out ${out_dir}/${page}.gz)
            add_custom_command(OUTPUT ${out}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
                COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${in_dir}/${page} > ${out}
                DEPENDS ${in_dir}/${page} VERBATIM)
        else()
            set(out ${in_dir}/${page})
        endif()
        list(APPEND Q417_MAN_OUTPUTS ${out})
        install(FILES ${out} DESTINATION ${install_dir})
    endforeach()
endforeach()
add_custom_target(q417_man_pages ALL DEPENDS ${Q417_MAN_OUTPUTS})

# The licence in Debian's machine-readable copyright format and the change log, compressed
# the same way, where Debian keeps a package's documents.
set(Q417_CHANGELOG ${Q417_SHARE}/changelog)
if(GZIP_EXECUTABLE)
    set(Q417_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz)
    add_custom_command(OUTPUT ${Q417_CHANGELOG}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/doc
        COMMAND ${GZIP_EXECUTABLE} -9 -n -c ${Q417_SHARE}/changelog > ${Q417_CHANGELOG}
        DEPENDS ${Q417_SHARE}/changelog VERBATIM)
endif()
add_custom_target(q417_changelog ALL DEPENDS ${Q417_CHANGELOG})
install(FILES ${Q417_SHARE}/copyright ${Q417_CHANGELOG}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/q417)

if(TARGET q417)
    install(TARGETS q417 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${Q417_SHARE}/q417.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${Q417_SHARE}/io.github.q417.Q417.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    set(icons ${CMAKE_CURRENT_LIST_DIR}/../resources)
    foreach(size 32 64 128 256 512)
        if(EXISTS ${icons}/icon${size}.png)
            install(FILES ${icons}/icon${size}.png RENAME q417.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
        endif()
    endforeach()
    install(FILES ${Q417_SHARE}/q417.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    # The installed tree: settings go to the user's folder when bin/ cannot be written.
    if(Q417_TESTS)
        add_test(NAME InstalledTree.SettingsLeaveReadOnlyBin
            COMMAND ${CMAKE_CURRENT_LIST_DIR}/../tests/install/installed_tree_test.sh
                ${CMAKE_BINARY_DIR})
        set_tests_properties(InstalledTree.SettingsLeaveReadOnlyBin PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
    endif()
endif()

# cpack -G DEB: q417_<version>_<arch>.deb. The libraries come from dpkg-shlibdeps (the X11
# platform plugin and the sound back ends ship in the Qt libraries' own packages); the packages
# below hold what the program needs at run time that no linker can see.
set(CPACK_PACKAGE_NAME q417)
set(CPACK_PACKAGE_VENDOR "Q417 developers")
set(CPACK_PACKAGE_CONTACT "Q417 developers <q417@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Q417 developers <q417@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulator of the Q417 rotor cipher machine")
# Lines of the long description stay within the 80 columns Debian's tools show.
set(CPACK_PACKAGE_DESCRIPTION
    "Q-417 shows an electromechanical rotor cipher machine as a picture on\n\
the desktop: type on its keyboard, set its rotors and key card, and read\n\
the enciphered text on the printed tape. q417-cli runs the same machine\n\
from the command line.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET q417)
    # The panels and text boxes draw with Liberation Sans (Arial's metrics, which the panels
    # are laid out for) and fall back on DejaVu; Wayland sessions run it natively with the
    # Wayland platform plugin, others through X11.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, hicolor-icon-theme, qt6-translations-l10n")
endif()
include(CPack)
