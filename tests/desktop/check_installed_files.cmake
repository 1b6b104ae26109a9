# cmake -DPREFIX=… -DID=… -DVERSION=… -DBINDIR=… -DDATADIR=… -DPROGRAM=… -P check_installed_files.cmake
# Checks what `cmake --install` put into PREFIX: the program, the desktop entry that starts it,
# the icon in every size the entry names, and the AppStream metainfo of this release.
set(failures "")
macro(fail text)
  string(APPEND failures "  ${text}\n")
endmacro()

function(read_installed relative out)
  if(EXISTS "${PREFIX}/${relative}")
    file(READ "${PREFIX}/${relative}" text)
  else()
    fail("missing: ${relative}")
    set(text "")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

function(expect_line text pattern what)
  if(NOT text MATCHES "(^|\n)${pattern}(\n|$)")
    fail("${what}: no line matching ${pattern}")
    set(failures "${failures}" PARENT_SCOPE)
  endif()
endfunction()

# The program.
set(program "${PREFIX}/${BINDIR}/${PROGRAM}")
if(NOT EXISTS "${program}" OR IS_DIRECTORY "${program}")
  fail("missing: ${BINDIR}/${PROGRAM}")
endif()

# The desktop entry starts exactly that program and names the icon by the application id.
read_installed("${DATADIR}/applications/${ID}.desktop" entry)
expect_line("${entry}" "Exec=\"${program}\"" "desktop entry")
expect_line("${entry}" "TryExec=${program}" "desktop entry")
expect_line("${entry}" "Icon=${ID}" "desktop entry")
expect_line("${entry}" "Categories=Education;Math;" "desktop entry")
expect_line("${entry}" "Name=Kalkora" "desktop entry")
expect_line("${entry}" "Comment=.*(Terme|Potenzen|Bruchterme).*" "desktop entry")

# The icon: the scalable picture and a PNG of every size, as large as its folder says (the
# width and height of a PNG stand in its IHDR chunk, bytes 16 to 23).
read_installed("${DATADIR}/icons/hicolor/scalable/apps/${ID}.svg" svg)
if(svg AND NOT svg MATCHES "<svg")
  fail("the scalable icon is no SVG picture")
endif()
foreach(size 16 32 48 64 128 256)
  set(png "${PREFIX}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${ID}.png")
  if(NOT EXISTS "${png}")
    fail("missing: ${size}x${size} icon")
    continue()
  endif()
  file(READ "${png}" signature LIMIT 8 HEX)
  file(READ "${png}" dimensions OFFSET 16 LIMIT 8 HEX)
  math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${side}" 2 -1 side)
  string(LENGTH "${side}" digits)
  math(EXPR padding "8 - ${digits}")
  string(REPEAT "0" ${padding} zeros)
  set(side "${zeros}${side}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT dimensions STREQUAL "${side}${side}")
    fail("the ${size}x${size} icon is no ${size}x${size} PNG (${signature}, ${dimensions})")
  endif()
endforeach()

# The AppStream metainfo: this component, launched by this entry, in this release.
read_installed("${DATADIR}/metainfo/${ID}.metainfo.xml" metainfo)
foreach(element
    "<id>${ID}</id>"
    "<launchable type=\"desktop-id\">${ID}.desktop</launchable>"
    "<release version=\"${VERSION}\""
    "<content_rating type=\"oars-1.1\""
    "<screenshot type=\"default\">"
    "<developer_name>"
    "<project_license>")
  string(FIND "${metainfo}" "${element}" at)
  if(at EQUAL -1)
    fail("metainfo: no ${element}")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "Installed into ${PREFIX}:\n${failures}")
endif()
