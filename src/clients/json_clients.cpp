#include "clients/json_clients.hpp"

#include "noyau/utf8.hpp"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <span>
#include <string_view>
#include <variant>

namespace kalder {

namespace {

void chaine(std::string& out, std::string_view texte) {
    static const char hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : texte) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u == 0x7F) {
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 0xF];
        } else {
            out += c; // the client file holds valid UTF-8 only
        }
    }
    out += '"';
}

// "cle": "valeur" pairs of one object.
void objet(std::string& out,
           std::initializer_list<std::pair<const char*, const std::string*>> champs) {
    out += '{';
    bool premier = true;
    for (const auto& [cle, valeur] : champs) {
        out += premier ? "" : ", ";
        premier = false;
        chaine(out, cle);
        out += ": ";
        chaine(out, *valeur);
    }
    out += '}';
}

template <typename T, typename F> void liste(std::string& out, const std::vector<T>& v, F&& f) {
    out += '[';
    for (std::size_t i = 0; i < v.size(); ++i) {
        out += i ? ", " : "";
        f(v[i]);
    }
    out += ']';
}

// A parsed JSON value.
struct Valeur;
using Objet = std::map<std::string, Valeur, std::less<>>;
using Tableau = std::vector<Valeur>;
struct Valeur {
    std::variant<std::nullptr_t, bool, double, std::string, std::shared_ptr<Tableau>,
                 std::shared_ptr<Objet>>
        v;
};

struct ErreurJson {
    std::size_t position;
};

class Lecteur {
  public:
    explicit Lecteur(std::string_view t) : t_(t) {}
    Valeur document() {
        Valeur v = valeur(0);
        blancs();
        if (i_ != t_.size())
            throw ErreurJson{i_};
        return v;
    }

  private:
    std::string_view t_;
    std::size_t i_ = 0;

