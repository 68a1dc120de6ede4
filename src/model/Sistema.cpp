#include "Sistema.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "Archivio.h"
#include "Cartelle.h"
#include "Errore.h"

namespace morella {

TSistema::TSistema(T_Archivio* archivio)
    : NomeFile(UnisciPercorso(CartellaSistemi(), NomeSistemaPredefinito)),
      dati_(std::make_unique<TDatiSistema>())
{
    LeggiConfigurazione(dati_->Configurazione, FileConfigurazione());
    dati_->Archivio = archivio;
    if (archivio) Ricerca.TuttoLArchivio(*archivio);
}

void TSistema::Nuovo()
{
    NomeFile = NomeSistemaPredefinito;
    SenzaNome = true;
    Modificato = false;
    Ricerca = T_ImpostazioniRicerca{};
    if (dati_->Archivio) Ricerca.TuttoLArchivio(*dati_->Archivio);

    TDatiSistema& d = *dati_;
    d.NomiEventi = {};
    d.Pronostico = {};
    d.Percentuali = {};
    d.Valori = {};
    d.CorsaPiu = 0;
    d.Numero = 1;
    d.Sviluppato = false;
    d.PossibilitaCalcolate = false;
    d.Colonne.Svuota();
    d.RicreaCondizioni();
    // The columns of the system left behind are not this one's to replace.
    d.Impostazioni.FileDestinazione = TImpostazioniSviluppo::Predefinite().FileDestinazione;
    Commento.clear();
    Partecipanti = 1;
    NomiPartecipanti.clear();
}

bool TSistema::SalvaRichiedeNome() const
{
    return SenzaNome && std::filesystem::path(NomeFile).filename() == NomeSistemaPredefinito;
}

void TSistema::Carica(const std::string& file)
{
    auto lettore = TLettoreBinario::Apri(file, DimensioneMassimaSistema);
    if (!lettore || !LeggiImmagine(*lettore)) throw EErrore(MessaggioCaricaSistema);
    NomeFile = file;
    Modificato = false;
}

void TSistema::Salva()
{
    if (!SalvaSicuro(NomeFile, Immagine())) {
        Modificato = true;
        throw EErrore(MessaggioSalvaSistema);
    }
    Modificato = false;
}

bool TSistema::SalvaCome(const std::string& file, TDomanda& domanda)
{
    if (FileEsiste(file) &&
        domanda.Chiedi(TitoloInformazione, DomandaSovrascriviSistema, PulsanteSi | PulsanteNo) != PulsanteSi)
        return false;
    const std::string vecchio = NomeFile;
    std::string& destinazione = dati_->Impostazioni.FileDestinazione;
    const std::string vecchiaDestinazione = destinazione;
    if (auto nuova = DestinazioneRinominata(destinazione, vecchio, file)) destinazione = *nuova;
    NomeFile = file;
    try {
        Salva();
    } catch (const EErrore&) {
        // The system still belongs to the file it came from.
        NomeFile = vecchio;
        destinazione = vecchiaDestinazione;
        throw;
    }
    SenzaNome = false;
    return true;
}

bool TSistema::Conferma(TDomanda& domanda, bool annullabile, const std::function<bool()>& salva)
{
    if (!Modificato) return true;
    int pulsanti = PulsanteSi | PulsanteNo | (annullabile ? PulsanteAnnulla : 0);
    int risposta = domanda.Chiedi(TitoloInformazione, DomandaSalvaSistema, pulsanti);
    if (risposta == PulsanteSi && !salva()) return !annullabile;
    if (annullabile && risposta == 0) return false;
    return risposta != PulsanteAnnulla;
}

bool TSistema::Cancella(const std::string& file, TDomanda& domanda)
{
    if (!TLettoreBinario::Apri(file, DimensioneMassimaSistema)) throw EErrore(MessaggioCancellaSistema);
    if (domanda.Chiedi(TitoloConferma, "Vuoi Cancellare " + file + "?",
                       PulsanteSi | PulsanteNo | PulsanteAnnulla) != PulsanteSi)
        return false;
    std::error_code ec;
    if (!std::filesystem::remove(file, ec)) throw EErrore(MessaggioCancellaSistema);
    return true;
}

bool TSistema::CambiaCommento(const std::vector<std::string>& righe)
{
    if (righe == Commento) return false;
    Commento = righe;
    Modificato = true;
    return true;
}

std::optional<std::string> TSistema::CambiaPartecipanti(int partecipanti,
                                                        const std::vector<std::string>& nomi)
{
    partecipanti = std::clamp(partecipanti, 1, MassimoPartecipanti);
    if (auto rifiuto = ControllaPartecipanti(partecipanti, static_cast<int>(nomi.size()))) return rifiuto;
    if (partecipanti != Partecipanti || nomi != NomiPartecipanti) Modificato = true;
    Partecipanti = partecipanti;
    NomiPartecipanti = nomi;
    return std::nullopt;
}

void TSistema::ImpostazioniSviluppoCambiate(const TImpostazioniSviluppo& nuove)
{
    dati_->Impostazioni = nuove;
    Modificato = true;
    dati_->Sviluppato = false;
}

namespace {

bool UgualiSenzaMaiuscole(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::optional<std::string> DestinazioneRinominata(const std::string& destinazione, const std::string& sistema,
                                                  const std::string& nuovo)
{
    const std::size_t barra = destinazione.find_last_of("/\\");
    const std::size_t inizio = barra == std::string::npos ? 0 : barra + 1;
    const std::string nome = destinazione.substr(inizio);
    const std::size_t punto = nome.find_last_of('.');
    if (punto == std::string::npos || !UgualiSenzaMaiuscole(nome.substr(punto), EstensioneColonne) ||
        !UgualiSenzaMaiuscole(nome.substr(0, punto), NomeSenzaCartellaEdEstensione(sistema)))
        return std::nullopt;
    std::string rinominata =
        destinazione.substr(0, inizio) + NomeSenzaCartellaEdEstensione(nuovo) + EstensioneColonne;
    // A name the file could not hold whole would point somewhere else.
    if (TagliaCaratteri(rinominata, CapacitaFileSviluppo) != rinominata) return std::nullopt;
    return rinominata;
}

std::string NomeSenzaCartellaEdEstensione(const std::string& file)
{
    // Names written on another system may carry backslashes.
    std::string nome =
        file.substr(file.find_last_of("/\\") == std::string::npos ? 0 : file.find_last_of("/\\") + 1);
    auto punto = nome.find_last_of('.');
    return punto == std::string::npos ? nome : nome.substr(0, punto);
}

TStatusLine TSistema::AggiornaStatusLine() const
{
    const TDatiSistema& d = *dati_;
    const std::int64_t costo = d.Configurazione.CostoUnitario();
    const TValuta valuta = d.Configurazione.Valuta;
    TStatusLine s;

    std::int64_t finali = d.Colonne.Conta();
    s.ColonneFinali = "  Colonne Finali : ";
    if (finali > 0) {
        finali *= MoltiplicatoreColonna(d.Colonne[0]);
        s.ColonneFinali += std::to_string(finali) + " (" +
                           TestoImporto(CostoColonne(finali, costo), valuta, Partecipanti) + ")";
    }

    const bool completo = PronosticoCompleto(d.Pronostico);
    s.ColonneIniziali = "  Colonne Iniziali : ";
    if (completo) {
        auto iniziali =
            static_cast<std::int64_t>(ColonneIniziali(d.Pronostico)) * MoltiplicatoreCorsaPiu(d.CorsaPiu);
        s.ColonneIniziali +=
            std::to_string(iniziali) + " (" + TestoImporto(CostoColonne(iniziali, costo), valuta) + ")";
    }
    s.Titolo = " Morella 1.0 - " + NomeSenzaCartellaEdEstensione(NomeFile);
    s.Doppie = "  Doppie : " + (completo ? std::to_string(NumeroDoppie(d.Pronostico)) : std::string());
    s.Triple = "  Triple : " + (completo ? std::to_string(NumeroTriple(d.Pronostico)) : std::string());
    return s;
}

}  // namespace morella
