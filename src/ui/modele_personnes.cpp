#include "ui/modele_personnes.hpp"

#include <algorithm>

namespace kalder::ui {

namespace {

// "Écuyer" → "ecuyer", "Œuf" → "oeuf": letters without case or accents.
QString plier(const QString& texte) {
    QString plie;
    for (const QChar c : texte.toCaseFolded().normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0x0153))
            plie += QStringLiteral("oe");
        else if (c == QChar(0x00E6))
            plie += QStringLiteral("ae");
        else if (c == QChar(0x00DF))
            plie += QStringLiteral("ss");
        else
            plie += c;
    }
    return plie;
}

} // namespace

void ModelePersonnes::remplacer(ListePersonnes liste) {
    beginResetModel();
    liste_ = std::move(liste);
    endResetModel();
}

int ModelePersonnes::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(liste_.taille());
}

QVariant ModelePersonnes::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const std::string_view ligne = liste_.ligne(static_cast<std::size_t>(index.row()));
        return QString::fromUtf8(ligne.data(), static_cast<qsizetype>(ligne.size()));
    }
    return {};
}

QModelIndexList ModelePersonnes::match(const QModelIndex& debut, int role, const QVariant& valeur,
                                       int nombre, Qt::MatchFlags drapeaux) const {
    if (role != Qt::DisplayRole || (drapeaux & Qt::MatchTypeMask) != Qt::MatchStartsWith)
        return QAbstractListModel::match(debut, role, valeur, nombre, drapeaux);
    const QString cherche = plier(valeur.toString());
    const int lignes = rowCount();
    const int premiere = std::max(0, debut.row());
    const int bout = drapeaux.testFlag(Qt::MatchWrap) ? lignes : lignes - premiere;
    QModelIndexList trouvees;
    for (int k = 0; k < bout && (nombre < 0 || trouvees.size() < nombre); ++k) {
        const QModelIndex i = index((premiere + k) % lignes);
        if (plier(data(i).toString()).startsWith(cherche))
            trouvees << i;
    }
    return trouvees;
}

} // namespace kalder::ui
