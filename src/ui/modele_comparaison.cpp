#include "ui/modele_comparaison.hpp"

#include "document/html.hpp"
#include "explication/explications.hpp"
#include "noyau/sommes.hpp"
#include "ui/construction.hpp"

#include <QFont>

#include <algorithm>

namespace kalder::ui {

namespace {

QString qt(const std::string& texte) {
    return QString::fromStdString(texte);
}

QVariant couleur_texte(Couleur c) {
    if (const auto couleur = couleur_du_modele(c))
        return *couleur;
    return {};
}

// A caption on lines of about a dozen characters, so that a column is as
// narrow as its numbers allow.
QString en_lignes(const QString& libelle) {
    constexpr int largeur = 12;
    QStringList lignes;
    for (const QString& mot : libelle.split(QLatin1Char(' '))) {
        if (!lignes.isEmpty() && lignes.last().size() + 1 + mot.size() <= largeur)
            lignes.last() += QLatin1Char(' ') + mot;
        else
            lignes << mot;
    }
    return lignes.join(QLatin1Char('\n'));
}

QString libelle_colonne(int section) {
    if (section == 0)
        return QStringLiteral("Nom");
    return qt(colonnes_nom()[static_cast<std::size_t>(section - 1)].libelle);
}

} // namespace

void ModeleComparaison::definir_personne(const Theme& personne, int annee_courante,
                                         const std::vector<NomVariante>& variantes) {
    beginResetModel();
    personne_ = personne;
    avec_personne_ = true;
    annee_courante_ = annee_courante;
    lignes_.clear();
    lignes_.push_back(
        {calculer_variante(personne_, {personne.prenom, personne.nom}, annee_courante_), true});
    for (const NomVariante& nom : variantes)
        lignes_.push_back({calculer_variante(personne_, nom, annee_courante_), false});
    endResetModel();
}

void ModeleComparaison::vider() {
    beginResetModel();
    lignes_.clear();
    avec_personne_ = false;
    endResetModel();
}

void ModeleComparaison::ajouter(NomVariante nom) {
    if (!avec_personne_)
        return;
    const int rang = rowCount();
    beginInsertRows({}, rang, rang);
    lignes_.push_back({calculer_variante(personne_, std::move(nom), annee_courante_), false});
    endInsertRows();
}

void ModeleComparaison::remplacer(int rang, NomVariante nom) {
    if (rang < 0 || rang >= rowCount() || est_reference(rang))
        return;
    lignes_[static_cast<std::size_t>(rang)].calcul =
        calculer_variante(personne_, std::move(nom), annee_courante_);
    emit dataChanged(index(rang, 0), index(rang, columnCount() - 1));
}

void ModeleComparaison::retirer(int rang) {
    if (rang < 0 || rang >= rowCount() || est_reference(rang))
        return;
    beginRemoveRows({}, rang, rang);
    lignes_.erase(lignes_.begin() + rang);
    endRemoveRows();
}

void ModeleComparaison::deplacer(int rang, int sens) {
    const int vers = rang + sens;
    if (rang < 0 || rang >= rowCount() || vers < 0 || vers >= rowCount() || sens == 0)
        return;
    // Qt names the destination as the row the moved one goes before.
    beginMoveRows({}, rang, rang, {}, sens > 0 ? vers + 1 : vers);
    std::swap(lignes_[static_cast<std::size_t>(rang)], lignes_[static_cast<std::size_t>(vers)]);
    endMoveRows();
}

const LigneVariante* ModeleComparaison::reference() const {
    for (const Rangee& r : lignes_)
        if (r.reference)
            return &r.calcul;
    return nullptr;
}

std::vector<NomVariante> ModeleComparaison::variantes() const {
    std::vector<NomVariante> l;
    for (const Rangee& r : lignes_)
        if (!r.reference)
            l.push_back(r.calcul.nom);
    return l;
}

bool ModeleComparaison::differe(int rang, int colonne) const {
    const LigneVariante* ref = reference();
    const LigneVariante& l = ligne(rang);
    return colonne >= 1 && ref && cellule_differe(l, *ref, static_cast<std::size_t>(colonne - 1));
}

bool ModeleComparaison::colonne_differe(int colonne) const {
    for (int r = 0; r < rowCount(); ++r)
        if (differe(r, colonne))
            return true;
    return false;
}

QString ModeleComparaison::nom_affiche(int rang) const {
    const LigneVariante& l = ligne(rang);
    const QString nom = qt(l.nom.prenom) + QLatin1Char(' ') + qt(l.nom.nom);
    return est_reference(rang) ? nom + QStringLiteral(" (référence)") : nom;
}

// The number alone: the triangle's slots hold their caption, already the column's.
QString ModeleComparaison::valeur(int rang, int colonne) const {
    if (colonne == 0)
        return nom_affiche(rang);
    const LigneVariante& l = ligne(rang);
    if (l.erreur)
        return colonne == 1 ? qt(*l.erreur) : QString();
    const Slot& s = l.cellules[static_cast<std::size_t>(colonne - 1)];
    return s.visible ? qt(std::string(s.texte_valeur())) : QString();
}

QString ModeleComparaison::texte_tabule(bool seulement_differences) const {
    std::vector<int> colonnes{0};
    for (int c = 1; c < columnCount(); ++c)
        if (!seulement_differences || colonne_differe(c))
            colonnes.push_back(c);
    QStringList lignes;
    QStringList entete;
    for (int c : colonnes)
        entete << libelle_colonne(c);
    lignes << entete.join(QLatin1Char('\t'));
    for (int r = 0; r < rowCount(); ++r) {
        QStringList cellules;
        for (int c : colonnes)
            cellules << (differe(r, c) ? valeur(r, c) + QStringLiteral(" ≠") : valeur(r, c));
        lignes << cellules.join(QLatin1Char('\t'));
    }
    return lignes.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

int ModeleComparaison::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
}

int ModeleComparaison::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(colonnes_nom().size()) + 1;
}