    void blancs() {
        while (i_ < t_.size() &&
               (t_[i_] == ' ' || t_[i_] == '\n' || t_[i_] == '\r' || t_[i_] == '\t'))
            ++i_;
    }
    bool voir(char c) {
        blancs();
        if (i_ < t_.size() && t_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    void attendre(char c) {
        if (!voir(c))
            throw ErreurJson{i_};
    }
    Valeur valeur(int profondeur) {
        if (profondeur > 64)
            throw ErreurJson{i_};
        blancs();
        if (i_ >= t_.size())
            throw ErreurJson{i_};
        const char c = t_[i_];
        if (c == '{') {
            ++i_;
            auto o = std::make_shared<Objet>();
            if (!voir('}')) {
                do {
                    blancs();
                    std::string cle = texte();
                    attendre(':');
                    (*o)[cle] = valeur(profondeur + 1);
                } while (voir(','));
                attendre('}');
            }
            return {o};
        }
        if (c == '[') {
            ++i_;
            auto a = std::make_shared<Tableau>();
            if (!voir(']')) {
                do
                    a->push_back(valeur(profondeur + 1));
                while (voir(','));
                attendre(']');
            }
            return {a};
        }
        if (c == '"')
            return {texte()};
        for (const auto& [mot, v] : {std::pair<std::string_view, Valeur>{"true", {true}},
                                     {"false", {false}},
                                     {"null", {nullptr}}})
            if (t_.substr(i_, mot.size()) == mot) {
                i_ += mot.size();
                return v;
            }
        const std::string nombre(t_.substr(i_, 32));
        char* fin = nullptr;
        const double d = std::strtod(nombre.c_str(), &fin);
        if (fin == nombre.c_str())
            throw ErreurJson{i_};
        i_ += static_cast<std::size_t>(fin - nombre.c_str());
        return {d};
    }
    unsigned hex4() {
        if (i_ + 4 > t_.size())
            throw ErreurJson{i_};
        unsigned v = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = t_[i_++];
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                v |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                v |= static_cast<unsigned>(c - 'A' + 10);
            else
                throw ErreurJson{i_};
        }
        return v;
    }
    std::string texte() {
        if (i_ >= t_.size() || t_[i_] != '"')
            throw ErreurJson{i_};
        ++i_;
        std::string r;
        while (i_ < t_.size() && t_[i_] != '"') {
            const char c = t_[i_++];
            if (c != '\\') {
                r += c;
                continue;
            }
            if (i_ >= t_.size())
                throw ErreurJson{i_};
            const char e = t_[i_++];
            constexpr std::string_view simples = "\"\\/bfnrt", valeurs = "\"\\/\b\f\n\r\t";
            if (const auto k = simples.find(e); k != std::string_view::npos) {
                r += valeurs[k];
            } else if (e == 'u') {
                char32_t u = hex4();
                // Half of a pair stands for no character: the text is refused.
                if (u >= 0xDC00 && u < 0xE000)
                    throw ErreurJson{i_ - 1};
                if (u >= 0xD800 && u < 0xDC00) {
                    if (t_.substr(i_, 2) != "\\u")
                        throw ErreurJson{i_ - 1};
                    i_ += 2;
                    const unsigned bas = hex4();
                    if (bas < 0xDC00 || bas >= 0xE000)
                        throw ErreurJson{i_ - 1};
                    u = 0x10000 + ((u - 0xD800) << 10) + (bas - 0xDC00);
                }
                ajouter_utf8(r, u);
            } else {
                throw ErreurJson{i_};
            }
        }
        if (i_ >= t_.size())
            throw ErreurJson{i_};
        ++i_;
        return r;
    }
};

const Objet* en_objet(const Valeur* v) {
    if (!v)
        return nullptr;
    const auto* o = std::get_if<std::shared_ptr<Objet>>(&v->v);
    return o ? o->get() : nullptr;
}
const Tableau* en_tableau(const Valeur* v) {
    if (!v)
        return nullptr;
    const auto* a = std::get_if<std::shared_ptr<Tableau>>(&v->v);
    return a ? a->get() : nullptr;
}
const Valeur* membre(const Objet* o, std::string_view cle) {
    if (!o)
        return nullptr;
    const auto it = o->find(cle);
    return it == o->end() ? nullptr : &it->second;
}
std::string texte(const Objet* o, std::string_view cle) {
    const Valeur* v = membre(o, cle);
    const auto* s = v ? std::get_if<std::string>(&v->v) : nullptr;
    return s ? *s : std::string();
}
template <typename F> void chaque(const Objet* o, std::string_view cle, F&& f) {
    if (const Tableau* a = en_tableau(membre(o, cle)))
        for (const Valeur& v : *a)
            f(v);
}

// A field this version does not know would be dropped without a word: the
// whole import is refused, naming it.
struct ChampInconnu {
    std::string raison;
};

// The field's name as it can be shown: no control character, not too long.
std::string nom_montrable(std::string_view cle) {
    std::string r;
    for (const char c : cle.substr(0, 60)) {
        const auto u = static_cast<unsigned char>(c);
        r += u < 0x20 || u == 0x7F ? '?' : c;
    }
    while (r.size() < cle.size() && !r.empty() &&
           (static_cast<unsigned char>(r.back()) & 0xC0) == 0x80)
        r.pop_back();
    if (r.size() < cle.size() && !r.empty() && static_cast<unsigned char>(r.back()) >= 0xC0)
        r.pop_back();
    return r + (r.size() < cle.size() ? "…" : "");
}

void verifier_champs(const Objet* o, std::span<const std::string_view> connus,
                     const std::string& ou) {
    if (!o)
        return;
    for (const auto& [cle, _] : *o)
        if (std::find(connus.begin(), connus.end(), cle) == connus.end())
            throw ChampInconnu{"le champ «\u00a0" + nom_montrable(cle) + "\u00a0»" + ou +
                               " est inconnu de cette version de Kalder"};
}

// The fields of each object of an export.
constexpr std::string_view champs_racine[] = {"kalder_clients", "repertoire", "clients"};
constexpr std::string_view champs_personne[] = {"nom", "prenoms", "jour", "mois", "annee"};
constexpr std::string_view champs_fiche[] = {"personne",      "contact",   "notes",      "tags",
                                             "consultations", "variantes", "partenaires"};
constexpr std::string_view champs_contact[] = {"telephone", "courriel", "adresse"};
constexpr std::string_view champs_note[] = {"date", "texte"};
constexpr std::string_view champs_consultation[] = {"annee_calcul", "date", "fichier", "sections",
                                                    "note"};
constexpr std::string_view champs_variante[] = {"prenoms", "nom"};
constexpr std::string_view champs_partenaire[] = {"prenoms", "nom",   "jour",
                                                  "mois",    "annee", "rencontre"};

template <typename F>
void chaque_verifie(const Objet* o, std::string_view cle, std::span<const std::string_view> connus,
                    const std::string& ou, F&& f) {
    chaque(o, cle, [&](const Valeur& v) {
        verifier_champs(en_objet(&v), connus, ou);
        f(v);
    });
}

Fiche fiche_lue(const Objet* o, std::size_t rang) {
    const std::string ou = " du client " + std::to_string(rang);
    verifier_champs(o, champs_fiche, ou);
    Fiche f;
    const Objet* p = en_objet(membre(o, "personne"));
    verifier_champs(p, champs_personne, ou);
    verifier_champs(en_objet(membre(o, "contact")), champs_contact, ou);
    f.personne = {texte(p, "nom"), texte(p, "prenoms"), texte(p, "jour"), texte(p, "mois"),
                  texte(p, "annee")};
    const Objet* c = en_objet(membre(o, "contact"));
    f.contact = {texte(c, "telephone"), texte(c, "courriel"), texte(c, "adresse")};
    chaque_verifie(o, "notes", champs_note, ou, [&](const Valeur& v) {
        f.notes.push_back({0, texte(en_objet(&v), "date"), texte(en_objet(&v), "texte")});
    });
    chaque(o, "tags", [&](const Valeur& v) {
        if (const auto* s = std::get_if<std::string>(&v.v))
            f.tags.push_back(*s);
    });
    chaque_verifie(o, "consultations", champs_consultation, ou, [&](const Valeur& v) {
        const Objet* k = en_objet(&v);
        const Valeur* annee = membre(k, "annee_calcul");
        const auto* d = annee ? std::get_if<double>(&annee->v) : nullptr;
        f.consultations.push_back({0, texte(k, "date"),
                                   d && *d >= 0 && *d < 100000 ? static_cast<int>(*d) : 0,
                                   texte(k, "fichier"), texte(k, "sections"), texte(k, "note")});
    });
    chaque_verifie(o, "variantes", champs_variante, ou, [&](const Valeur& v) {
        f.variantes.push_back({texte(en_objet(&v), "prenoms"), texte(en_objet(&v), "nom")});
    });
    chaque_verifie(o, "partenaires", champs_partenaire, ou, [&](const Valeur& v) {
        const Objet* k = en_objet(&v);
        f.partenaires.push_back({texte(k, "prenoms"), texte(k, "nom"), texte(k, "jour"),
                                 texte(k, "mois"), texte(k, "annee"), texte(k, "rencontre")});
    });
    return f;
}

} // namespace

