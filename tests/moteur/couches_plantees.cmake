# cmake -DRACINE=<source tree> -DCOPIE=<empty folder> -P couches_plantees.cmake
# Copies the tree, plants an include of a layer above and one of a layer not
# declared, and checks that building fails on each, naming the file, while an
# untouched layer still builds.
cmake_minimum_required(VERSION 3.22)
file(REMOVE_RECURSE ${COPIE})
file(MAKE_DIRECTORY ${COPIE})
file(COPY ${RACINE}/CMakeLists.txt ${RACINE}/cmake ${RACINE}/src DESTINATION ${COPIE})
file(APPEND ${COPIE}/src/theme/calculer_theme.hpp "#include \"ui/fenetre_principale.hpp\"\n")
file(APPEND ${COPIE}/src/annee/calculer_annee.cpp "#include \"textes/textes.hpp\"\n")

execute_process(COMMAND ${CMAKE_COMMAND} -S ${COPIE} -B ${COPIE}/build -DKALDER_MOTEUR_SEUL=ON
                        -DKALDER_TESTS=OFF -DKALDER_BENCH=OFF -DKALDER_UI=OFF
                RESULT_VARIABLE statut OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
if(NOT statut EQUAL 0)
    message(FATAL_ERROR "the copy does not configure:\n${sortie}")
endif()

function(construire cible statut_attendu attendu)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${COPIE}/build --target ${cible}
                    RESULT_VARIABLE statut OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
    if(statut_attendu STREQUAL "echec" AND statut EQUAL 0)
        message(FATAL_ERROR "${cible} built despite the planted include:\n${sortie}")
    elseif(statut_attendu STREQUAL "succes" AND NOT statut EQUAL 0)
        message(FATAL_ERROR "${cible} failed:\n${sortie}")
    endif()
    string(FIND "${sortie}" "${attendu}" position)
    if(position EQUAL -1)
        message(FATAL_ERROR "building ${cible} does not say « ${attendu} »:\n${sortie}")
    endif()
    message(STATUS "${cible}: ${statut_attendu}")
endfunction()

construire(kalder_couche_theme echec
           "src/theme/calculer_theme.hpp: #include \"ui/fenetre_principale.hpp\"  (ui: a layer above theme)")
construire(kalder_couche_annee echec "(textes: not declared by annee")
construire(kalder_couche_modele succes "Checking the includes of src/modele")
cmake_minimum_required(VERSION 3.22)
file(REMOVE_RECURSE ${COPIE})
