#pragma once
// Small helpers shared by the builders of the main window: captions, value
// slots, coloured panels, fields and buttons, all at fixed positions.

#include "modele/etat_fenetre.hpp"

#include <QColor>

#include <QFont>
#include <QHash>
#include <QRect>
#include <QString>
#include <optional>

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kalder::ui {

namespace teinte {
inline constexpr QColor vert_fonce{0, 128, 0};
inline constexpr QColor rouge_fonce{192, 0, 0};
inline constexpr QColor bleu_clair{128, 128, 255};
inline constexpr QColor violet{128, 0, 128};
inline constexpr QColor jaune{255, 255, 0};
inline constexpr QColor orange{255, 128, 0};
inline constexpr QColor brun{192, 64, 0};
inline constexpr QColor saumon{255, 128, 128};
inline constexpr QColor turquoise{0, 192, 192};
inline constexpr QColor vert_moyen{0, 192, 0};
inline constexpr QColor vert_clair{128, 255, 128};
inline constexpr QColor vert_pale{192, 255, 192};
inline constexpr QColor rose{255, 128, 255};
inline constexpr QColor magenta{255, 0, 255};
inline constexpr QColor pourpre{192, 0, 192};
inline constexpr QColor blanc{255, 255, 255};
inline constexpr QColor noir{0, 0, 0};
} // namespace teinte

// The colour the model asks for a slot; none for Couleur::defaut, whose colour
// depends on where the slot is shown.
std::optional<QColor> couleur_du_modele(Couleur c);

// A display slot on screen and the colour it takes when the model says
// Couleur::defaut (not always black: the person's life path on the
// compatibility tab is green).
struct LibelleSlot {
    QLabel* libelle = nullptr;
    QColor couleur_base;
};

// Every control the window reads or writes, filled by the builders.
struct Controles {
    std::array<QLineEdit*, nombre_champs> champs{};
    std::array<QPushButton*, nombre_boutons> boutons{};
    QComboBox* liste_mois = nullptr;
    QHash<QString, LibelleSlot> libelles;
    // Watches every slot for the mouse passing over it (its explanation).
    QObject* survol = nullptr;
};

struct Style {
    double points = 9.75;
    bool gras = false;
    Qt::Alignment alignement = Qt::AlignCenter;
    QColor couleur = teinte::noir;
    QColor fond; // invalid: transparent
    bool cadre = false;
};

QFont police(double points, bool gras = false);

// A fixed caption.
QLabel* legende(QWidget* parent, const QString& texte, QRect geometrie, Style style = {});
Style style_legende(QColor couleur = teinte::noir, double points = 9.75, bool gras = false);

// A display slot, named as the model names it ("Nomb(12)"). A name the
// catalogue of slots does not know stops the program at once.
QLabel* slot(Controles& c, QWidget* parent, const QString& nom, QRect geometrie, Style style = {});
// The usual white value box.
Style style_valeur(double points = 9.75, bool gras = false);

// A flat panel of one colour.
QWidget* panneau(QWidget* parent, QRect geometrie, QColor couleur);

// A text field, with the name a screen reader gives it ("Jour de naissance").
QLineEdit* champ(Controles& c, QWidget* parent, ChampId id, QRect geometrie);
QString nom_accessible(ChampId id);
QPushButton* bouton(Controles& c, QWidget* parent, BoutonId id, const QString& texte,
                    QRect geometrie);
// A dialog's button that is never pressed by Enter unless it has the focus.
QPushButton* bouton_sans_defaut(QWidget* parent, const QString& texte, const char* nom);

QString nom_qt(std::string_view nom);

// "Nomb(12)": one slot of a run, as the model names it.
QString nom_slot(std::string_view tableau, int indice);
// The label of a slot as the catalogue gives it ("Nombre actif"), and the
// same as a caption beside its value ("Nombre actif :").
QString libelle(const QString& nom);
QString legende_de(const QString& nom);
// The caption of a whole run ("Mois personnel :").
QString legende_tableau(std::string_view tableau);

// Stops the program when a slot of the model has no label on screen: a
// misspelt or forgotten slot must not go unnoticed.
void verifier_slots(const Controles& c);

// The engine's CR LF line ends as the single line breaks Qt's text views want.
QString sauts_de_ligne_qt(QString texte);

} // namespace kalder::ui
