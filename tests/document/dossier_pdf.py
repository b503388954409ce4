#!/usr/bin/env python3
"""kalder-theme --pdf read back with pdftotext, pdffonts and pdfinfo.

Usage: dossier_pdf.py KALDER_THEME CAS
       (contenu, sections, variantes, marges, echecs, client, mise_en_page, hostile,
        calendrier, message, coutures)
"""
import json
import os
import stat
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
MENSUELS = {"Toi", "cym", "esse", "periode", "profec", "semaine", "semdef", "apog", "leco"}
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


MOT = re.compile(r"[\w'-]+")


def libelles_de_ligne(ligne, explication):
    """The captions a line of --explications may have: before " : " and the
    explanation, or, when the explanation starts with the caption's words,
    before what follows them ("Voyelles" + " du prénom et du nom : …")."""
    ligne = ligne.strip()
    candidats = []
    for fin in range(1, len(ligne)):
        libelle, suite = ligne[:fin], ligne[fin:]
        if suite.startswith("\u202f: ") and libelle.lower() != ligne.lower():
            reste = explication.lstrip("(|")[1:]
            if suite.endswith(reste) and len(suite) - len(reste) <= 3 + 2:
                candidats.append(libelle)
                continue
        if not explication.endswith(suite) or suite == explication or MOT.match(suite):
            continue
        repris = MOT.findall(explication[:len(explication) - len(suite)].lower())
        mots = MOT.findall(libelle.lower())
        if repris and all(m in mots for m in repris) and (
                not MOT.match(suite.lstrip(" \u00a0")) or mots[-len(repris):] == repris):
            candidats.append(libelle)
    return candidats or [ligne.split("\u202f: ", 1)[0]]


