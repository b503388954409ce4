#!/usr/bin/env python3
"""Checks that the build and the tests use only what a fresh Debian gets from
scripts/installer_dependances.sh: every system file the build read and every
program the tests run must belong to a package the installer names, one those
pull in (Depends and Pre-Depends, recursively), or one of the minimal base
system (priority required, and apt), as debootstrap --variant=minbase makes it.

  verifier_paquets.py programmes [--installateur FILE]
      before the tests: the programs they run
  verifier_paquets.py construction BUILD_DIR [--installateur FILE] [--but fenetre]
      after a build: the headers in the compilers' dependency files and the
      programs CMake found under /usr/bin (CMakeCache.txt); --but fenetre
      checks against the packages of ./run.sh alone (its build-run/)

Exits 1 naming the package and one file of it, 0 when all is well.
"""

import argparse
import os
import pathlib
import subprocess
import sys

# The programs the tests and ./test.sh run, with the package that provides each.
PROGRAMMES = {
    "qpdf": "qpdf",
    "pdftotext": "poppler-utils",
    "pdfinfo": "poppler-utils",
    "pdffonts": "poppler-utils",
    "python3": "python3",
    "xvfb-run": "xvfb",
    "xauth": "xauth",
    "lintian": "lintian",
    "dpkg-shlibdeps": "dpkg-dev",
    "dpkg-deb": "dpkg",
    "cpack": "cmake",
    "file": "file",
    "man": "man-db",
    "desktop-file-validate": "desktop-file-utils",
    "appstreamcli": "appstream",
    "clang-format": "clang-format",
    "clang-tidy": "clang-tidy",
    "x86_64-w64-mingw32-g++-posix": "g++-mingw-w64-x86-64-posix",
    "wine": "wine",
    "wineboot": "wine",
    "wineserver": "wine",
}
# Python modules the tests import, with their package.
MODULES_PYTHON = {"icalendar": "python3-icalendar"}

PATH_DEBIAN = "/usr/sbin:/usr/bin:/sbin:/bin"
RACINE = pathlib.Path(__file__).resolve().parent.parent
INSTALLATEUR = RACINE / "scripts" / "installer_dependances.sh"


def executer(*commande):
    return subprocess.run(commande, capture_output=True, text=True, check=False).stdout


def paquets_permis(installateur, but):
    """The installer's packages for that purpose, what they pull in and the base system."""
    nommes = executer("bash", str(installateur), but, "--liste").split()
    if not nommes:
        sys.exit(f"kalder: {installateur} names no package ({but} --liste)")
    base = ["apt"] + [
        ligne.split()[1]
        for ligne in executer("dpkg-query", "-W", "-f=${Priority} ${Package}\n").splitlines()
        if ligne.startswith("required ")
    ]
    sortie = executer("apt-cache", "depends", "--recurse", "--no-recommends", "--no-suggests",
                      "--no-conflicts", "--no-breaks", "--no-replaces", "--no-enhances",
                      *nommes, *base)
    permis = {ligne.split(":")[0] for ligne in sortie.splitlines()
              if ligne and not ligne.startswith((" ", "<"))}
    return set(nommes), permis | set(nommes) | set(base)


def formes(chemin):
    """The names under which dpkg may know a file: as read, with its links
    resolved, and on the other side of the /usr merge (/lib and /usr/lib)."""
    vus = [chemin, os.path.realpath(chemin)]
    for c in list(vus):
        for court in ("/bin/", "/sbin/", "/lib/", "/lib64/", "/lib32/"):
            if c.startswith("/usr" + court):
                vus.append(c[4:])
            elif c.startswith(court):
                vus.append("/usr" + c)
    return list(dict.fromkeys(vus))


def proprietaires(chemins):
    """One dpkg-query -S over every form of every file: file -> package."""
    demandes = {c: formes(c) for c in chemins}
    toutes = sorted({f for liste in demandes.values() for f in liste})
    paquet_de = {}
    for i in range(0, len(toutes), 5000):
        sortie = executer("dpkg-query", "-S", *toutes[i:i + 5000])
        for ligne in sortie.splitlines():
            if ligne.startswith("diversion ") or ": " not in ligne:
                continue
            paquets, fichier = ligne.split(": ", 1)
            paquet_de.setdefault(fichier, paquets.split(", ")[0].split(":")[0])
    return {c: next((paquet_de[f] for f in liste if f in paquet_de), None)
            for c, liste in demandes.items()}


