#!/usr/bin/env python3
"""Compares every text output of two builds of kalder-theme on random persons.

    scripts/comparer_sorties.py REFERENCE CANDIDAT [--personnes N] [--graine G]
                                [--pdf N]

For each random person (accented first names and names, hyphens, œ, ß,
digits; complete, partial or missing dates, master numbers and karmic debts
made likely; a random year of calculation, month and partner with or without
a meeting date), both programs are run with the same arguments: --json with --explications,
--synthese, --details, --cycles, --rapport and a name comparison (--variante);
the summary with its explanations and the comparison as text; --entente. The
standard output, the error output and the exit status must be identical. The first N persons also have
their dossier (--pdf) compared as text (pdftotext): byte for byte without the
comparison of names, line for line for that section alone.

The only difference allowed is the transit-letter row the name comparison
gained ("Lettre de passage"): lines holding those words are left out of
both text outputs, and the column "lettre_passage" out of the JSON comparison,
before comparing (the transit letter itself is checked by --json, which shows
it as a slot). Exit status 0 when everything matches.
"""

import argparse
import difflib
import os
import random
import re
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

PRENOMS = ["Anne-Marie", "Paul", "Éloïse", "Zoë", "Jean", "Marie-Hélène", "Œdipe",
           "Günther", "François", "Ærin", "Loïc", "Chloé", "Ines", "Ève", "Yann",
           "Jean-Baptiste", "Noël", "Aïcha", "Ségolène", "Björn", "Léa", "Ulysse",
           "Agathe", "Céleste", "Baptiste", "Amaury", "René", "Zoé", "Ivo", "Ysé"]
NOMS = ["Dupont", "Martin", "Bœuf", "Straße", "Lefèvre", "N'Diaye", "De La Tour",
        "Müller", "Ørsted", "Côté", "Saint-Exupéry", "Œuvray", "Dubois-Laroche",
        "Élie", "Yzeure", "Abc123", "Ngô", "Lœb", "Weiß", "Ibáñez"]
LETTRES = "abcdefghijklmnopqrstuvwxyzéèêëàâäîïôöûüçœßæ"

# Dates known to give master numbers or karmic debts are mixed with random ones.
DATES_CHOISIES = [(15, 7, 1975), (29, 11, 1964), (22, 4, 1984), (13, 1, 1990),
                  (19, 9, 1999), (11, 11, 2011), (4, 4, 1966), (29, 2, 1960),
                  (31, 12, 1899), (1, 1, 1900), (16, 6, 1996), (28, 3, 1955)]

# Three runs a person. With --json the program writes the slots, the
# requested texts, the explanations and the name comparison in one JSON
# document; without it, the summary (with its explanations) and the comparison
# as text; the compatibility is asked alone, as it fails without a partner.
# Each run: its arguments and how many outputs it holds.
EXECUTIONS = [
    (["--json", "--explications", "--synthese", "--details", "--cycles", "--rapport"], 8),
    (["--explications"], 2),
    (["--entente"], 1),
]

LIGNE_NOUVELLE = "Lettre de passage"


def mot(r):
    if r.random() < 0.6:
        return r.choice(PRENOMS)
    n = r.randint(1, 9)
    m = "".join(r.choice(LETTRES) for _ in range(n))
    if r.random() < 0.1:
        m += str(r.randint(0, 99))
    return m.capitalize()


def prenoms(r):
    return " ".join(mot(r) for _ in range(r.choice([1, 1, 1, 2, 3])))


def nom(r):
    if r.random() < 0.6:
        return r.choice(NOMS)
    return "-".join(mot(r) for _ in range(r.choice([1, 1, 2])))


def date(r, absente=0.1):
    x = r.random()
    if x < absente:
        return None
    if x < absente + 0.25:
        j, m, a = r.choice(DATES_CHOISIES)
        return j, m, a + r.choice([0, 0, 9, 18, -9])
    return r.randint(1, 31), r.randint(1, 12), r.randint(1900, 2025)


def personne(r):
    args = ["--prenom", prenoms(r), "--nom", nom(r)]
    naissance = date(r)
    if naissance:
        args += ["--jour", str(naissance[0]), "--mois", str(naissance[1]),
                 "--annee", str(naissance[2])]
        debut = naissance[2]
    else:
        debut = 1950
    courante = r.randint(max(debut, 1990), 2040)
    args += ["--annee-courante", str(courante)]
    if naissance and r.random() < 0.5:
        args += ["--annee-calcul", str(r.randint(naissance[2], naissance[2] + 99))]
    args += ["--mois-choisi", str(r.randint(1, 12))]
    if r.random() < 0.8:
        args += ["--partenaire-prenom", prenoms(r), "--partenaire-nom", nom(r)]
        p = date(r, absente=0.2)
        if p:
            args += ["--partenaire-jour", str(p[0]), "--partenaire-mois", str(p[1]),
                     "--partenaire-annee", str(p[2])]
        if r.random() < 0.5:
            rc = date(r, absente=0)
            args += ["--rencontre-jour", str(rc[0]), "--rencontre-mois", str(rc[1]),
                     "--rencontre-annee", str(rc[2])]
    variantes = []
    for _ in range(r.randint(1, 3)):
        variantes += ["--variante", prenoms(r) + ";" + nom(r)]
    return args, variantes


