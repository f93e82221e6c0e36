# cmake --install BUILD --prefix PREFIX: the two editions in PREFIX/bin, the parallel-port library
# in PREFIX/lib (the programs look for it there, beside their own folder, and the run path names it
# too), the logo as an icon and a desktop entry for each edition.
set_target_properties(rendix rendix-s PROPERTIES INSTALL_RPATH "$ORIGIN/${TASKHELM_LIB_FROM_BIN}")
install(TARGETS rendix rendix-s RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET parlink)
  install(TARGETS parlink LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
endif()

# The icon is drawn from the program's own picture at build time, at the theme's fallback size
# and a large one, into the icon theme the entries name it by (without path or ending).
add_executable(logo-icon ${CMAKE_SOURCE_DIR}/app/LogoIcon.cpp)
target_link_libraries(logo-icon PRIVATE qtui)
set(icon_files)
foreach(size 48 256)
  set(icon_file ${CMAKE_BINARY_DIR}/share/${size}/rendix.png)
  add_custom_command(
    OUTPUT ${icon_file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share/${size}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:logo-icon> ${size} ${icon_file}
    DEPENDS logo-icon
    COMMENT "Drawing the ${size} pixel desktop icon")
  list(APPEND icon_files ${icon_file})
  install(FILES ${icon_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(logo_icon ALL DEPENDS ${icon_files})

# The entries name the installed program by its full path, which only the install knows (its
# --prefix may differ from the configured one).
set(entry_rendix_name "Taskhelm")
set(entry_rendix_comment "Settings and service of Quorvane sign-cutters and pen plotters")
set(entry_rendix-s_name "Taskhelm (español)")
set(entry_rendix-s_comment "Ajustes y servicio de los plóteres de corte y de plumillas Quorvane")
foreach(edition rendix rendix-s)
  install(CODE "
    set(ENTRY_NAME \"${entry_${edition}_name}\")
    set(ENTRY_COMMENT \"${entry_${edition}_comment}\")
    set(ENTRY_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${edition}\")
    set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/${edition}.desktop\")
    message(STATUS \"Installing: \${entry}\")
    configure_file(\"${CMAKE_SOURCE_DIR}/app/rendix.desktop.in\" \"\${entry}\" @ONLY)")
endforeach()
