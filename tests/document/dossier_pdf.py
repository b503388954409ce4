#!/usr/bin/env python3
"""kalder-theme --pdf read back with pdftotext, pdffonts and pdfinfo.

Usage: dossier_pdf.py KALDER_THEME CAS   (contenu, sections, variantes, marges, echecs, calendrier)
"""
import json
import os
import random
import re
import subprocess
import sys
import tempfile
import unicodedata

EXE = sys.argv[1]
EXEMPLE = ["--prenom", "Anne-Marie", "--nom", "Dupont", "--jour", "15", "--mois", "7",
           "--annee", "1975", "--annee-courante", "2026", "--annee-calcul", "2027",
           "--partenaire-prenom", "Paul", "--partenaire-nom", "Martin", "--mois-choisi", "4"]
TITRES = {"nombres": "Les nombres", "synthese": "Synthèse", "details": "Détails",
          "cycles": "Cycles et année", "entente": "Entente",
          "explications": "Comment les nombres ont été obtenus", "frise": "Frise de vie",
          "variantes": "Variantes du nom", "calendrier": "Calendrier de l'année"}
VARIANTES = ["--variante", "Anne-Marie;Martin", "--variante", "Anne;Dupont"]
# The runs drawn as figures; every other number has a row "label  value".
EN_FIGURE = {"Grille", "lettre", "deco", "des", "dei", "Toi", "cym", "esse", "apog", "leco",
             "periode", "profec", "semaine", "semdef"}
MOIS = {"Toi": "Mois personnel", "cym": "Cycle mensuel", "esse": "Essence",
        "periode": "Période", "profec": "Profection"}
TITRES_NOMBRES = {"Cycles", "Entente avec une autre personne", "Grille d'inclusion",
                  "Mode d'expression", "Nombres", "Mots du nom", "Apogées de l'année"}
echecs = []


def verifier(condition, message):
    if not condition:
        echecs.append(message)


def lancer(*arguments):
    return subprocess.run([EXE, *arguments], capture_output=True, text=True)


def outil(*arguments):
    return subprocess.run(list(arguments), capture_output=True, text=True, check=True).stdout


def tasse(texte):
    """Without blanks nor ligatures, so that line breaks do not matter."""
    return re.sub(r"\s+", "", unicodedata.normalize("NFKC", texte))


def personnes_au_hasard(nombre):
    hasard = random.Random(16)
    lettres = "abcdefghijklmnopqrstuvwxyzéè"
    mot = lambda: hasard.choice("ABCDEFGHIJKLMNOPRSTUVZ") + "".join(
        hasard.choice(lettres) for _ in range(hasard.randint(2, 9)))
    for _ in range(nombre):
        yield ["--prenom", mot(), "--nom", mot(), "--jour", str(hasard.randint(1, 28)),
               "--mois", str(hasard.randint(1, 12)), "--annee", str(hasard.randint(1920, 2020)),
               "--annee-courante", "2026", "--mois-choisi", str(hasard.randint(1, 12))]


def ecrire_pdf(dossier, personne, *autres):
    chemin = os.path.join(dossier, "dossier.pdf")
    r = lancer(*personne, "--pdf", chemin, *autres)
    verifier(r.returncode == 0, f"--pdf a échoué ({r.returncode}) : {r.stderr}")
    return chemin


