# Run by cpack after it packs (CPACK_POST_BUILD_SCRIPTS). CPack writes a .deb's ar members with
# the modes that its scratch files got from the umask; this sets each to 100644, as dpkg-deb
# writes them, in place, so that the package does not depend on the umask.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  file(SIZE ${package} size)
  # Each member: a 60-byte header (its mode at byte 40, its size at byte 48), then its data,
  # padded to an even length. The first follows the 8-byte "!<arch>\n".
  set(at 8)
  while(at LESS size)
    file(READ ${package} header OFFSET ${at} LIMIT 60)
    string(SUBSTRING "${header}" 48 10 member_size)
    string(STRIP "${member_size}" member_size)
    math(EXPR mode_at "${at} + 40")
    execute_process(
      COMMAND sh -c "printf '100644  ' | dd of='${package}' bs=1 seek=${mode_at} conv=notrunc status=none"
      COMMAND_ERROR_IS_FATAL ANY)
    math(EXPR at "${at} + 60 + ${member_size} + ${member_size} % 2")
  endwhile()
endforeach()
