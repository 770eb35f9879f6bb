# Copies a string table, putting the configured addresses in place of the defaults it is
# written with. Run as: cmake -DIN=... -DOUT=... -DSUPPORT_MAIL=... -DUPDATE_MAIL=...
#                             -DFOOD_LABEL_URL=... -P ConfigureTable.cmake
set(default_support "support@tolvane.ch")
set(default_update "update@tolvane.ch")
set(default_food_label "https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html")

# The tables hold HTML escaped as XML: a value is escaped for HTML, then for XML.
function(escape_for_table value out)
    string(REPLACE "&" "&amp;" value "${value}")
    string(REPLACE "\"" "&quot;" value "${value}")
    string(REPLACE "<" "&lt;" value "${value}")
    string(REPLACE ">" "&gt;" value "${value}")
    string(REPLACE "&" "&amp;" value "${value}")
    string(REPLACE "<" "&lt;" value "${value}")
    string(REPLACE ">" "&gt;" value "${value}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

file(READ "${IN}" text)
# Only whole addresses in links and link texts are replaced: ">address<" and "address.\"".
foreach(pair "support;SUPPORT_MAIL" "update;UPDATE_MAIL")
    list(GET pair 0 name)
    list(GET pair 1 var)
    set(old "${default_${name}}")
    escape_for_table("${${var}}" new)
    if(new AND NOT new STREQUAL old)
        string(REPLACE "\"${old}.\"" "\"${new}.\"" text "${text}")
        string(REPLACE "&gt;${old}&lt;" "&gt;${new}&lt;" text "${text}")
    endif()
endforeach()
escape_for_table("${FOOD_LABEL_URL}" food_label)
if(food_label AND NOT food_label STREQUAL default_food_label)
    string(REPLACE "\"${default_food_label}\"" "\"${food_label}\"" text "${text}")
endif()
file(WRITE "${OUT}" "${text}")
