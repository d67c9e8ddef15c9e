# Run by cpack once the files are staged and before they are archived. The
# install step creates folders with the builder's umask, and cpack archives
# them as they are: under a umask of 077 the package would make
# /usr/share/doc/dorvanex and the rest readable by root alone. Every staged
# folder gets the mode a package's folders have; files keep the modes the
# install rules gave them.
file(CHMOD_RECURSE ${CPACK_TEMPORARY_DIRECTORY} DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
