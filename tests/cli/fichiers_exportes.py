#!/usr/bin/env python3
"""What kalder-theme writes for others to read or not: the client file and the
export are private from their creation (no change of rights after, watched
through inotify); an export or a calendar aimed at a named pipe or at a device
leaves it what it was. Prints "fichiers-ok", or what differed.
   fichiers_exportes.py <kalder-theme> <work folder>"""
import ctypes
import os
import shutil
import stat
import struct
import subprocess
import sys

exe, travail = sys.argv[1], sys.argv[2]
shutil.rmtree(travail, ignore_errors=True)
os.makedirs(travail)
donnees = os.path.join(travail, "donnees")
os.makedirs(donnees)
anne = ["--prenom", "Anne", "--nom", "Dupont", "--jour", "1", "--mois", "2", "--annee", "1990"]
fautes = []
libc = ctypes.CDLL(None, use_errno=True)
IN_ATTRIB, IN_NONBLOCK = 0x4, 0o4000


def k(*options):
    dossier = [] if "--ics" in options else ["--dossier", donnees]
    return subprocess.run([exe, *dossier, *options], capture_output=True, text=True)


def changements_de_droits(dossier, faire):
    """The names of `dossier` whose rights or owner changed while `faire` ran."""
    fd = libc.inotify_init1(IN_NONBLOCK)
    libc.inotify_add_watch(fd, dossier.encode(), IN_ATTRIB)
    faire()
    noms = set()
    try:
        octets = os.read(fd, 65536)
    except BlockingIOError:
        octets = b""
    os.close(fd)
    while octets:
        _, _, _, longueur = struct.unpack("iIII", octets[:16])
        noms.add(octets[16:16 + longueur].rstrip(b"\0").decode())
        octets = octets[16 + longueur:]
    # SQLite, as root, gives its journal the database's owner: that is no widening.
    return {n for n in noms if not n.endswith(("-wal", "-shm", "-journal"))}


os.umask(0)
changes = changements_de_droits(donnees, lambda: k("--note", "Privée", *anne))
if changes:
    fautes.append("droits changés après la création : %s" % sorted(changes))
mode = stat.S_IMODE(os.stat(os.path.join(donnees, "Kalder.sqlite")).st_mode)
if mode != 0o600:
    fautes.append("Kalder.sqlite en %o" % mode)

exports = os.path.join(travail, "exports")
os.makedirs(exports)
export = os.path.join(exports, "sauvegarde.json")
changes = changements_de_droits(exports, lambda: k("--exporter-clients", export))
if changes:
    fautes.append("export : droits changés après la création : %s" % sorted(changes))
if stat.S_IMODE(os.stat(export).st_mode) != 0o600:
    fautes.append("export en %o" % stat.S_IMODE(os.stat(export).st_mode))

# A pipe no program reads is refused at once; a device is written into as it is.
speciaux = [("tube", lambda p: os.mkfifo(p), stat.S_ISFIFO, False)]
if os.geteuid() == 0:
    speciaux.append(("peripherique",
                     lambda p: os.mknod(p, 0o666 | stat.S_IFCHR, os.makedev(1, 3)),
                     stat.S_ISCHR, True))
for nom, creer, genre, accepte in speciaux:
    chemin = os.path.join(exports, nom)
    creer(chemin)
    for commande in (["--exporter-clients", chemin],
                     ["--ics", chemin, "--du", "2026-01-01", "--au", "2026-01-02", *anne]):
        r = k(*commande)
        if not genre(os.lstat(chemin).st_mode):
            fautes.append("%s %s remplacé par un fichier" % (commande[0], nom))
            os.unlink(chemin)
            creer(chemin)
        if (r.returncode == 0) != accepte or (r.returncode and not r.stderr.startswith("Erreur")):
            fautes.append("%s %s : statut %d %s" % (commande[0], nom, r.returncode, r.stderr))
    if [n for n in os.listdir(exports) if n.startswith(".") or "tmp" in n]:
        fautes.append("temporaire laissé : %s" % os.listdir(exports))

shutil.rmtree(travail, ignore_errors=True)
print("\n".join(fautes) if fautes else "fichiers-ok")