std::string fiche_json(const Fiche& f) {
    std::string out = "{\"personne\": ";
    const Personne& p = f.personne;
    objet(out, {{"nom", &p.nom},
                {"prenoms", &p.prenoms},
                {"jour", &p.jour},
                {"mois", &p.mois},
                {"annee", &p.annee}});
    out += ", \"contact\": ";
    const Contact& c = f.contact;
    objet(out, {{"telephone", &c.telephone}, {"courriel", &c.courriel}, {"adresse", &c.adresse}});
    out += ", \"notes\": ";
    liste(out, f.notes, [&](const Note& n) {
        objet(out, {{"date", &n.date}, {"texte", &n.texte}});
    });
    out += ", \"tags\": ";
    liste(out, f.tags, [&](const std::string& t) { chaine(out, t); });
    out += ", \"consultations\": ";
    liste(out, f.consultations, [&](const Consultation& k) {
        out += "{\"annee_calcul\": " + std::to_string(k.annee_calcul) + ", ";
        std::string reste;
        objet(reste, {{"date", &k.date},
                      {"fichier", &k.fichier},
                      {"sections", &k.sections},
                      {"note", &k.note}});
        out += reste.substr(1);
    });
    out += ", \"variantes\": ";
    liste(out, f.variantes, [&](const Orthographe& o) {
        objet(out, {{"prenoms", &o.prenoms}, {"nom", &o.nom}});
    });
    out += ", \"partenaires\": ";
    liste(out, f.partenaires, [&](const Partenaire& q) {
        objet(out, {{"prenoms", &q.prenoms},
                    {"nom", &q.nom},
                    {"jour", &q.jour},
                    {"mois", &q.mois},
                    {"annee", &q.annee},
                    {"rencontre", &q.rencontre}});
    });
    return out + "}";
}

