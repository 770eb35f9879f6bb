# Copies a string table, putting the configured addresses in place of the defaults it is
# written with. Run as: cmake -DIN=... -DOUT=... -DSUPPORT_MAIL=... -DUPDATE_MAIL=...
#                             -DFOOD_LABEL_URL=... -P ConfigureTable.cmake
set(default_support "support@tolvane.ch")
set(default_update "update@tolvane.ch")
set(default_food_label "https://www.blv.admin.ch/blv/de/home/lebensmittel-und-ernaehrung/lebensmittelsicherheit/stoffe-im-fokus/naehrwertdeklaration.html")

file(READ "${IN}" text)
# Only whole addresses in links and link texts are replaced: ">address<" and "address.\"".
foreach(pair "support;SUPPORT_MAIL" "update;UPDATE_MAIL")
    list(GET pair 0 name)
    list(GET pair 1 var)
    set(old "${default_${name}}")
    set(new "${${var}}")
    if(new AND NOT new STREQUAL old)
        string(REPLACE "\"${old}.\"" "\"${new}.\"" text "${text}")
        string(REPLACE "&gt;${old}&lt;" "&gt;${new}&lt;" text "${text}")
    endif()
endforeach()
if(FOOD_LABEL_URL AND NOT FOOD_LABEL_URL STREQUAL default_food_label)
    string(REPLACE "\"${default_food_label}\"" "\"${FOOD_LABEL_URL}\"" text "${text}")
endif()
file(WRITE "${OUT}" "${text}")
