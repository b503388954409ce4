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


SENS_MOIS = ["Commencements.", "Associations créées ou se terminant.", "Vie sociale importante.",
             "Travail et restrictions.", "Changements, rencontres.",
             "Obligations, amitiés et amours importantes.",
             "Réflexion, spiritualité, introspection.", "Aboutissements sur le plan du travail.",
             "Fin, terminaisons, rapport avec l'étranger."]


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


def verifier_dates(e):
    for cle in ("DTSTART", "DTEND"):
        if len(e[cle].to_ical()) != 8:
            echec("%s sans ses 8 chiffres : %r" % (cle, e[cle].to_ical()))


def verifier_annee(dossier):
    chemin = os.path.join(dossier, "agenda.ics")
    statut, sortie = lancer("--ics", chemin, "--du", "2026-01-01", "--au", "2026-12-31")
    if statut != 0:
        echec("statut %d : %s" % (statut, sortie))
    vus = set()
    jours = mois = annees = 0
    for e in evenements(chemin):
        debut = e["DTSTART"].dt
        if not isinstance(debut, datetime.date) or isinstance(debut, datetime.datetime):
            echec("événement qui n'est pas sur la journée : %s" % e["DTSTART"].to_ical())
        verifier_dates(e)
        if "DTSTAMP" not in e:
            echec("DTSTAMP manquant le %s" % debut)
        uid = str(e["UID"])
        if uid in vus:
            echec("UID en double : " + uid)
        vus.add(uid)
        annee = reduire(debut.year + 7 + 15)
        mois_personnel = reduire(annee + debut.month)
        resume, description = str(e["SUMMARY"]), str(e["DESCRIPTION"])
        if uid.startswith("annee-"):
            annees += 1
            fin = datetime.date(debut.year + 1, 1, 1)
            attendu = ("Année personnelle %d — " % annee,
                       "Année\u00a0%d + mois\u00a07 + jour\u00a015 =\u00a0%s\nAnne-Marie Dupont"
                       % (debut.year, chaine(debut.year + 22)))
            resume = resume[:len(attendu[0])]
        elif uid.startswith("mois-"):
            mois += 1
            fin = datetime.date(debut.year + debut.month // 12, debut.month % 12 + 1, 1)
            attendu = ("Mois personnel %d — %s" % (mois_personnel, SENS_MOIS[mois_personnel - 1]),
                       "Année personnelle\u00a0%d + mois\u00a0%d =\u00a0%s\nAnne-Marie Dupont"
                       % (annee, debut.month, chaine(annee + debut.month)))
            if debut.day != 1:
                echec("mois personnel hors du 1er : %s" % debut)
        else:
            jours += 1
            fin = debut + datetime.timedelta(days=1)
            total = mois_personnel + debut.day
            attendu = ("Jour personnel %d — %s" % (reduire(total), SENS_MOIS[reduire(total) - 1]),
                       "Mois personnel %s%s\u00a0%d + jour\u00a0%d =\u00a0%s\nAnne-Marie Dupont"
                       % ("d'" if MOIS[debut.month - 1][0] in "ao" else "de ",
                          MOIS[debut.month - 1], mois_personnel, debut.day, chaine(total)))
        if e["DTEND"].dt != fin:
            echec("DTEND %s au lieu de %s pour %s" % (e["DTEND"].dt, fin, uid))
        if (resume, description) != attendu:
            echec("%s : %r au lieu de %r" % (debut, (resume, description), attendu))
    if (jours, mois, annees) != (365, 12, 1):
        echec("%d jours, %d mois, %d années au lieu de 365, 12 et 1" % (jours, mois, annees))
    # Exported again later: the same UIDs, so a calendar updates its events.
    statut, sortie = lancer("--ics", chemin)
    if statut != 0 or {str(e["UID"]) for e in evenements(chemin)} != vus:
        echec("les UID changent d'un export à l'autre : " + sortie)
    # From mid-November: November's month and the year start on the 15th, under
    # the UIDs of the whole year's export.
    statut, sortie = lancer("--ics", chemin, "--du", "2026-11-15")
    coupes = {str(e["UID"]): e for e in evenements(chemin)}
    for genre, du in (("annee-20260101", datetime.date(2026, 11, 15)),
                      ("mois-20261101", datetime.date(2026, 11, 15)),
                      ("mois-20261201", datetime.date(2026, 12, 1))):
        uid = next((u for u in coupes if u.startswith(genre + "-")), None)
        if statut != 0 or uid not in vus or coupes[uid]["DTSTART"].dt != du:
            echec("période coupée mal rendue pour %s : %s" % (genre, sortie))
        if coupes[uid]["DTEND"].dt != datetime.date(2027, 1, 1) and genre != "mois-20261101":
            echec("fin de %s : %s" % (genre, coupes[uid]["DTEND"].dt))


def verifier_pliage(dossier):
    chemin = os.path.join(dossier, "long.ics")
    nom = ["--prenom", "Éléonore-Géraldine-Françoise-Marie-Thérèse-Anne-Éloïse"]
    p = subprocess.run([EXE, *ANNE, *nom, "--ics", chemin, "--du", "2026-03-01",
                        "--au", "2026-03-02"], capture_output=True, text=True)
    if p.returncode != 0:
        echec(p.stderr)
    descriptions = [str(e["DESCRIPTION"]) for e in evenements(chemin)]
    if not descriptions[1].endswith(
            "\nÉléonore-Géraldine-Françoise-Marie-Thérèse-Anne-Éloïse Dupont"):
        echec("nom plié mal relu : " + descriptions[1])


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
