# The layers, bottom first: the engine's, then the Qt document library and
# the two programs. A layer includes and links only the layers it declares,
# each below it; every build checks its includes against that declaration.
set(KALDER_COUCHES
    noyau systeme textes modele saisie annee theme compat identite explication interpretation frise
    variantes repertoire calendrier clients)
set(KALDER_COUCHES_PROGRAMMES document cli ui)

# kalder_couches_declarees(<target> <folder> <lower layer>...): fails the
# configuration when a declared layer is not below <folder>, and makes <target>
# wait for a check of the includes of src/<folder>: one that names a folder of
# src/ other than <folder> and its declared layers fails the build.
function(kalder_couches_declarees cible dossier)
    set(ordre ${KALDER_COUCHES} ${KALDER_COUCHES_PROGRAMMES})
    list(FIND ordre ${dossier} rang)
    foreach(dessous IN LISTS ARGN)
        list(FIND ordre ${dessous} rang_dessous)
        if(rang_dessous EQUAL -1 OR NOT rang_dessous LESS rang)
            message(FATAL_ERROR "${dossier} declares ${dessous}, which is not below it "
                                "(cmake/KalderCouches.cmake)")
        endif()
    endforeach()
    file(GLOB fichiers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${dossier}/*.cpp
                                         ${PROJECT_SOURCE_DIR}/src/${dossier}/*.hpp)
    string(REPLACE ";" "," declarees "${ARGN}")
    set(temoin ${CMAKE_CURRENT_BINARY_DIR}/inclusions_verifiees)
    add_custom_command(
        OUTPUT ${temoin}
        COMMAND ${CMAKE_COMMAND} -DSOURCES=${PROJECT_SOURCE_DIR}/src -DCOUCHE=${dossier}
                "-DDECLAREES=${declarees}" -DTEMOIN=${temoin}
                -P ${PROJECT_SOURCE_DIR}/cmake/verifier_couches.cmake
        DEPENDS ${fichiers} ${PROJECT_SOURCE_DIR}/cmake/verifier_couches.cmake
                ${CMAKE_CURRENT_LIST_FILE}
        COMMENT "Checking the includes of src/${dossier}"
        VERBATIM)
    add_custom_target(kalder_couche_${dossier} DEPENDS ${temoin})
    add_dependencies(${cible} kalder_couche_${dossier})
endfunction()

# kalder_couche(<folder> <lower layer>...): the static library kalder_<folder> of
# every source of src/<folder>, linked to the lower layers it declares.
function(kalder_couche dossier)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
                                        ${CMAKE_CURRENT_SOURCE_DIR}/*.hpp)
    list(TRANSFORM ARGN PREPEND kalder_ OUTPUT_VARIABLE dessous)
    add_library(kalder_${dossier} STATIC ${sources})
    target_include_directories(kalder_${dossier} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(kalder_${dossier} PUBLIC ${dessous} PRIVATE kalder_options)
    if(WIN32)
        target_compile_definitions(kalder_${dossier} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
    endif()
    kalder_couches_declarees(kalder_${dossier} ${dossier} ${ARGN})
endfunction()
