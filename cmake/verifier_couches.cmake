# cmake -DSOURCES=<src folder> -DCOUCHE=<layer> -DDECLAREES=<a,b,...> [-DTEMOIN=<file>]
#       -P verifier_couches.cmake
# Fails when a file of src/<layer> includes a header of another folder of src/
# that the layer does not declare; writes TEMOIN when every include is allowed.
cmake_minimum_required(VERSION 3.22)
include(${CMAKE_CURRENT_LIST_DIR}/KalderCouches.cmake)

string(REPLACE "," ";" permises "${DECLAREES}")
list(APPEND permises ${COUCHE})
set(ordre ${KALDER_COUCHES} ${KALDER_COUCHES_PROGRAMMES})
list(FIND ordre ${COUCHE} rang)

set(fautes "")
file(GLOB fichiers ${SOURCES}/${COUCHE}/*.cpp ${SOURCES}/${COUCHE}/*.hpp)
foreach(fichier IN LISTS fichiers)
    file(STRINGS ${fichier} inclusions REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][A-Za-z_]+/")
    foreach(inclusion IN LISTS inclusions)
        string(REGEX REPLACE "^[^\"<]*[\"<]([A-Za-z_]+)/.*$" "\\1" dossier "${inclusion}")
        if(dossier IN_LIST permises OR NOT IS_DIRECTORY ${SOURCES}/${dossier})
            continue() # allowed, or a system header (<sys/stat.h>, <QtGui/QFont>)
        endif()
        list(FIND ordre ${dossier} rang_inclus)
        if(rang_inclus EQUAL -1 OR rang_inclus GREATER rang)
            set(pourquoi "a layer above ${COUCHE}")
        else()
            set(pourquoi "not declared by ${COUCHE} (src/${COUCHE}/CMakeLists.txt)")
        endif()
        file(RELATIVE_PATH chemin ${SOURCES} ${fichier})
        string(APPEND fautes "  src/${chemin}: ${inclusion}  (${dossier}: ${pourquoi})\n")
    endforeach()
endforeach()

if(fautes)
    string(REPLACE ";" " → " ordre "${ordre}")
    message(FATAL_ERROR "includes outside the layers src/${COUCHE} declares (${ordre}):\n"
                        "${fautes}")
endif()
if(TEMOIN)
    file(TOUCH ${TEMOIN})
endif()
