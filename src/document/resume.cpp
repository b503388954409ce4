// What the dossier holds, said before it is written, and whom it names.

#include "document/dossier.hpp"
#include "document/html.hpp"

namespace kalder::document {

QString nom_partenaire(const ThemeCalcule& etat) {
    if (!etat.ent[ent::expression_partenaire].montre())
        return {};
    const EntenteCalculee& e = etat.origines.entente;
    return nom_complet(e.prenom_partenaire, e.nom_partenaire);
}

QStringList resume_dossier(const ThemeCalcule& etat, const ParametresDossier& p) {
    const Theme& t = etat.theme;
    QStringList l;
    l << (t.date_complete() ? QStringLiteral("%1, naissance le %2/%3/%4")
                                  .arg(nom_complet(etat))
                                  .arg(t.jour, 2, 10, QLatin1Char('0'))
                                  .arg(t.mois, 2, 10, QLatin1Char('0'))
                                  .arg(t.annee)
                            : QStringLiteral("%1, sans date de naissance").arg(nom_complet(etat)));
    if (const QString partenaire = nom_partenaire(etat); !partenaire.isEmpty())
        l << QStringLiteral("Entente avec %1").arg(partenaire);
    if (const auto n = p.variantes.size(); n > 0)
        l << (n == 1 ? QStringLiteral("1 variante du nom")
                     : QStringLiteral("%1 variantes du nom").arg(n));
    return l;
}

} // namespace kalder::document