def fichiers_lus(construction):
    """System files in the compilers' dependency files and the programs CMake found."""
    cache = (construction / "CMakeCache.txt").read_text(errors="replace").splitlines()
    sources = next(ligne.split("=", 1)[1] for ligne in cache
                   if ligne.startswith("CMAKE_HOME_DIRECTORY:")) + "/"
    dossier = str(construction.resolve()) + "/"
    lus = set()
    for depend in construction.rglob("*.d"):
        texte = depend.read_text(errors="replace").replace("\\\n", " ")
        for mot in texte.split():
            if mot.startswith("/") and not mot.endswith(":"):
                chemin = os.path.normpath(mot)
                if not chemin.startswith((sources, dossier)) and os.path.isfile(chemin):
                    lus.add(chemin)
    for ligne in cache:
        if ":FILEPATH=" in ligne:
            valeur = ligne.split("=", 1)[1]
            if valeur.startswith(("/usr/bin/", "/bin/")) and os.path.isfile(valeur):
                lus.add(valeur)
    return lus


def verifier(fichiers, permis, raison):
    """fichiers: file -> (what it is, package to suggest). Returns the failures."""
    paquet_de = proprietaires(fichiers)
    fautes, vus = [], set()
    for fichier in sorted(fichiers):
        paquet = paquet_de[fichier]
        if paquet is None:
            fautes.append(f"{fichier} ({raison}) belongs to no Debian package")
        elif paquet not in permis and paquet not in vus:
            vus.add(paquet)
            fautes.append(f"the Debian package {paquet} is neither named by "
                          f"scripts/installer_dependances.sh nor pulled in by what it names, "
                          f"yet {raison}: {fichier}")
    return fautes


def verifier_programmes(nommes, permis):
    """Looked up where Debian installs them, whatever else this machine's PATH holds."""
    fautes, trouves = [], {}
    for programme, paquet in PROGRAMMES.items():
        chemin = executer("env", f"PATH={PATH_DEBIAN}", "sh", "-c", 'command -v "$0"',
                          programme).strip()
        if not chemin.startswith("/"):
            conseil = ("install it (scripts/installer_dependances.sh tests)" if paquet in nommes
                       else "add it to the tests' list of scripts/installer_dependances.sh")
            fautes.append(f"the tests run {programme}, missing here: it comes with the Debian "
                          f"package {paquet}, {conseil}")
        else:
            trouves[chemin] = programme
    for module, paquet in MODULES_PYTHON.items():
        chemin = executer("/usr/bin/python3", "-c", f"import {module}; print({module}.__file__)").strip()
        if not chemin.startswith("/"):
            fautes.append(f"the tests import the Python module {module}, missing here: it comes "
                          f"with the Debian package {paquet}")
        else:
            trouves[chemin] = f"module {module}"
    return fautes + verifier(trouves, permis, "the tests run it")


def main():
    analyse = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    analyse.add_argument("quoi", choices=["programmes", "construction"])
    analyse.add_argument("construction", nargs="?", type=pathlib.Path)
    analyse.add_argument("--installateur", type=pathlib.Path, default=INSTALLATEUR)
    analyse.add_argument("--but", choices=["tests", "fenetre"], default="tests",
                         help="the installer's list: tests (./test.sh) or fenetre (./run.sh)")
    arguments = analyse.parse_args()
    nommes, permis = paquets_permis(arguments.installateur, arguments.but)
    if arguments.quoi == "programmes":
        fautes = verifier_programmes(nommes, permis)
        quoi = f"{len(PROGRAMMES) + len(MODULES_PYTHON)} programs and modules of the tests"
    else:
        if arguments.construction is None:
            analyse.error("construction needs the build folder")
        lus = fichiers_lus(arguments.construction)
        fautes = verifier(dict.fromkeys(lus), permis, "the build read it")
        quoi = f"{len(lus)} system files read by the build in {arguments.construction}"
    for faute in fautes:
        print(f"kalder: {faute}", file=sys.stderr)
    if fautes:
        return 1
    print(f"kalder: the {quoi} all come from packages the installer names")
    return 0


if __name__ == "__main__":
    sys.exit(main())
