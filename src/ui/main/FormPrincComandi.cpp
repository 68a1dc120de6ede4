// The commands of the main window that work on the system file, the settings and the
// exported columns. Each asks through the services (file dialogs, message box) and lets
// the core decide; the window only refreshes itself afterwards.
#include <QPixmap>
#include <filesystem>

#include "Cartelle.h"
#include "ComandiConfigurazione.h"
#include "CorniceEditore.h"
#include "DialoghiSistema.h"
#include "EditSchedina.h"
#include "Errore.h"
#include "FileColonne.h"
#include "FormPrinc.h"
#include "Icone.h"
#include "Prospetto.h"
#include "RegistroFinestre.h"
#include "ServiziUi.h"
#include "Sviluppo.h"
#include "TelaQt.h"

namespace morella::ui {

namespace {

constexpr const char* FiltroSistemi = "Sistemi    *.Mrl|*.Mrl";

std::string CartellaDi(const std::string& file, const std::string& riserva)
{
    const std::filesystem::path p(file);
    std::error_code ec;
    if (p.has_parent_path() && std::filesystem::is_directory(p.parent_path(), ec))
        return p.parent_path().string();
    return riserva;
}

std::string NomeDi(const std::string& file)
{
    return std::filesystem::path(file).filename().string();
}

}  // namespace

void TFormPrinc::New1Click()
{
    TDomandaUi domanda(this);
    if (!sistema_.Conferma(domanda, true, [this] { return Save1Click(); })) return;
    sistema_.Nuovo();
    ImpostaTutto();
    editor_->AzzeraSelezione();
    editor_->AzzeraModificato();
    emit AvvisiSistema().SistemaCambiato();
}

void TFormPrinc::CaricaClick()
{
    TDomandaUi domanda(this);
    if (!sistema_.Conferma(domanda, true, [this] { return Save1Click(); })) return;
    TRichiestaFile r;
    r.Titolo = "Carica Il Sistema";
    r.Filtro = FiltroSistemi;
    r.Estensione = "Mrl";
    r.Cartella = CartellaDi(sistema_.NomeFile, CartellaSistemi());
    r.Nome = NomeDi(sistema_.NomeFile);
    r.DeveEsistere = true;
    auto file = Servizi().ScegliFile(this, r);
    if (!file) return;
    sistema_.Carica(*file);
    sistema_.SenzaNome = false;
    ImpostaTutto();
    sistema_.Modificato = false;
    editor_->AzzeraModificato();
    emit AvvisiSistema().SistemaCambiato();
}

bool TFormPrinc::Save1Click()
{
    if (sistema_.SalvaRichiedeNome()) return SalvaComeClick();
    sistema_.Salva();
    AggiornaStatusLine();
    return true;
}

bool TFormPrinc::SalvaComeClick()
{
    TRichiestaFile r;
    r.Salva = true;
    r.Titolo = "Salva Il Sistema";
    r.Filtro = FiltroSistemi;
    r.Estensione = "Mrl";
    r.Cartella = CartellaDi(sistema_.NomeFile, CartellaSistemi());
    r.Nome = NomeDi(sistema_.NomeFile);
    auto file = Servizi().ScegliFile(this, r);
    if (!file) return false;
    TDomandaUi domanda(this);
    if (!sistema_.SalvaCome(*file, domanda)) return false;
    ImpostaTutto();
    editor_->AzzeraModificato();
    return true;
}

void TFormPrinc::CancellaClick()
{
    TRichiestaFile r;
    r.Titolo = "Cancella Il Sistema";
    r.Filtro = FiltroSistemi;
    r.Estensione = "Mrl";
    r.Cartella = CartellaDi(sistema_.NomeFile, CartellaSistemi());
    r.DeveEsistere = true;
    auto file = Servizi().ScegliFile(this, r);
    if (!file) return;
    TDomandaUi domanda(this);
    TSistema::Cancella(*file, domanda);
}

void TFormPrinc::CommentoClick()
{
    TFormCommento::Esegui(sistema_, this);
}

void TFormPrinc::Soci1Click()
{
    TFormPartecipanti::Esegui(sistema_, this);
}

void TFormPrinc::ImpostazioneSvClick()
{
    TFormImpostazioni::Esegui(sistema_, this);
}

void TFormPrinc::CalcoloColonne1Click()
{
    // A destination the automatic save may not replace is said before the window opens, so
    // the player can correct it in the settings.
    const TImpostazioniSviluppo& imp = sistema_.Dati().Impostazioni;
    if (imp.SalvaAutomaticamente)
        if (auto rifiuto = ControllaDestinazione(imp.FileDestinazione)) throw EErrore(*rifiuto);
    const auto& sviluppo = RegistroFinestre().sviluppo;
    if (sviluppo) sviluppo(sistema_, this);
    emit AvvisiSistema().SistemaCambiato();
}

void TFormPrinc::StampaProspettoClick()
{
    // The summary of the system, previewed before it goes to paper.
    Servizi().AnteprimaEStampa(this, [this](TTelaStampa& tela) { StampaProspetto(sistema_, tela); });
}

void TFormPrinc::AnalisiRidotto1Click()
{
    const auto& possibilita = RegistroFinestre().possibilita;
    if (possibilita) possibilita(sistema_, this);
}

void TFormPrinc::CondizioneClick(int slot)
{
    TCondizione* c = sistema_.Dati().Condizioni->Condizione(slot);
    if (!c) return;
    // Only an editor that changed its condition makes the system need saving.
    if (SistemaDaSegnare(c->Modifica())) {
        sistema_.Modificato = true;
        AggiornaStatusLine();
        emit AvvisiSistema().SistemaCambiato();
    }
}

void TFormPrinc::SalvasuDisco1Click()
{
    TRichiestaFile r;
    r.Salva = true;
    r.Titolo = "Salva le Colonne";
    r.Filtro = "Col file|*.Col";
    r.Estensione = "Col";
    r.Cartella = CartellaColonne();
    auto file = Servizi().ScegliFile(this, r);
    if (!file) return;
    TDomandaUi domanda(this);
    EsportaColonne(sistema_.Dati().Colonne, *file, domanda);
}

void TFormPrinc::AccorpamentoautomaticoClick()
{
    QAction* voce = Azione(QStringLiteral("Accorpamentoautomatico1"));
    TConfigurazione& c = sistema_.Dati().Configurazione;
    // The check mark shows the flag even when writing the file failed.
    struct TAllinea {
        QAction* voce;
        const TConfigurazione& c;
        ~TAllinea()
        {
            if (voce) voce->setChecked(c.AccorpamentoAutomatico);
        }
    } allinea{voce, c};
    InvertiAccorpamentoAutomatico(c, FileConfigurazione());
}

void TFormPrinc::CostoColonnaClick()
{
    TFormCostoColonna::Esegui(sistema_, this);
}

void TFormPrinc::MotivoDiSfondo1Click()
{
    const std::string attuale = FileSfondo(sistema_.Dati().Configurazione);
    TRichiestaFile r;
    r.Titolo = "Seleziona il File Bit Mapped";
    r.Filtro = "File Bit Map (*.BMP)|*.BMP";
    r.Estensione = "BMP";
    r.Cartella = CartellaDi(attuale, CartellaSfondi());
    r.Nome = NomeDi(attuale);
    r.DeveEsistere = true;
    auto file = Servizi().ScegliFile(this, r);
    if (!file) return;
    // Only a picture that loads becomes the background worth remembering.
    QPixmap p;
    if (!CaricaImmagine(p, *file)) throw EErrore(MessaggioSfondo);
    CambiaSfondo(sistema_.Dati().Configurazione, *file, FileConfigurazione());
    CaricaSfondo();
}

}  // namespace morella::ui