def contenu(dossier):
    for personne in [EXEMPLE, *personnes_au_hasard(3)]:
        nom = personne[1] + " " + personne[3]
        chemin = ecrire_pdf(dossier, personne)
        texte = outil("pdftotext", chemin, "-")
        tout = tasse(texte)
        colonnes = unicodedata.normalize("NFKC", outil("pdftotext", "-layout", chemin, "-"))
        slots = json.loads(lancer(*personne, "--json", "--explications").stdout)["slots"]
        resume = lancer(*personne, "--explications").stdout.split("\nExplications\n", 1)[1]
        libelles = iter(l.strip().split(" : ", 1)[0] for l in resume.splitlines() if l.strip())
        for cle, slot in slots.items():
            if not slot["explication"]:
                continue
            libelle = next(libelles)
            verifier(tasse(slot["explication"]) in tout, f"{nom} : explication de {cle} absente")
            # A number of a label table: its row reads "label   value".
            if slot["visible"] and cle.split("(")[0] not in EN_FIGURE:
                valeur = slot["texte"].rsplit(" : ", 1)[-1]
                ligne = r"^\s*" + re.escape(libelle) + r"\s+" + re.escape(valeur) + r"\s*$"
                verifier(re.search(ligne, colonnes, re.M), f"{nom} : ligne « {libelle} » absente")
        # A row of the year table: its caption, then the twelve months in order.
        for run, titre in MOIS.items():
            mois = [slots[f"{run}({m})"]["texte"] for m in range(1, 13)]
            verifier(re.search(titre + r"\s+" + r"\s+".join(map(re.escape, mois)), colonnes),
                     f"{nom} : ligne « {titre} » incomplète")
        for drapeau in ("--synthese", "--details", "--cycles", "--entente"):
            r = lancer(*personne, drapeau)
            if r.returncode != 0:
                continue
            for ligne in r.stdout.splitlines():
                if ligne.strip() and not re.fullmatch(r"-+", ligne.strip()):
                    verifier(tasse(ligne) in tout, f"{nom} : {drapeau} : {ligne!r} absent")
        # No page ends on a heading: it stays with the text it heads.
        for page in texte.split("\f"):
            lignes = [l.strip() for l in page.splitlines()
                      if l.strip() and not re.fullmatch(r"page \d+ / \d+", l.strip())]
            verifier(not lignes or lignes[-1] not in TITRES_NOMBRES | set(TITRES.values()),
                     f"{nom} : une page finit sur le titre « {lignes[-1] if lignes else ''} »")
        polices = outil("pdffonts", chemin).splitlines()[2:]
        verifier(polices and all(l.split()[-5] == "yes" for l in polices),
                 f"{nom} : police non incorporée : {polices}")
        titre = re.search(r"^Title:\s*(.*)$", outil("pdfinfo", chemin), re.M)
        verifier(titre and nom in titre.group(1), f"{nom} : titre du PDF {titre}")


def sections(dossier):
    for choix in ["nombres", "synthese,explications", "entente,cycles", "frise", "variantes,frise"]:
        texte = outil("pdftotext", ecrire_pdf(dossier, EXEMPLE, "--sections", choix), "-")
        titres = {t for t in re.findall(r"^(.+)$", texte, re.M) if t in TITRES.values()}
        # Without --variante there are no names to compare.
        attendus = {TITRES[s] for s in choix.split(",") if s != "variantes"}
        # The numbers and their explanations are grouped under the tabs' names.
        if "nombres" in choix or "explications" in choix:
            attendus |= {"Synthèse", "Détails"}
        verifier(titres == attendus, f"--sections {choix} : {sorted(titres)}")


def variantes(dossier):
    """Each name's column holds its numbers of --json, ≠ where it differs from the reference."""
    texte = unicodedata.normalize("NFKC", outil("pdftotext", "-layout", ecrire_pdf(
        dossier, EXEMPLE, *VARIANTES, "--sections", "variantes"), "-"))
    verifier("Variantes du nom" in texte, "section « Variantes du nom » absente")
    lignes = json.loads(lancer(*EXEMPLE, *VARIANTES, "--json").stdout)["variantes"]
    # The captions, in the order of the slots, from the text table.
    tableau = lancer(*EXEMPLE, *VARIANTES).stdout.split("\nComparaison des noms\n")[1]
    entete = next(l for l in tableau.splitlines() if "Anne-Marie Martin" in l)
    largeur = len(entete) - len(entete.lstrip()) - 3
    rangees = tableau.split(entete + "\n")[1].splitlines()
    for cle, rangee in zip(lignes[0]["slots"], rangees):
        motif, reference = "", lignes[0]["slots"][cle]
        for ligne in lignes:
            slot = ligne["slots"][cle]
            valeur = slot["texte"].rsplit(" : ", 1)[-1] if slot["visible"] else ""
            differe = any(slot[k] != reference[k] for k in ("texte", "couleur", "visible"))
            if valeur or differe:
                motif += r"\s+" + re.escape(valeur) + (r"\s*≠" if differe else r"(?!\s*≠)")
        libelle = rangee[2:2 + largeur].strip()
        if motif:
            verifier(re.search(r"^\s*" + re.escape(libelle) + motif + r"\s*$", texte, re.M),
                     f"ligne « {libelle} » des variantes absente ou mal marquée")