std::string export_json(const Sauvegarde& sauvegarde) {
    std::string out = R"({"kalder_clients": 1, "repertoire": [)";
    for (std::size_t i = 0; i < sauvegarde.repertoire.size(); ++i) {
        const Personne& p = sauvegarde.repertoire[i];
        out += i ? ",\n" : "\n";
        objet(out, {{"nom", &p.nom},
                    {"prenoms", &p.prenoms},
                    {"jour", &p.jour},
                    {"mois", &p.mois},
                    {"annee", &p.annee}});
    }
    out += sauvegarde.repertoire.empty() ? "], \"clients\": [" : "\n], \"clients\": [";
    for (std::size_t i = 0; i < sauvegarde.fiches.size(); ++i)
        out += (i ? ",\n" : "\n") + fiche_json(sauvegarde.fiches[i]);
    return out + "\n]}\n";
}

Reponse<Sauvegarde> lire_export_json(std::string_view t) {
    Reponse<Sauvegarde> r;
    try {
        const Valeur document = Lecteur(t).document();
        const Objet* racine = en_objet(&document);
        if (!membre(racine, "kalder_clients") || !en_tableau(membre(racine, "clients"))) {
            r.erreur = "ce n'est pas une exportation de fiches clients de Kalder";
            return r;
        }
        // A later format may hold what this version would drop without a word.
        const auto* format = std::get_if<double>(&membre(racine, "kalder_clients")->v);
        if (!format || *format != 1) {
            r.erreur =
                "ce fichier vient d'une version plus récente de Kalder, qui l'écrit autrement";
            return r;
        }
        verifier_champs(racine, champs_racine, "");
        chaque(racine, "repertoire", [&](const Valeur& v) {
            const Objet* p = en_objet(&v);
            verifier_champs(p, champs_personne,
                            " de la personne " + std::to_string(r.valeur.repertoire.size() + 1) +
                                " du répertoire");
            r.valeur.repertoire.push_back({texte(p, "nom"), texte(p, "prenoms"), texte(p, "jour"),
                                           texte(p, "mois"), texte(p, "annee")});
        });
        chaque(racine, "clients", [&](const Valeur& v) {
            r.valeur.fiches.push_back(fiche_lue(en_objet(&v), r.valeur.fiches.size() + 1));
        });
    } catch (const ChampInconnu& e) {
        r.valeur = {};
        r.erreur = e.raison;
    } catch (const ErreurJson& e) {
        r.erreur = "le JSON est incorrect vers l'octet " + std::to_string(e.position + 1);
    }
    return r;
}

} // namespace kalder