QVariant ModeleComparaison::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount() ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    return role == Qt::DisplayRole ? en_lignes(libelle_colonne(section)) : libelle_colonne(section);
}

QVariant ModeleComparaison::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int r = index.row(), c = index.column();
    const LigneVariante& l = ligne(r);
    switch (role) {
    case Qt::DisplayRole:
        return valeur(r, c);
    case Qt::ForegroundRole:
        if (c == 0)
            return {};
        if (l.erreur)
            return teinte::rouge_fonce;
        return couleur_texte(l.cellules[static_cast<std::size_t>(c - 1)].couleur);
    case Qt::TextAlignmentRole:
        return c == 0 || l.erreur ? QVariant() : QVariant(Qt::AlignCenter);
    case Qt::BackgroundRole:
        return differe(r, c) ? QVariant(document::fond_different) : QVariant();
    case Qt::FontRole:
        if (c == 0 && est_reference(r)) {
            QFont gras;
            gras.setBold(true);
            return gras;
        }
        return {};
    case Qt::ToolTipRole:
        if (c == 0 || l.erreur)
            return l.erreur ? qt(*l.erreur) : QVariant();
        return qt(expliquer_cellule(l, static_cast<std::size_t>(c - 1)));
    case Qt::AccessibleTextRole: {
        if (c == 0)
            return nom_affiche(r);
        const QString texte =
            libelle_colonne(c) + QStringLiteral(" : ") + (l.erreur ? qt(*l.erreur) : valeur(r, c));
        return differe(r, c) ? texte + QStringLiteral(", différent de la référence") : texte;
    }
    default:
        return {};
    }
}

void ModeleComparaison::sort(int colonne, Qt::SortOrder ordre) {
    if (colonne < 0 || colonne >= columnCount())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList avant = persistentIndexList();
    std::vector<int> rangs(lignes_.size());
    for (std::size_t i = 0; i < rangs.size(); ++i)
        rangs[i] = static_cast<int>(i);
    // Numbers by value ("11/2" as 11), other texts alphabetically after them;
    // refused rows last whatever the order.
    const auto cle = [&](int r) {
        const LigneVariante& l = ligne(r);
        const QString v = l.erreur ? QString() : valeur(r, colonne);
        const Slot* cellule =
            l.erreur || colonne == 0 ? nullptr : &l.cellules[static_cast<std::size_t>(colonne - 1)];
        const bool nombre = cellule && !v.isEmpty() && cellule->nombre;
        return std::tuple(l.erreur.has_value(), v.isEmpty(), !nombre,
                          nombre ? cellule->valeur() : 0, v.toLower());
    };
    std::stable_sort(rangs.begin(), rangs.end(), [&](int a, int b) {
        const auto ka = cle(a), kb = cle(b);
        if (std::get<0>(ka) != std::get<0>(kb) || std::get<1>(ka) != std::get<1>(kb))
            return ka < kb;
        return ordre == Qt::AscendingOrder ? ka < kb : kb < ka;
    });
    std::vector<Rangee> tries;
    std::vector<int> nouveau(rangs.size());
    for (std::size_t i = 0; i < rangs.size(); ++i) {
        tries.push_back(std::move(lignes_[static_cast<std::size_t>(rangs[i])]));
        nouveau[static_cast<std::size_t>(rangs[i])] = static_cast<int>(i);
    }
    lignes_ = std::move(tries);
    QModelIndexList apres;
    for (const QModelIndex& i : avant)
        apres << index(nouveau[static_cast<std::size_t>(i.row())], i.column());
    changePersistentIndexList(avant, apres);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace kalder::ui
