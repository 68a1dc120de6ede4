// "Aggiornamento Archivio": the archive editor's window over the core's TEditoreArchivio.
// The player types a contest's season, number and winning column, moves through the
// contests, adds and deletes them, and exchanges them with a CSV file; OK rebuilds the
// database (its progress in "Aggiornamento DataBase") and saves under the archive's lock,
// "Annulla" asks before dropping typed changes and reloads the files.
#pragma once

#include <QDialog>
#include <memory>

#include "EditoreArchivio.h"
#include "ServiziUi.h"

class QLineEdit;
class QProgressBar;

namespace morella {
class TSistema;
}

namespace morella::ui {

class TFormEditconcprec : public QDialog {
    Q_OBJECT
   public:
    TFormEditconcprec(TSistema& sistema, QWidget* parent = nullptr);
    ~TFormEditconcprec() override;

    // The last contest is shown and nothing counts as modified.
    void Apri();
    TEditoreArchivio& Editore() { return *editore_; }

    void accept() override;
    void reject() override;

   private:
    class TProgressoDataBase;

    void Mostra();
    void Leggi();
    void Muovi(bool (TEditoreArchivio::*mossa)());
    void Rifiutato();
    void Elimina();
    void ImportaCsv();
    void EsportaCsv();

    TSistema& sistema_;
    TDomandaUi domanda_;
    std::unique_ptr<TEditoreArchivio> editore_;
    std::unique_ptr<TProgressoDataBase> progresso_;
    QLineEdit *stagione_, *numero_, *colonna_;
};

}  // namespace morella::ui
