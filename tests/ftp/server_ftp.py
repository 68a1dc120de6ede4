#!/usr/bin/env python3
# A real FTP server on loopback for the update tests. It binds a free port, prints
# "PORTA <n>" once the socket listens, and serves until it is killed.
#
#   server_ftp.py HOME MODE
#
# MODE: normale       anonymous login, read-only, home folder HOME
#       senza_anonimo only a named user exists: anonymous login is refused
#       senza_binario TYPE is refused
#       corto         "archdb.mra" is sent only half, then the server reports success
#       cade          halfway through "archdb.mra" the whole server dies
#       muto          accepts connections and never says a word
#       infinito      "archivio.mra" never ends: endless bytes for as long as asked
#       goccia        every file trickles out one byte at a time, a few bytes a second
#       lento         every file comes at about 200 bytes a second, steadily
# In every mode each command received is appended, one per line, to HOME/../comandi.log.
import logging
import os
import socket
import sys
import time

FILE_TRONCATO = "archdb.mra"


def annuncia(porta):
    sys.stdout.write("PORTA %d\n" % porta)
    sys.stdout.flush()


def muto():
    ascolto = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    ascolto.bind(("127.0.0.1", 0))
    ascolto.listen(8)
    annuncia(ascolto.getsockname()[1])
    aperte = []
    while True:
        connessione, _ = ascolto.accept()
        aperte.append(connessione)
        time.sleep(0.01)


def main():
    home, modo = sys.argv[1], sys.argv[2]
    if modo == "muto":
        muto()
        return

    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.filesystems import AbstractedFS
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer

    class FileTroncato:
        """Hands out the first half of the file, then either ends it early or kills
        the server, as the mode asks."""

        def __init__(self, vero):
            self.vero = vero
            self.name = vero.name
            self.closed = False
            self.limite = os.fstat(vero.fileno()).st_size // 2
            self.letti = 0

        def read(self, n=-1):
            if self.letti >= self.limite:
                if modo == "cade":
                    os._exit(0)
                return b""
            if n is None or n < 0:
                n = self.limite
            dati = self.vero.read(min(n, self.limite - self.letti))
            self.letti += len(dati)
            return dati

        def seek(self, pos, da=0):
            return self.vero.seek(pos, da)

        def close(self):
            self.vero.close()
            self.closed = True

    class FileInfinito:
        """Zeros without end, or the real bytes slowly: a server that never stops or
        never hurries."""

        def __init__(self, vero, pausa, passo):
            self.vero = vero
            self.name = vero.name
            self.closed = False
            self.pausa = pausa
            self.passo = passo

        def read(self, n=-1):
            if self.pausa:
                time.sleep(self.pausa)
            if self.passo is None:
                return b"\0" * 65536
            return self.vero.read(self.passo)

        def seek(self, pos, da=0):
            return self.vero.seek(pos, da)

        def close(self):
            self.vero.close()
            self.closed = True

    class FileSystem(AbstractedFS):
        def open(self, filename, mode):
            f = super().open(filename, mode)
            if modo in ("corto", "cade") and os.path.basename(filename) == FILE_TRONCATO:
                return FileTroncato(f)
            if modo == "infinito" and os.path.basename(filename) == "archivio.mra":
                return FileInfinito(f, 0, None)
            if modo == "goccia":
                return FileInfinito(f, 0.5, 1)
            if modo == "lento":
                return FileInfinito(f, 0.1, 20)
            return f

    registro = os.path.join(os.path.dirname(os.path.abspath(home)), "comandi.log")

    class Gestore(FTPHandler):
        def pre_process_command(self, line, cmd, arg):
            with open(registro, "a") as f:
                f.write(line + "\n")
            super().pre_process_command(line, cmd, arg)

        def ftp_TYPE(self, line):
            if modo == "senza_binario":
                self.respond("504 Tipo non disponibile.")
            else:
                super().ftp_TYPE(line)

    autorizzazioni = DummyAuthorizer()
    if modo == "senza_anonimo":
        autorizzazioni.add_user("morella", "segreta", home, perm="elr")
    else:
        autorizzazioni.add_anonymous(home, perm="elr")
    Gestore.authorizer = autorizzazioni
    Gestore.abstracted_fs = FileSystem
    Gestore.use_sendfile = False
    Gestore.auth_failed_timeout = 0  # a refused login is answered at once
    Gestore.banner = "Server di prova pronto."

    logging.basicConfig(level=logging.WARNING)
    server = FTPServer(("127.0.0.1", 0), Gestore)
    annuncia(server.socket.getsockname()[1])
    server.serve_forever()


if __name__ == "__main__":
    main()
