# The headless engine: standard library only, no window system.
# One static library; each folder is one subsystem, listed from the bottom layer up.

set(KALDER_NOYAU
    noyau/centrage.cpp
    noyau/centrage.hpp
    noyau/lettres.cpp
    noyau/lettres.hpp
    noyau/nombre.hpp
    noyau/reductions.cpp
    noyau/reductions.hpp
    noyau/saisie.cpp
    noyau/saisie.hpp
    noyau/sommes.cpp
    noyau/sommes.hpp
    noyau/utf8.cpp
    noyau/utf8.hpp
)
# What differs between Windows and the others: paths from UTF-8, the wide
# command line, the user's folders, the console, replacing a file.
set(KALDER_SYSTEME
    systeme/chemins.cpp
    systeme/chemins.hpp
    systeme/console.cpp
    systeme/console.hpp
    systeme/dossiers_systeme.cpp
    systeme/dossiers_systeme.hpp
    systeme/ligne_commande.cpp
    systeme/ligne_commande.hpp
    systeme/renommer.cpp
    systeme/renommer.hpp
    systeme/texte_large.cpp
    systeme/texte_large.hpp
)
set(KALDER_MODELE
    modele/effacer.cpp
    modele/effacer.hpp
    modele/etat_fenetre.cpp
    modele/etat_fenetre.hpp
    modele/slots.cpp
    modele/slots.hpp
)
set(KALDER_SAISIE
    saisie/valider_saisie.cpp
    saisie/valider_saisie.hpp
)
set(KALDER_THEME
    theme/calculer_theme.cpp
    theme/calculer_theme.hpp
    theme/mots_nom.cpp
    theme/mots_nom.hpp
    theme/nombres_date.cpp
    theme/nombres_date.hpp
    theme/nombres_nom.cpp
    theme/nombres_nom.hpp
    theme/presence.cpp
    theme/presence.hpp
)
set(KALDER_ANNEE
    annee/calculer_annee.cpp
    annee/calculer_annee.hpp
)
set(KALDER_COMPAT
    compat/calculer_compatibilite.cpp
    compat/calculer_compatibilite.hpp
)
set(KALDER_INTERPRETATION
    interpretation/annee.cpp
    interpretation/commandes.cpp
    interpretation/commandes.hpp
    interpretation/detail.cpp
    interpretation/ecrivains.cpp
    interpretation/ecrivains.hpp
    interpretation/entente.cpp
    interpretation/generateurs.hpp
    interpretation/lecture.hpp
    interpretation/rapport.cpp
    interpretation/synthese.cpp
)
set(KALDER_REPERTOIRE
    repertoire/cle_tri.cpp
    repertoire/cle_tri.hpp
    repertoire/cp1252.cpp
    repertoire/cp1252.hpp
    repertoire/dossier_donnees.cpp
    repertoire/dossier_donnees.hpp
    repertoire/fichiers.cpp
    repertoire/fichiers.hpp
    repertoire/format_repertoire.cpp
    repertoire/format_repertoire.hpp
    repertoire/ligne_fenetre.cpp
    repertoire/ligne_fenetre.hpp
    repertoire/liste_personnes.cpp
    repertoire/liste_personnes.hpp
    repertoire/messages_repertoire.cpp
    repertoire/messages_repertoire.hpp
    repertoire/personne.hpp
    repertoire/prendre_personne.cpp
    repertoire/prendre_personne.hpp
    repertoire/questions.hpp
    repertoire/sauvegarder_personnes.cpp
    repertoire/sauvegarder_personnes.hpp
)

add_library(kalder_engine STATIC
    ${KALDER_NOYAU}
    ${KALDER_SYSTEME}
    ${KALDER_MODELE}
    ${KALDER_SAISIE}
    ${KALDER_THEME}
    ${KALDER_ANNEE}
    ${KALDER_COMPAT}
    ${KALDER_INTERPRETATION}
    ${KALDER_REPERTOIRE}
)
target_include_directories(kalder_engine PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(kalder_engine PUBLIC kalder_textes PRIVATE kalder_options)
if(WIN32)
    # CommandLineToArgvW and SHGetFolderPathW.
    target_link_libraries(kalder_engine PRIVATE shell32)
    target_compile_definitions(kalder_engine PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
endif()
