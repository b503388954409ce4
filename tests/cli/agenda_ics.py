"""kalder-theme --ics read back by an independent parser (icalendar): every
event of the year, its summary and description worked out here again, the
file's form (CR LF, folding, UTF-8), UIDs that stay the same from one export
to the next, and the failures that must leave no file behind."""

import datetime
import os
import subprocess
import sys
import tempfile

import icalendar

EXE = sys.argv[1]
ANNE = ["--prenom", "Anne-Marie", "--nom", "Dupont", "--jour", "15", "--mois", "7",
        "--annee", "1975", "--annee-courante", "2026"]
MOIS = ["janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août",
        "septembre", "octobre", "novembre", "décembre"]


def reduire(n):
    while n > 9:
        n = sum(int(c) for c in str(n))
    return n


def chaine(n):
    """'37 → 3 + 7 = 10 → 1 + 0 = 1'"""
    r = str(n)
    while n > 9:
        s = sum(int(c) for c in str(n))
        r += " → " + " + ".join(str(n)) + " =\u00a0" + str(s)
        n = s
    return r


def lancer(*arguments):
    p = subprocess.run([EXE, *ANNE, *arguments], capture_output=True, text=True)
    return p.returncode, p.stdout + p.stderr


def echec(message):
    print(message)
    sys.exit(1)


def verifier_forme(octets):
    lignes = octets.split(b"\r\n")
    if lignes[-1] != b"":
        echec("le fichier ne finit pas par CR LF")
    for ligne in lignes[:-1]:
        if b"\n" in ligne or b"\r" in ligne:
            echec("fin de ligne isolée : %r" % ligne)
        if len(ligne) > 75:
            echec("ligne de plus de 75 octets : %r" % ligne)
        ligne.decode("utf-8")  # no character cut by the folding


def evenements(chemin):
    with open(chemin, "rb") as f:
        octets = f.read()
    verifier_forme(octets)
    cal = icalendar.Calendar.from_ical(octets)
    if str(cal["VERSION"]) != "2.0" or "Kalder" not in str(cal["PRODID"]):
        echec("VERSION ou PRODID manquant")
    return [e for e in cal.walk("VEVENT")]


def verifier_annee(dossier):
    chemin = os.path.join(dossier, "agenda.ics")
    statut, sortie = lancer("--ics", chemin, "--du", "2026-01-01", "--au", "2026-12-31")
    if statut != 0:
        echec("statut %d : %s" % (statut, sortie))
    vus = set()
    jours = mois = 0
    for e in evenements(chemin):
        debut = e["DTSTART"].dt
        if not isinstance(debut, datetime.date) or isinstance(debut, datetime.datetime):
            echec("événement qui n'est pas sur la journée : %s" % e["DTSTART"].to_ical())
        if e["DTEND"].dt != debut + datetime.timedelta(days=1):
            echec("DTEND inattendu le %s" % debut)
        if "DTSTAMP" not in e:
            echec("DTSTAMP manquant le %s" % debut)
        uid = str(e["UID"])
        if uid in vus:
            echec("UID en double : " + uid)
        vus.add(uid)
        annee = reduire(debut.year + 7 + 15)
        mois_personnel = reduire(annee + debut.month)
        resume, description = str(e["SUMMARY"]), str(e["DESCRIPTION"])
        if uid.startswith("mois-"):
            mois += 1
            attendu = ("Mois personnel %d — Anne-Marie Dupont" % mois_personnel,
                       "Année personnelle\u00a0%d + mois\u00a0%d =\u00a0%s"
                       % (annee, debut.month, chaine(annee + debut.month)))
            if debut.day != 1:
                echec("mois personnel hors du 1er : %s" % debut)
        else:
            jours += 1
            total = mois_personnel + debut.day
            attendu = ("Jour personnel %d — Anne-Marie Dupont" % reduire(total),
                       "Mois personnel %s%s\u00a0%d + jour\u00a0%d =\u00a0%s"
                       % ("d'" if MOIS[debut.month - 1][0] in "ao" else "de ",
                          MOIS[debut.month - 1], mois_personnel, debut.day, chaine(total)))
        if (resume, description) != attendu:
            echec("%s : %r au lieu de %r" % (debut, (resume, description), attendu))
    if (jours, mois) != (365, 12):
        echec("%d jours et %d mois au lieu de 365 et 12" % (jours, mois))
    # Exported again later: the same UIDs, so a calendar updates its events.
    statut, sortie = lancer("--ics", chemin)
    if statut != 0 or {str(e["UID"]) for e in evenements(chemin)} != vus:
        echec("les UID changent d'un export à l'autre : " + sortie)


def verifier_pliage(dossier):
    chemin = os.path.join(dossier, "long.ics")
    nom = ["--prenom", "Éléonore-Géraldine-Françoise-Marie-Thérèse-Anne-Éloïse"]
    p = subprocess.run([EXE, *ANNE, *nom, "--ics", chemin, "--du", "2026-03-01",
                        "--au", "2026-03-02"], capture_output=True, text=True)
    if p.returncode != 0:
        echec(p.stderr)
    resumes = [str(e["SUMMARY"]) for e in evenements(chemin)]
    if resumes[0] != "Mois personnel 8 — Éléonore-Géraldine-Françoise-Marie-Thérèse-Anne-Éloïse Dupont":
        echec("nom plié mal relu : " + resumes[0])


def verifier_echecs(dossier):
    chemin = os.path.join(dossier, "garde.ics")
    with open(chemin, "w") as f:
        f.write("ancien")
    sous_dossier = os.path.join(dossier, "un-dossier")
    os.mkdir(sous_dossier)
    for cible, attendu in [(chemin, "dépasse vingt ans"),
                           (sous_dossier, "est un dossier"),
                           (os.path.join(dossier, "absent", "x.ics"), "n'existe pas")]:
        arguments = ["--ics", cible]
        if cible == chemin:
            arguments += ["--du", "2000-01-01", "--au", "2099-12-31"]
        statut, sortie = lancer(*arguments)
        if statut != 2 or attendu not in sortie:
            echec("%s : statut %d, %s" % (cible, statut, sortie))
    with open(chemin) as f:
        if f.read() != "ancien":
            echec("fichier remplacé malgré le refus")
    restes = sorted(os.listdir(dossier))
    if restes != ["garde.ics", "un-dossier"]:
        echec("fichiers laissés : %s" % restes)


with tempfile.TemporaryDirectory() as d:
    verifier_annee(d)
    verifier_pliage(d)
with tempfile.TemporaryDirectory() as d:
    verifier_echecs(d)
print("agenda-ics-ok")
