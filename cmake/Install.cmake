# Install rules: the two programs, the bundled samples, the desktop entry,
# icon and metainfo, the manual pages and the documentation, laid out by
# GNUInstallDirs. The programs find the samples from their own folder
# (LUMENA_SAMPLES_FROM_BIN); the build tree gets the same share/lumena/samples
# as links to the source folders, so a run from the build folder finds them the
# same way an installed one does.

# A function, so that its variables stay out of the folders added after it.
function(lumena_install_rules)
  # The release: the version from project(), the date from the newest entry of
  # packaging/changelog, which must name the same version.
  file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog changelog)
  list(GET changelog 0 newest)
  if(NOT newest MATCHES "^lumena \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog must begin with version ${PROJECT_VERSION}")
  endif()
  foreach(line IN LISTS changelog)
    if(line MATCHES "^ -- .+>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
      set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
      list(FIND months ${CMAKE_MATCH_2} month)
      math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
      if(month LESS 10)
        set(month 0${month})
      endif()
      set(LUMENA_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})
      break()
    endif()
  endforeach()
  if(NOT LUMENA_RELEASE_DATE)
    message(FATAL_ERROR "packaging/changelog: no dated entry")
  endif()

  # The build tree's mirror of the installed samples.
  get_target_property(appDir lumena BINARY_DIR)
  cmake_path(ABSOLUTE_PATH LUMENA_SAMPLES_FROM_BIN BASE_DIRECTORY ${appDir} NORMALIZE
    OUTPUT_VARIABLE stagedSamples)
  file(MAKE_DIRECTORY ${stagedSamples})
  set(sampleFolders data plugins routes sounds)
  foreach(sub IN LISTS sampleFolders)
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/samples/${sub} ${stagedSamples}/${sub} SYMBOLIC)
  endforeach()

  # Files made from templates: the desktop entry, the metainfo, the manual pages
  # (gzipped, as Debian keeps them) and the Debian changelog.
  set(gen ${CMAKE_BINARY_DIR}/packaging)
  configure_file(packaging/lumena.desktop.in ${gen}/${LUMENA_APP_ID}.desktop @ONLY)
  configure_file(packaging/lumena.metainfo.xml.in ${gen}/${LUMENA_APP_ID}.metainfo.xml @ONLY)
  set(gzipped)
  foreach(page lumena.6 lumena-data.1)
    configure_file(packaging/man/${page}.in ${gen}/${page} @ONLY)
    list(APPEND gzipped ${gen}/${page})
  endforeach()
  configure_file(packaging/changelog ${gen}/changelog COPYONLY)
  list(APPEND gzipped ${gen}/changelog)
  set(gzOutputs)
  foreach(file IN LISTS gzipped)
    add_custom_command(OUTPUT ${file}.gz
      COMMAND gzip -9 --no-name --keep --force ${file}
      DEPENDS ${file} VERBATIM)
    list(APPEND gzOutputs ${file}.gz)
  endforeach()
  add_custom_target(lumena_install_files ALL DEPENDS ${gzOutputs})

  install(TARGETS lumena lumena-data RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  foreach(sub IN LISTS sampleFolders)
    install(DIRECTORY samples/${sub} DESTINATION ${CMAKE_INSTALL_DATADIR}/lumena/samples)
  endforeach()
  install(FILES ${gen}/${LUMENA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${gen}/${LUMENA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES packaging/icons/lumena.svg DESTINATION ${icons}/scalable/apps
    RENAME ${LUMENA_APP_ID}.svg)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES packaging/icons/lumena-${size}.png DESTINATION ${icons}/${size}x${size}/apps
      RENAME ${LUMENA_APP_ID}.png)
  endforeach()
  install(FILES ${gen}/lumena.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${gen}/lumena-data.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  # Debian's place and names: share/doc/<package>, copyright, changelog.gz.
  set(docDir ${CMAKE_INSTALL_DATAROOTDIR}/doc/lumena)
  install(FILES README.md packaging/copyright ${gen}/changelog.gz DESTINATION ${docDir})
  install(DIRECTORY docs DESTINATION ${docDir})
  install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME lumena)
endfunction()
lumena_install_rules()
