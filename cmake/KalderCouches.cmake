# The engine's layers, bottom first. A layer includes and links only the layers
# before it; tests/moteur checks the includes (cmake/verifier_couches.cmake).
set(KALDER_COUCHES
    noyau systeme textes modele saisie annee theme compat identite explication interpretation frise
    variantes repertoire calendrier clients)

# kalder_couche(<folder> <lower layer>...): the static library kalder_<folder> of
# every source of src/<folder>, linked to the lower layers it uses.
function(kalder_couche dossier)
    list(FIND KALDER_COUCHES ${dossier} rang)
    foreach(dessous IN LISTS ARGN)
        list(FIND KALDER_COUCHES ${dessous} rang_dessous)
        if(rang_dessous EQUAL -1 OR NOT rang_dessous LESS rang)
            message(FATAL_ERROR "kalder_${dossier} links ${dessous}, which is not below it "
                                "in KALDER_COUCHES (cmake/KalderCouches.cmake)")
        endif()
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
                                        ${CMAKE_CURRENT_SOURCE_DIR}/*.hpp)
    list(TRANSFORM ARGN PREPEND kalder_ OUTPUT_VARIABLE dessous)
    add_library(kalder_${dossier} STATIC ${sources})
    target_include_directories(kalder_${dossier} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(kalder_${dossier} PUBLIC ${dessous} PRIVATE kalder_options)
    if(WIN32)
        target_compile_definitions(kalder_${dossier} PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
    endif()
endfunction()
