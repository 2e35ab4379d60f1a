# The game finds its data, font, help book and sounds relative to its own executable: beside it in the build
# folder, in the share folder when installed (share/wendmoor beside bin). No path of the checkout is compiled
# into the game or the driver, so a copied build folder or install still runs.
include(GNUInstallDirs)

set(WENDMOOR_VERSION 0.1.0)
set(WENDMOOR_APP_ID io.github.wendmoor.Wendmoor)
set(WENDMOOR_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/wendmoor)
file(RELATIVE_PATH WENDMOOR_SHARE_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/wendmoor)
set_property(SOURCE src/host/record/program_files.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS WENDMOOR_SHARE_FROM_BIN="${WENDMOOR_SHARE_FROM_BIN}")

# The data tables beside the executables, as they stand in an installed share folder. A copy, not a link,
# so that the build folder can be copied elsewhere; copied whole, so a removed table does not linger.
file(GLOB_RECURSE WENDMOOR_DATA_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
set(WENDMOOR_DATA_COPY ${WENDMOOR_OUT}/data)
set(WENDMOOR_DATA_STAMP ${WENDMOOR_DATA_COPY}/.copied)
add_custom_command(
    OUTPUT ${WENDMOOR_DATA_STAMP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${WENDMOOR_DATA_COPY}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data ${WENDMOOR_DATA_COPY}
    COMMAND ${CMAKE_COMMAND} -E touch ${WENDMOOR_DATA_STAMP}
    DEPENDS ${WENDMOOR_DATA_FILES}
    COMMENT "Copying the data tables beside the game"
    VERBATIM)
add_custom_target(wendmoor_data ALL DEPENDS ${WENDMOOR_DATA_STAMP})
add_dependencies(wendmoor_assets wendmoor_data)

# Benchmarks build the day's tables without starting the program, so they are told where the data is.
foreach(bench wendmoor_bench)
    if(TARGET ${bench})
        target_sources(${bench} PRIVATE bench/bench_data_folder.cpp)
        target_compile_definitions(${bench} PRIVATE WENDMOOR_BENCH_DATA_DIR="${WENDMOOR_DATA_COPY}")
        add_dependencies(${bench} wendmoor_data)
    endif()
endforeach()

if(WENDMOOR_CORE_ONLY)
    return()
endif()

# The icon: drawn as SVG, rendered to the usual PNG sizes at build time.
find_program(WENDMOOR_RSVG_CONVERT NAMES rsvg-convert)
if(NOT WENDMOOR_RSVG_CONVERT)
    message(FATAL_ERROR "rsvg-convert not found: install the Debian package librsvg2-bin")
endif()
set(WENDMOOR_ICON_SVG ${CMAKE_SOURCE_DIR}/assets/install/wendmoor.svg)
set(WENDMOOR_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(WENDMOOR_ICON_SIZES 16 24 32 48 64 128 256)
set(WENDMOOR_ICON_PNGS)
foreach(size ${WENDMOOR_ICON_SIZES})
    set(png ${WENDMOOR_ICON_DIR}/${size}/${WENDMOOR_APP_ID}.png)
    add_custom_command(
        OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${WENDMOOR_ICON_DIR}/${size}
        COMMAND ${WENDMOOR_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${WENDMOOR_ICON_SVG}
        DEPENDS ${WENDMOOR_ICON_SVG}
        COMMENT "Rendering the ${size} pixel icon"
        VERBATIM)
    list(APPEND WENDMOOR_ICON_PNGS ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(wendmoor_icons ALL DEPENDS ${WENDMOOR_ICON_PNGS})
install(FILES ${WENDMOOR_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${WENDMOOR_APP_ID}.svg)

set(WENDMOOR_DESKTOP_FILE ${CMAKE_BINARY_DIR}/${WENDMOOR_APP_ID}.desktop)
set(WENDMOOR_METAINFO_FILE ${CMAKE_BINARY_DIR}/${WENDMOOR_APP_ID}.metainfo.xml)
configure_file(assets/install/wendmoor.desktop.in ${WENDMOOR_DESKTOP_FILE} @ONLY)
configure_file(assets/install/wendmoor.metainfo.xml.in ${WENDMOOR_METAINFO_FILE} @ONLY)
install(FILES ${WENDMOOR_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${WENDMOOR_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The game, the driver (the install test plays it) and what they find in the share folder.
install(TARGETS wendmoor wendmoor-drive RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${WENDMOOR_FONT_FILE} ${WENDMOOR_HELP_FILE} ${WENDMOOR_SOUND_FILES} DESTINATION ${WENDMOOR_SHARE_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${WENDMOOR_SHARE_DIR}/data)

# Installs into a temporary prefix and plays from there alone; it moves the build folder's data aside for a
# while, so it runs on its own.
add_test(NAME Install.PlaysFromTheInstallAlone
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/plays_from_install.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})
set_tests_properties(Install.PlaysFromTheInstallAlone PROPERTIES RUN_SERIAL TRUE TIMEOUT 300)

# cpack -G DEB in the build folder packages what is already built.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wendmoor)
set(CPACK_PACKAGE_VERSION ${WENDMOOR_VERSION})
set(CPACK_PACKAGE_VENDOR "The Wendmoor developers")
set(CPACK_PACKAGE_CONTACT "The Wendmoor developers <wendmoor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "railway operating game: a busy junction on a summer day of 1958")
set(CPACK_PACKAGE_DESCRIPTION "You are the signalman and yard master of Wendmoor, a busy main-line junction,\n\
for one day of the 1958 summer timetable: receive trains, release and service\nengines, sort freight, \
form departures and send them away on time.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The Qt libraries the programs link come from dpkg-shlibdeps; the plug-ins Qt loads at run time (the
# window system, the help book's database) are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
