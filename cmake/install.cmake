# The install step: the programs in bin, the 3D library and its header where
# a C or C++ program finds them, and a manual page for each program.
#
#   cmake --install build --prefix DIR
include(GNUInstallDirs)

install(TARGETS turnel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET t3m)
  install(TARGETS t3m RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# A DLL goes beside the program that loads it; its import library and the
# shared object of other systems go to lib.
install(TARGETS torvane3d
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES lib3d/torvane3d.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
if(NOT WIN32)
  # Relative, so that the file holds wherever the prefix is put.
  file(RELATIVE_PATH TURNEL_PC_TO_PREFIX
       "/prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/prefix")
  configure_file(cmake/torvane3d.pc.in torvane3d.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/torvane3d.pc
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
  install(FILES docs/man/turnel.1 docs/man/t3m.1
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# A converter linked against the shared library (not the static one) finds
# it from wherever it is installed.
if(NOT WIN32 AND NOT TURNEL_STATIC_EXE)
  set_target_properties(turnel PROPERTIES
    INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
endif()