def lancer(programme, args, dossier):
    env = dict(os.environ, LC_ALL="C.UTF-8", QT_QPA_PLATFORM="offscreen",
               HOME=dossier, XDG_DATA_HOME=dossier, XDG_CONFIG_HOME=dossier)
    p = subprocess.run([programme] + args, capture_output=True, env=env, cwd=dossier,
                       timeout=120)
    return p.returncode, p.stdout, p.stderr


def sans_ligne_nouvelle(sortie):
    """The output without the comparison's transit-letter row or cells."""
    marque = b'"variantes": '
    if sortie.startswith(b"{") and marque in sortie:
        debut, _, fin = sortie.partition(marque)
        return debut + marque + re.sub(rb', "lettre_passage": \{[^{}]*\}', b"", fin)
    return b"\n".join(l for l in sortie.split(b"\n")
                      if LIGNE_NOUVELLE.encode() not in l)


SECTIONS_SANS_VARIANTES = "nombres,frise,synthese,details,cycles,entente,explications"


def lignes_du_dossier(texte):
    lignes = (b" ".join(l.split()) for l in sans_ligne_nouvelle(texte).split(b"\n"))
    return b"\n".join(sorted(l for l in lignes if l and not re.fullmatch(rb"page \d+ / \d+", l)))


def texte_pdf(chemin):
    return subprocess.run(["pdftotext", "-layout", chemin, "-"], capture_output=True).stdout


def comparer_personne(i, reference, candidat, graine, avec_pdf):
    r = random.Random(graine * 1_000_003 + i)
    args, variantes = personne(r)
    ecarts, comptes = [], 0
    with tempfile.TemporaryDirectory() as dossier:
        for sortie, sorties in EXECUTIONS:
            a = args + sortie + (variantes if sortie != ["--entente"] else [])
            ref = lancer(reference, a, dossier)
            can = lancer(candidat, a, dossier)
            ref = (ref[0], sans_ligne_nouvelle(ref[1]), ref[2])
            can = (can[0], sans_ligne_nouvelle(can[1]), can[2])
            comptes += sorties
            if ref != can:
                ecarts.append((a, ref, can))
        if avec_pdf:
            # The dossier without the comparison of names must be identical; the
            # comparison alone gains a row, which moves its page breaks: its lines
            # are compared as a set, blanks squeezed and page numbers left out.
            for sections, exact in ((SECTIONS_SANS_VARIANTES, True), ("variantes", False)):
                pdfs = []
                for programme, fichier in ((reference, "ref.pdf"), (candidat, "can.pdf")):
                    chemin = os.path.join(dossier, fichier)
                    a = args + variantes + ["--pdf", chemin, "--sections", sections]
                    code = lancer(programme, a, dossier)[0]
                    texte = texte_pdf(chemin) if code == 0 else b""
                    pdfs.append((code, texte if exact else lignes_du_dossier(texte)))
                comptes += 1
                if pdfs[0] != pdfs[1]:
                    ecarts.append((args + variantes + ["--pdf", "--sections", sections],
                                   pdfs[0], pdfs[1]))
    return comptes, ecarts


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("reference")
    p.add_argument("candidat")
    p.add_argument("--personnes", type=int, default=5000)
    p.add_argument("--graine", type=int, default=23)
    p.add_argument("--premier", type=int, default=0,
                   help="rank of the first person, to share a long run between processes")
    p.add_argument("--pdf", type=int, default=0, help="persons whose dossier is compared")
    p.add_argument("--taches", type=int, default=2)
    o = p.parse_args()
    o.reference, o.candidat = os.path.abspath(o.reference), os.path.abspath(o.candidat)

    total, differents = 0, 0
    with ThreadPoolExecutor(o.taches) as ex:
        futurs = [ex.submit(comparer_personne, i, o.reference, o.candidat, o.graine, i < o.pdf)
                  for i in range(o.premier, o.premier + o.personnes)]
        for n, f in enumerate(futurs, 1):
            comptes, ecarts = f.result()
            if n % 250 == 0:
                print(f"… {n} personnes", file=sys.stderr, flush=True)
            total += comptes
            for a, ref, can in ecarts:
                differents += 1
                if differents <= 5:
                    print("DIFFÉRENCE :", " ".join(repr(x) for x in a), file=sys.stderr)
                    for n, (x, y) in enumerate(zip(ref, can)):
                        if x == y:
                            continue
                        if isinstance(x, int):
                            print(f"  statut : {x} / {y}", file=sys.stderr)
                            continue
                        lignes = difflib.unified_diff(
                            x.decode(errors="replace").splitlines(),
                            y.decode(errors="replace").splitlines(), "référence", "candidat",
                            n=1, lineterm="")
                        print("\n".join(list(lignes)[:40]), file=sys.stderr)
    print(f"{o.personnes} personnes, {total} sorties comparées, {differents} différentes")
    return 0 if differents == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
