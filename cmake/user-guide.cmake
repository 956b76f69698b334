# Turns docs/USER-GUIDE.md into the USER-GUIDE.html that Help opens beside the
# executable, with the guide's pictures in a "guide" folder next to it, where
# the page's relative links find them on any machine the folder is copied to.
# Run as a script, CMARK naming cmark-gfm (GitHub's tables): cmake -DCMARK=... -DSOURCE=<md> -DPICTURES=<folder> -DOUTPUT=<html> -P user-guide.cmake
execute_process(COMMAND ${CMARK} --extension table --to html ${SOURCE}
  OUTPUT_VARIABLE body RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmark-gfm could not read ${SOURCE}")
endif()

set(page "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>Corvane user guide</title>
<style>
body { font-family: Segoe UI, Tahoma, sans-serif; max-width: 46em; margin: 2em auto; padding: 0 1em; line-height: 1.45; }
table { border-collapse: collapse; } th, td { border: 1px solid #bbb; padding: 0.3em 0.6em; text-align: left; vertical-align: top; }
code, pre { font-family: Consolas, monospace; background: #f3f3f3; } pre { padding: 0.5em; }
</style>
</head>
<body>
${body}</body>
</html>
")
file(WRITE ${OUTPUT} "${page}")

get_filename_component(folder ${OUTPUT} DIRECTORY)
file(GLOB pictures ${PICTURES}/*.png)
if(pictures)
  file(COPY ${pictures} DESTINATION ${folder}/guide)
endif()
