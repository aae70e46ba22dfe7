# Builds the interactive web puzzle's style sheet and script into the program: writes OUTPUT, a C++
# file defining kInteractivePageStyle from STYLE_FILE and kInteractivePageScript from SCRIPT_FILE.
# Run by the build (cmake -P) whenever either file changes.
set(body "// Made by EmbedPageAssets.cmake from the page's style sheet and script; do not edit.\n")
string(APPEND body "namespace gw {\n")
foreach(pair "kInteractivePageStyle;${STYLE_FILE}" "kInteractivePageScript;${SCRIPT_FILE}")
  list(GET pair 0 name)
  list(GET pair 1 file)
  file(READ ${file} text)
  if(text MATCHES "\\)gw\"")
    message(FATAL_ERROR "${file} holds )gw\" and cannot be built in as it is")
  endif()
  string(APPEND body "extern const char ${name}[];\nconst char ${name}[] = R\"gw(${text})gw\";\n")
endforeach()
string(APPEND body "}  // namespace gw\n")
file(WRITE ${OUTPUT}.new "${body}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