def marges(dossier):
    long = ["--prenom", "Abcdefghijklmnopqrst Bcdefghijklmnopqrstu",
            "--nom", "Cdefghijklmnopqrstuvw", "--jour", "1", "--mois", "2", "--annee", "1990",
            *["--variante", "Abcdefghijklmnopqrst Bcdefghijklmnopqrstu;Defghijklmnopqrstuvwx"] * 4]
    boites = outil("pdftotext", "-bbox", ecrire_pdf(dossier, long), "-")
    largeur = float(re.search(r'<page width="([0-9.]+)"', boites).group(1))
    marge = 20 / 25.4 * 72 - 0.5
    for x_min, x_max, mot in re.findall(
            r'<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)" yMax="[0-9.]+">([^<]*)<',
            boites):
        verifier(float(x_min) >= marge and float(x_max) <= largeur - marge,
                 f"« {mot} » hors des marges ({x_min}, {x_max})")


def echecs_ecriture(dossier):
    fichier = os.path.join(dossier, "fichier")
    open(fichier, "w").close()
    cas = [(os.path.join(fichier, "dossier.pdf"), "ne peut pas être créé"),
           (os.path.join(dossier, "n" * 300 + ".pdf"), "est trop long")]
    plein = os.path.join(dossier, "plein")
    try:
        os.mknod(plein, 0o600 | 0o020000, os.makedev(1, 7))
        cas.append((plein, "est plein"))
    except OSError:
        print("pas de périphérique « disque plein » ici : cas sauté")
    for cible, raison in cas:
        avant = sorted(os.listdir(dossier))
        r = lancer(*EXEMPLE, "--pdf", cible)
        verifier(r.returncode == 74, f"{cible} : statut {r.returncode}")
        verifier(r.stderr.startswith("Erreur : le dossier n'a pas pu être enregistré") and
                 raison in r.stderr, f"{cible} : message {r.stderr!r}")
        verifier(sorted(os.listdir(dossier)) == avant, f"{cible} : fichier laissé")


def calendrier(dossier):
    """The year of calculation's twelve months on one or two pages, each with its
    personal month worked out here again; no section without a birth date."""
    reduire = lambda n: n if n < 10 else reduire(sum(int(c) for c in str(n)))
    chemin = ecrire_pdf(dossier, EXEMPLE, "--sections", "calendrier")
    texte = tasse(outil("pdftotext", chemin, "-"))
    pages = int(re.search(r"Pages:\s+(\d+)", outil("pdfinfo", chemin)).group(1))
    verifier(2 <= pages <= 3, f"calendrier sur {pages - 1} pages")
    annee = reduire(2027 + 7 + 15)
    verifier(tasse(f"Année 2027, année personnelle {annee}.") in texte, "année personnelle")
    noms = ["Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août",
            "Septembre", "Octobre", "Novembre", "Décembre"]
    for m, nom in enumerate(noms, 1):
        titre = tasse(f"{nom} 2027 — mois personnel {reduire(annee + m)}")
        verifier(titre in texte, f"titre manquant : {titre}")
    colonnes = outil("pdftotext", "-layout", chemin, "-")
    # June 2027 starts on a Tuesday: its personal days 1 to 6, then the week.
    juin = [str(reduire(reduire(annee + 6) + j)) for j in range(1, 31)]
    verifier(re.search(r"\s+".join(juin[:6]) + r"\s*$", colonnes, re.M),
             "premiers jours personnels de juin")
    sans_date = outil("pdftotext", ecrire_pdf(dossier, EXEMPLE[:4] + ["--annee-courante", "2026"],
                                               "--sections", "calendrier,nombres"), "-")
    verifier("Calendrier de l'année" not in sans_date, "calendrier sans date de naissance")


CAS = {"contenu": contenu, "calendrier": calendrier, "sections": sections, "variantes": variantes, "marges": marges,
       "echecs": echecs_ecriture}

with tempfile.TemporaryDirectory() as d:
    CAS[sys.argv[2]](d)
for e in echecs[:40]:
    print("ÉCHEC :", e)
sys.exit(1 if echecs else 0)
