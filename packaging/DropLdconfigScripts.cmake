# Run by CPack after it built the Debian package. CPack gives any package
# with a shared library below /usr/lib maintainer scripts that run
# ldconfig; libEncrypt.so is private to the program (found through its run
# path, not the linker's cache), so they do nothing useful, and a postrm
# script alone keeps a removed package listed as "rc" until it is purged.
# The package is rebuilt without them.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(tree ${CPACK_TOPLEVEL_DIRECTORY}/unpacked)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb -R ${deb} ${tree} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "dpkg-deb could not unpack ${deb}")
  endif()
  file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
  execute_process(COMMAND dpkg-deb --root-owner-group -Zxz -b ${tree} ${deb} OUTPUT_QUIET RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "dpkg-deb could not build ${deb}")
  endif()
  file(REMOVE_RECURSE ${tree})
endforeach()
