# Writes one help source, kept in UTF-8, in the code page the help viewer reads it with: the
# language of Pravex.hhp (0x416) is read as Windows-1252. A page's charset declaration is
# rewritten to say so, for viewers that go by the page instead. A character that Windows-1252
# lacks stops the build rather than reaching the viewer as a substitute.
#
#   cmake -DENTRADA=source -DSAIDA=encoded -DICONV=iconv -P Codifica.cmake
foreach(variavel ENTRADA SAIDA ICONV)
    if(NOT DEFINED ${variavel})
        message(FATAL_ERROR "Codifica.cmake needs -D${variavel}=...")
    endif()
endforeach()

file(READ "${ENTRADA}" texto)
if(ENTRADA MATCHES "\\.html$")
    set(utf8 "<meta charset=\"utf-8\">")
    set(windows1252
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">")
    string(FIND "${texto}" "${utf8}" onde)
    if(onde EQUAL -1)
        message(FATAL_ERROR "${ENTRADA}: the page must declare ${utf8}, the encoding of the "
                            "help sources")
    endif()
    string(REPLACE "${utf8}" "${windows1252}" texto "${texto}")
endif()

file(WRITE "${SAIDA}.utf-8" "${texto}")
execute_process(
    COMMAND "${ICONV}" -f UTF-8 -t WINDOWS-1252
    INPUT_FILE "${SAIDA}.utf-8"
    OUTPUT_FILE "${SAIDA}"
    RESULT_VARIABLE resultado
    ERROR_VARIABLE erro)
file(REMOVE "${SAIDA}.utf-8")
if(NOT resultado EQUAL 0)
    file(REMOVE "${SAIDA}")
    message(FATAL_ERROR "${ENTRADA}: cannot be written in Windows-1252: ${erro}")
endif()
