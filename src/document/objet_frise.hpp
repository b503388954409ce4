#pragma once
// The timeline as an object of the dossier's text, drawn with the painter of
// the page it falls on, so that it stays vectors in a PDF and on paper.

#include "frise/frise.hpp"
#include "modele/theme_calcule.hpp"

#include <QObject>
#include <QTextObjectInterface>

#include <optional>

namespace kalder::document {

inline constexpr int type_objet_frise = QTextFormat::UserObject + 1;

class ObjetFrise : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

  public:
    // Built once here: the layout asks its size many times.
    ObjetFrise(const ThemeCalcule& etat, int annee_courante)
        : frise_(construire_frise(etat, annee_courante)) {}

    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* peintre, const QRectF& zone, QTextDocument* document, int position,
                    const QTextFormat& format) override;

  private:
    std::optional<Frise> frise_;
};

} // namespace kalder::document