def contenu(dossier):
    for personne in [EXEMPLE, *personnes_au_hasard(3)]:
        nom = personne[1] + " " + personne[3]
        chemin = ecrire_pdf(dossier, personne)
        texte = outil("pdftotext", chemin, "-")
        tout = tasse(texte)
        colonnes = unicodedata.normalize("NFKC", outil("pdftotext", "-layout", chemin, "-"))
        slots = json.loads(lancer(*personne, "--json", "--explications").stdout)["slots"]
        resume = lancer(*personne, "--explications").stdout.split("\nExplications\n", 1)[1]
        lignes_resume = iter(l for l in resume.splitlines() if l.strip())
        # A monthly run's explanations: what a twelve share is written once.
        groupes = {}
        for cle, slot in slots.items():
            run = cle.split("(")[0]
            if run in MENSUELS and slot["explication"]:
                indice = int(cle.split("(")[1].rstrip(")"))
                groupes.setdefault((run, (indice - 1) // 12), []).append(slot["explication"])
        partages = {}
        for groupe in groupes.values():
            commun = os.path.commonprefix(groupe) if len(groupe) > 1 else ""
            coupe = max((commun.rfind(s) + len(s) for s in ("\u202f; ", "\u202f: ", ", ")
                         if commun.rfind(s) >= 0), default=0)
            for texte in groupe:
                partages[texte] = texte[:coupe] if coupe >= 12 else ""
        for cle, slot in slots.items():
            if not slot["explication"]:
                continue
            explication = slot["explication"]
            libelles = libelles_de_ligne(next(lignes_resume), explication)
            commun = partages.get(explication, "")
            # After its caption, an explanation goes on in lower case ("(jour + année)").
            reste = explication[len(commun):]
            reste = reste[len(reste) - len(reste.lstrip("(|")) + 1:]
            # Or, after the words its caption already says, what follows them.
            reste = min(reste, reste.split("\u202f: ", 1)[-1], key=len) if tasse(reste) not in tout \
                else reste
            verifier(tasse(commun).rstrip(",;") in tout and tasse(reste) in tout,
                     f"{nom} : explication de {cle} absente")
            # A number of a label table: its row reads "label   value".
            # The "Entente" tab's copies of the person's numbers go with a partner.
            sans_partenaire = cle.startswith("ent(") and "--partenaire-prenom" not in personne
            if slot["visible"] and cle.split("(")[0] not in EN_FIGURE and not sans_partenaire:
                valeur = slot["texte"].rsplit(" : ", 1)[-1]
                # The dossier writes "Votre chemin de vie" for the tab's "Votre Chemin de vie".
                trouvee = any(re.search(r"^\s*" + re.escape(unicodedata.normalize("NFKC", l)) +
                                        r"\s+" + re.escape(valeur) + r"\s*$", colonnes, re.M | re.I)
                              for l in libelles)
                verifier(trouvee, f"{nom} : ligne « {libelles[0]} » absente")
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
                # The dossier's month headings are written as French writes them.
                mois = re.fullmatch(r"Mois de (\w+)", ligne.strip())
                if mois:
                    m = mois.group(1).lower()
                    ligne = "Mois " + ("d'" if m[0] in "ao" else "de ") + m
                if ligne.strip() and not re.fullmatch(r"-+", ligne.strip()):
                    verifier(tasse(ligne) in tout, f"{nom} : {drapeau} : {ligne!r} absent")
        # No page ends on a heading: it stays with the text it heads.
        for page in texte.split("\f"):
            lignes = [l.strip() for l in page.splitlines()
                      if l.strip() and not re.fullmatch(r"page \d+ / \d+", l.strip())]
            verifier(not lignes or lignes[-1] not in TITRES_NOMBRES | set(TITRES.values()),
                     f"{nom} : une page finit sur le titre « {lignes[-1] if lignes else ''} »")
        # The dossier's own wording: "Votre chemin de vie", not the tab's capital.
        verifier("Votre Chemin de vie" not in texte, f"{nom} : « Votre Chemin de vie »")
        polices = outil("pdffonts", chemin).splitlines()[2:]
        verifier(polices and all(l.split()[-5] == "yes" for l in polices),
                 f"{nom} : police non incorporée : {polices}")
        titre = re.search(r"^Title:\s*(.*)$", outil("pdfinfo", chemin), re.M)
        verifier(titre and nom in titre.group(1), f"{nom} : titre du PDF {titre}")


def sections(dossier):
    for choix in ["nombres", "synthese, explications", "entente,cycles", "frise"]:
        texte = outil("pdftotext", ecrire_pdf(dossier, EXEMPLE, "--sections", choix), "-")
        titres = {t for t in re.findall(r"^(.+)$", texte, re.M) if t in TITRES.values()}
        attendus = {TITRES[s.strip()] for s in choix.split(",")}
        # The numbers and their explanations are grouped under the tabs' names.
        if "nombres" in choix or "explications" in choix:
            attendus |= {"Synthèse", "Détails"}
        verifier(titres == attendus, f"--sections {choix} : {sorted(titres)}")
    # A dossier of its cover alone is refused, as are names to compare without any.
    for choix in ["", " , ", "variantes,frise"]:
        avant = sorted(os.listdir(dossier))
        r = lancer(*EXEMPLE, "--pdf", os.path.join(dossier, "vide.pdf"), "--sections", choix)
        verifier(r.returncode == 64 and r.stderr.strip(), f"--sections {choix!r} : {r.returncode}")
        verifier(sorted(os.listdir(dossier)) == avant, f"--sections {choix!r} : fichier écrit")


def variantes(dossier):
    """Each name's column holds its numbers of --json, ≠ where it differs from the reference."""
    texte = unicodedata.normalize("NFKC", outil("pdftotext", "-layout", ecrire_pdf(
        dossier, EXEMPLE, *VARIANTES, "--sections", "variantes"), "-"))
    verifier("Variantes du nom" in texte, "section « Variantes du nom » absente")
    lignes = json.loads(lancer(*EXEMPLE, *VARIANTES, "--json").stdout)["variantes"]
    # The captions, in the order of the slots, from the text table.
    tableau = lancer(*EXEMPLE, *VARIANTES).stdout.split("\nVariantes du nom\n")[1]
    entete = next(l for l in tableau.splitlines() if "Anne-Marie Martin" in l)
    largeur = len(entete) - len(entete.lstrip()) - 3
    rangees = tableau.split(entete + "\n")[1].splitlines()
    for cle, rangee in zip(lignes[0]["slots"], rangees):
        motif, reference = "", lignes[0]["slots"][cle]
        for ligne in lignes:
            slot = ligne["slots"][cle]
            valeur = slot["texte"].rsplit(" : ", 1)[-1] if slot["visible"] else ""
            # The value read, not its colour.
            differe = valeur != (reference["texte"].rsplit(" : ", 1)[-1]
                                 if reference["visible"] else "")
            # A number the name does not have: an empty cell, without a sign.
            if valeur:
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
        verifier(r.stderr.startswith("Erreur : le PDF n'a pas pu être enregistré") and
                 raison in r.stderr, f"{cible} : message {r.stderr!r}")
        verifier(sorted(os.listdir(dossier)) == avant, f"{cible} : fichier laissé")


LIGATURES = re.compile("[\ufb00-\ufb06]")
# The running header of every page but the cover, and its footer.
def corps_des_pages(texte):
    pages = []
    for page in texte.split("\f"):
        lignes = [l.strip() for l in page.splitlines() if l.strip()]
        lignes = [l for l in lignes if not re.fullmatch(r"page \d+ / \d+", l)
                  and l != "Thème numérologique"]
        pages.append(lignes)
    return pages


def plan_du_pdf(chemin):
    """The outline's titles, depth first, from qpdf's JSON."""
    arbre = json.loads(outil("qpdf", "--json", "--json-key=outlines", chemin))["outlines"]
    titres = []
    def parcourir(noeuds):
        for n in noeuds:
            titres.append(n["title"])
            parcourir(n.get("kids", []))
    parcourir(arbre)
    return titres


def client(dossier):
    """One client's data only, and nothing invented."""
    sans_date = ["--prenom", "Zoé", "--nom", "Lefèvre", "--annee-courante", "2026"]
    rousseau = ["--prenom", "Jacques", "--nom", "Rousseau", "--jour", "16", "--mois", "11",
                "--annee", "1966", "--annee-courante", "2026"]
    long = ["--prenom", "Abcdefghijklmnopqrst Bcdefghijklmnopqrstu Cdefghijklmnopqrst",
            "--nom", "Defghijklmnopqrstuvw", "--jour", "1", "--mois", "2", "--annee", "1990"]
    cas = [
        # (person, options, what must be there, what must not)
        (sans_date, [], ["Sans date de naissance, les cycles, l'année et la frise ne sont pas "
                         "calculés."],
         ["Jour de naissance", "Cycles et année", "Essence", "Apogées de l'année", "Frise de vie",
          "Entente", "Mois de"]),
        (rousseau, ["--variante", "Anne-Marie;Lefort", "--sections", "variantes"],
         ["Variantes du nom"], []),
        (long, ["--sections", "explications"], [], ["de plus"]),
        (EXEMPLE, [], ["Entente avec", "Paul Martin", "Mois d'avril",
                                                   "Mois de décembre", "Sommaire"],
         ["Noms refusés", "Mois de Avril"]),
    ]
    for personne, options, presents, absents in cas:
        chemin = ecrire_pdf(dossier, personne, *options)
        texte = outil("pdftotext", chemin, "-")
        tout = re.sub(r"\s+", " ", texte)
        for attendu in presents:
            verifier(attendu in tout, f"{personne[1]} : « {attendu} » absent")
        for interdit in absents:
            verifier(interdit not in tout, f"{personne[1]} : « {interdit} » présent")
    # The same value in another colour is not marked as different.
    texte = outil("pdftotext", "-layout", ecrire_pdf(dossier, rousseau, "--variante",
                                                     "Anne-Marie;Lefort", "--sections",
                                                     "variantes"), "-")
    ligne = next((l for l in texte.splitlines() if l.strip().startswith("Chemin de vie")), "")
    verifier(ligne and "≠" not in ligne, f"ligne du chemin de vie : {ligne!r}")


def mise_en_page(dossier):
    """Plain letters, each line once, no heading alone at a page foot, the outline."""
    for personne in [EXEMPLE, *personnes_au_hasard(2)]:
        nom = personne[1] + " " + personne[3]
        chemin = ecrire_pdf(dossier, personne, "--prepare-par", "Claire Lune")
        texte = outil("pdftotext", chemin, "-")
        verifier(not LIGATURES.search(texte), f"{nom} : ligature dans le texte")
        pages = corps_des_pages(texte)
        for i in range(1, len(pages)):
            avant, apres = pages[i - 1], pages[i]
            if avant and len(apres) > 1:
                verifier(avant[-1] != apres[1] and avant[-1] != apres[0],
                         f"{nom} : « {avant[-1]} » deux fois, pages {i} et {i + 1}")
            if avant:
                derniere = avant[-1]
                verifier(derniere not in TITRES_NOMBRES | set(TITRES.values())
                         and not (derniere.endswith(":") and len(derniere) < 90),
                         f"{nom} : la page {i} finit sur le titre « {derniere} »")
        plan = plan_du_pdf(chemin)
        sections = [t for t in TITRES.values() if t in plan]
        verifier(plan and plan[0] == "Sommaire" and "Les nombres" in sections
                 and "Comment les nombres ont été obtenus" in sections,
                 f"{nom} : plan {plan[:12]}")
        infos = outil("pdfinfo", chemin)
        for cle, valeur in [("Title", "Thème numérologique d" + ("'" if nom[0] in "AEIOU" else
                                                                  "e ") + nom),
                            ("Author", "Claire Lune"), ("Creator", "Kalder")]:
            verifier(re.search(rf"^{cle}:\s*{re.escape(valeur)}\s*$", infos, re.M),
                     f"{nom} : {cle} attendu « {valeur} »")
    # No "Préparé par": no author.
    infos = outil("pdfinfo", ecrire_pdf(dossier, EXEMPLE))
    verifier(not re.search(r"^Author:", infos, re.M), "auteur sans « Préparé par »")


def introductions(personne):
    """The headings and the lines that introduce others (the first line of
    each group of the interpretations' text), each with the number of lines it
    introduces; a short line ending in a colon introduces lines too."""
    lignes = {tasse(t): 2 for t in TITRES_NOMBRES | set(TITRES.values())}
    for drapeau in ("--synthese", "--details", "--cycles", "--entente"):
        r = lancer(*personne, drapeau)
        groupes = re.split(r"\n(?:\s*|-+)\n", r.stdout) if r.returncode == 0 else []
        for groupe in groupes:
            rangs = [l.strip() for l in groupe.splitlines() if l.strip()]
            if len(rangs) > 1:
                lignes[tasse(rangs[0])] = max(lignes.get(tasse(rangs[0]), 0), len(rangs) - 1)
    return lignes


def coutures(dossier):
    """No page without body text, no heading or lead line among a page's last
    two lines, no line of the text layer that a no-break space should have
    kept on the line before."""
    rochefoucauld = ["--prenom", "Marie-Thérèse Françoise Geneviève Anne-Sophie",
                     "--nom", "de La Rochefoucauld-Montmorency-Laval", "--jour", "11",
                     "--mois", "11", "--annee", "1911", "--annee-courante", "2026"]
    ecuyer = ["--prenom", "Zoé", "--nom", "L'Écuyer", "--annee-courante", "2026"]
    cas = [(rochefoucauld, ["--variante", "Élise;Lefèvre", "--sections", "variantes,frise"]),
           (EXEMPLE, []), (ecuyer, []), *((p, []) for p in personnes_au_hasard(3))]
    for personne, options in cas:
        nom = personne[1] + " " + personne[3]
        texte = outil("pdftotext", ecrire_pdf(dossier, personne, *options), "-")
        pages = corps_des_pages(texte.rstrip("\f"))
        meneuses = introductions(personne)
        explications = tasse(lancer(*personne, "--explications").stdout)
        for i, lignes in enumerate(pages[1:], 2):
            # The running header's name, then the page's own text.
            verifier(len(lignes) > 1, f"{nom} : page {i} sans texte")
            if lignes[1:2] == ["Sommaire"]:
                continue
            # A line that introduces two lines or more keeps two of them on its page.
            for rang, ligne in enumerate(reversed(lignes[-2:])):
                bout = tasse(ligne)
                suite = max((n for m, n in meneuses.items() if len(bout) >= 4 and
                             (m.startswith(bout) or (rang == 0 and m.endswith(bout)))),
                            default=0)
                # A short line ending in a colon, unless the next line goes on
                # with the same explanation (a long one wrapped after its colon).
                if ligne.endswith(":") and len(ligne) < 90 and not (
                        rang == 1 and tasse(ligne + lignes[-1]) in explications):
                    suite = 2
                verifier(suite <= rang, f"{nom} : « {ligne} » au bas de la page {i}")
        for avant, ligne in zip(texte.splitlines(), texte.splitlines()[1:]):
            verifier(not re.match(r"[:;!?»]", ligne.strip()),
                     f"{nom} : ligne commencée par « {ligne.strip()[:30]} »")
            verifier(not re.match(r"\d+$", ligne.strip()) or not avant.endswith("personnel"),
                     f"{nom} : « {avant[-30:]} » séparé de son nombre")


AUTRE = 65534  # "nobody", the other user of the machine


def cible_hostile(dossier, nom, preparer, statut, raison, apres):
    """One target prepared by `preparer`, written by the dossier: the status,
    the reason and what `apres` checks of the files afterwards."""
    cible = os.path.join(dossier, nom)
    preparer(cible)
    try:
        r = subprocess.run([EXE, *EXEMPLE, "--pdf", cible], capture_output=True, timeout=60)
    except subprocess.TimeoutExpired:
        verifier(False, f"{nom} : le programme attend encore après une minute")
        return
    erreurs = r.stderr.decode("utf-8", "replace")
    verifier(r.returncode == statut, f"{nom} : statut {r.returncode} ({erreurs})")
    verifier(raison in erreurs, f"{nom} : message {erreurs!r}")
    verifier(apres(cible), f"{nom} : état après l'écriture")


def hostile(dossier):
    racine = os.geteuid() == 0
    partage = os.path.join(dossier, "partage")  # as /tmp: each user keeps their own files
    os.mkdir(partage)
    os.chmod(partage, 0o1777)
    os.chmod(dossier, 0o755)
    victime = os.path.join(dossier, "victime.conf")

    def contenu_de(chemin):
        with open(chemin, "rb") as f:
            return f.read()

    def ecrire(chemin, octets=b"important\n", droits=0o644):
        with open(chemin, "wb") as f:
            f.write(octets)
        os.chmod(chemin, droits)

    def lien_de(proprietaire, vers):
        def preparer(cible):
            ecrire(victime)
            if proprietaire is None:
                os.symlink(vers, cible)
            else:
                subprocess.run(["ln", "-s", vers, cible], check=True, user=proprietaire,
                               group=proprietaire, extra_groups=[])
        return preparer

    def fichier(droits, proprietaire=None):
        def preparer(cible):
            ecrire(cible, droits=droits)
            if proprietaire is not None:
                os.chown(cible, proprietaire, proprietaire)
                os.chmod(cible, droits)  # the change of owner drops the set-id bits
        return preparer

    def garde(droits, proprietaire=None):
        def apres(cible):
            st = os.stat(cible)
            return (contenu_de(cible).startswith(b"%PDF-") and stat.S_IMODE(st.st_mode) == droits
                    and (proprietaire is None or (st.st_uid, st.st_gid) == (proprietaire,) * 2))
        return apres

    intacte = lambda cible: contenu_de(victime) == b"important\n"
    inchange = lambda cible: contenu_de(cible) == b"important\n"
    ecrit = lambda cible: contenu_de(cible).startswith(b"%PDF-")

    def tube(avec_lien):
        def preparer(cible):
            fifo = cible + ".fifo" if avec_lien else cible
            os.mkfifo(fifo)
            if avec_lien:
                os.symlink(fifo, cible)
        return preparer

    lien_verifie = lambda cible: os.path.islink(cible) and contenu_de(victime).startswith(b"%PDF-")
    cas = [
        ("lien-propre.pdf", lien_de(None, victime), 0, "", lien_verifie),
        ("lecture-seule.pdf", fichier(0o444), 74, "est en lecture seule", inchange),
        ("aucun-droit.pdf", fichier(0o000), 74, "est en lecture seule", inchange),
        ("droits-640.pdf", fichier(0o640), 0, "", garde(0o640)),
        ("tube.pdf", tube(False), 74, "qu'aucun programme ne lit",
         lambda c: stat.S_ISFIFO(os.stat(c).st_mode)),
        ("lien-tube.pdf", tube(True), 74, "qu'aucun programme ne lit",
         lambda c: os.path.islink(c)),
    ]
    if racine:
        cas += [
            ("partage/lien-autrui.pdf", lien_de(AUTRE, victime), 74,
             "appartient à un autre utilisateur", intacte),
            ("autrui-640.pdf", fichier(0o640, AUTRE), 0, "", garde(0o640, AUTRE)),
            ("autrui-2660.pdf", fichier(0o2660, AUTRE), 0, "", garde(0o2660, AUTRE)),
            ("autrui-400.pdf", fichier(0o400, AUTRE), 74, "est en lecture seule", inchange),
        ]
    else:
        print("pas root : les cas d'un autre utilisateur sont sautés")
    for nom, preparer, statut, raison, apres in cas:
        cible_hostile(dossier, nom, preparer, statut, raison, apres)

    # A Latin-1 name is that very file, never one with replacement marks.
    latin1 = os.path.join(os.fsencode(dossier), b"Zo\xe9.pdf")
    r = subprocess.run([os.fsencode(EXE), *map(os.fsencode, EXEMPLE), b"--pdf", latin1],
                       capture_output=True)
    verifier(r.returncode == 0, f"nom Latin-1 : statut {r.returncode}")
    verifier(os.path.exists(latin1), "nom Latin-1 : fichier absent")
    verifier(not os.path.exists(os.path.join(dossier, "Zo\ufffd.pdf")),
             "nom Latin-1 : écrit sous un autre nom")

    # What no consultation needs: more than 20 names, names past 100 letters.
    trop = [a for i in range(21) for a in ("--variante", f"Anne;Dupont{chr(97 + i)}")]
    for arguments, statut, raison in [
            (trop, 64, "au plus 20 variantes du nom"),
            (["--prepare-par", "x" * 201], 2, "de « Préparé par » dépasse 200"),
            (["--message", "x" * 10001], 2, "le message personnel « xxx"),
            (["--variante", "A" * 101 + ";Dupont"], 2, "le prénom « AAAA"),
            (["--nom", "D" * 101], 2, "le nom « DDDD")]:
        r = lancer(*EXEMPLE, *arguments, "--pdf", os.path.join(dossier, "borne.pdf"))
        verifier(r.returncode == statut and raison in r.stderr.replace("\u00a0", " "),
                 f"borne {arguments[:2]} : {r.returncode} {r.stderr[:200]!r}")
    verifier(not os.path.exists(os.path.join(dossier, "borne.pdf")), "borne : fichier écrit")


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
    # The nine meanings once, as a legend, and the year's.
    for sens in ["Sens des jours personnels", "Commencements.", "Travail et restrictions.",
                 "Fin, terminaisons, rapport avec l'étranger.", "Année de responsabilités"]:
        verifier(texte.count(tasse(sens)) == 1, f"légende : {sens}")
    colonnes = outil("pdftotext", "-layout", chemin, "-")
    # June 2027 starts on a Tuesday: its personal days 1 to 6, then the week.
    juin = [str(reduire(reduire(annee + 6) + j)) for j in range(1, 31)]
    verifier(re.search(r"\s+".join(juin[:6]) + r"\s*$", colonnes, re.M),
             "premiers jours personnels de juin")
    sans_date = outil("pdftotext", ecrire_pdf(dossier, EXEMPLE[:4] + ["--annee-courante", "2026"],
                                               "--sections", "calendrier,nombres"), "-")
    verifier("Calendrier de l'année" not in sans_date, "calendrier sans date de naissance")
    # The calendar alone, without a birth date: said, and no cover-only file.
    vide = os.path.join(dossier, "couverture.pdf")
    r = lancer(*EXEMPLE[:4], "--pdf", vide, "--sections", "calendrier")
    verifier(r.returncode != 0 and "sans date de naissance" in r.stderr and
             not os.path.exists(vide), f"calendrier seul sans date : {r.returncode} {r.stderr!r}")


def message(dossier):
    """The message for the client: a page of its own between the cover and the
    contents, as typed, first in the contents and the outline; none when blank."""
    texte = "Merci de votre visite.\n\n  À bientôt <b>&amp; 100 % ;\n"
    chemin = ecrire_pdf(dossier, EXEMPLE, "--message", texte)
    pages = corps_des_pages(outil("pdftotext", chemin, "-"))
    # Each page but the cover starts with the running header, the person's name.
    verifier(pages[1][1:] == ["Message", "Merci de votre visite.", "À bientôt <b>&amp; 100 % ;"],
             f"page du message : {pages[1]}")
    verifier(pages[2][1:2] == ["Sommaire"], f"après le message : {pages[2][:3]}")
    verifier(plan_du_pdf(chemin)[:2] == ["Message", "Sommaire"], "le message hors du plan")
    # The contents list it first; each of their lines leads to its section.
    sommaire = outil("pdftotext", "-layout", "-f", "3", "-l", "3", chemin, "-")
    verifier(re.search(r"^\s*Message\s+2$", sommaire, re.M), "message hors du sommaire")
    lignes = [l for l in re.findall(r"^\s*(\S.*?)\s+\d+$", sommaire, re.M)
              if not l.startswith("page ")]
    brut = subprocess.run(["qpdf", "--qdf", "--object-streams=disable", chemin, "-"],
                          capture_output=True, check=True).stdout
    liens = brut.count(b"/Subtype /Link")
    verifier(len(lignes) > 5 and liens == len(lignes),
             f"sommaire : {len(lignes)} lignes, {liens} liens")
    for vide in [" \n \t", ""]:
        pages = corps_des_pages(outil("pdftotext", ecrire_pdf(dossier, EXEMPLE, "--message",
                                                              vide), "-"))
        verifier(pages[1][1:2] == ["Sommaire"], f"message vide {vide!r} : {pages[1][:3]}")


CAS = {"contenu": contenu, "message": message, "client": client, "mise_en_page": mise_en_page,
       "sections": sections, "variantes": variantes, "marges": marges,
       "echecs": echecs_ecriture, "hostile": hostile, "calendrier": calendrier,
       "coutures": coutures}

with tempfile.TemporaryDirectory() as d:
    CAS[sys.argv[2]](d)
for e in echecs[:40]:
    print("ÉCHEC :", e)
sys.exit(1 if echecs else 0)
