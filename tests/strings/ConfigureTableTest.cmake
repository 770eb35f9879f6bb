# A build configured with other addresses gets them in the help pages' links and link texts,
# and nothing else in the table changes.
set(script ${SOURCE_ROOT}/resources/strings/ConfigureTable.cmake)
set(in ${WORK_DIR}/configure_in.ts)
set(out ${WORK_DIR}/configure_out.ts)
set(label "https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html")
file(WRITE ${in} "<translation>&lt;a href=\"support@tolvane.ch.\"&gt;support@tolvane.ch&lt;/a&gt; "
    "&lt;a href=\"update@tolvane.ch.\"&gt;update@tolvane.ch&lt;/a&gt; "
    "&lt;a href=\"${label}\"&gt;BLV&lt;/a&gt; catalogue.update@tolvane.ch %@ kcal</translation>\n")

function(configure_and_expect expected)
    execute_process(COMMAND ${CMAKE_COMMAND} -DIN=${in} -DOUT=${out} ${ARGN} -P ${script}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "ConfigureTable.cmake failed: ${result}")
    endif()
    file(READ ${out} text)
    if(NOT text STREQUAL expected)
        message(FATAL_ERROR "unexpected table:\n${text}\nexpected:\n${expected}")
    endif()
endfunction()

file(READ ${in} original)
configure_and_expect("${original}" -DSUPPORT_MAIL=support@tolvane.ch -DUPDATE_MAIL=update@tolvane.ch
                     "-DFOOD_LABEL_URL=${label}")
configure_and_expect("${original}")
# "&" in an address is escaped for the HTML and again for the XML that carries it
string(CONCAT expected
    "<translation>&lt;a href=\"help@example.org.\"&gt;help@example.org&lt;/a&gt; "
    "&lt;a href=\"data@example.org.\"&gt;data@example.org&lt;/a&gt; "
    "&lt;a href=\"https://example.org/label?a=1&amp;amp;b=2\"&gt;BLV&lt;/a&gt; "
    "catalogue.update@tolvane.ch %@ kcal</translation>\n")
configure_and_expect("${expected}"
    -DSUPPORT_MAIL=help@example.org -DUPDATE_MAIL=data@example.org
    "-DFOOD_LABEL_URL=https://example.org/label?a=1&b=2")
