#include "Sviluppo.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>

#include "Cartelle.h"
#include "Errore.h"
#include "FileColonne.h"
#include "SviluppoPronostico.h"

namespace morella {

namespace {

class TNessunOsservatore : public TOsservatoreSviluppo {};

// The enumeration proper, in the fixed order of the prediction; the cancel button is looked
// at once per combination of the first nine events.
void Enumera(TDatiSistema& d, bool filtra, TOsservatoreSviluppo& oss, TEsitoSviluppo& esito)
{
    TListaColonne& lista = d.Colonne;
    if (!filtra) lista.Riserva(static_cast<std::size_t>(esito.iniziali));
    TElencoCondizioni& condizioni = *d.Condizioni;
    const bool finito = SviluppaPronostico(
        d.Pronostico, d.CorsaPiu, [&] { return oss.Annullato(); },
        [&](const TColonna& c) {
            if (!filtra || condizioni.VerificaColonna(c)) lista.Aggiungi(c);
            ++esito.sviluppate;
            oss.AggiornaCond(esito.iniziali, lista.Conta(), false, esito.sviluppate);
        });
    if (!finito) {
        lista.Svuota();
        esito.annullato = true;
    }
}

void LeggiEFiltra(TDatiSistema& d, bool filtra, TOsservatoreSviluppo& oss, TEsitoSviluppo& esito)
{
    auto lettore = TLettoreBinario::Apri(FileSorgenteEffettivo(d.Impostazioni), DimensioneMassimaFileColonne);
    if (!lettore) throw EErrore(MessaggioCaricaFileColonnare);
    const std::size_t dimensione = static_cast<std::size_t>(DimensioneRecordColonna());
    esito.iniziali = static_cast<std::int64_t>(lettore->Dimensione() / dimensione);
    oss.AggiornaCond(esito.iniziali, 0, true, 0);
    oss.Stato(StatoCondizionamento);

    TListaColonne& lista = d.Colonne;
    TElencoCondizioni& condizioni = *d.Condizioni;
    while (!lettore->AllaFine()) {
        TColonna c{};
        if (!lettore->Blocco(c.s.data(), dimensione)) {
            // A record cut short: the run keeps nothing, and says why rather than ending
            // with an empty list as if the conditions had refused everything.
            lista.Svuota();
            throw EErrore(MessaggioCaricaFileColonnare);
        }
        if (!filtra || condizioni.VerificaColonna(c)) lista.Aggiungi(c);
        ++esito.sviluppate;
        oss.AggiornaCond(esito.iniziali, lista.Conta(), false, esito.sviluppate);
        if (oss.Annullato()) {
            esito.annullato = true;
            return;
        }
    }
}

void CaricaRidotto(TSistema& sistema, int triple, int doppie)
{
    TDatiSistema& d = sistema.Dati();
    std::string file = FileRidotto(triple, doppie);
    auto lettore = TLettoreBinario::Apri(file, DimensioneMassimaFileColonne);
    if (!lettore) throw EErrore(file + ": " + std::strerror(errno ? errno : ENOENT));
    TListaColonne& ridotte = sistema.ColonneRidotte;
    ridotte.Svuota();
    const std::size_t dimensione = static_cast<std::size_t>(NumEvents);
    while (lettore->Rimanenti() >= dimensione) {
        TColonna r{};
        lettore->Blocco(r.s.data(), dimensione);
        ridotte.Aggiungi(MappaRidotto(r, d.Pronostico));
    }
    d.Colonne.Colonne() = std::move(ridotte.Colonne());
    ridotte.Svuota();
}

}  // namespace

namespace {

bool NomeColonnare(const std::string& nome)
{
    const std::string estensione = EstensioneColonne;
    return nome.size() > estensione.size() &&
           std::equal(estensione.begin(), estensione.end(), nome.end() - static_cast<long>(estensione.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

// Whole records whose event bytes each hold one to three signs.
bool LeggeComeColonne(const std::string& file)
{
    auto lettore = TLettoreBinario::Apri(file, DimensioneMassimaFileColonne);
    if (!lettore) return false;
    const std::size_t dimensione = static_cast<std::size_t>(DimensioneRecordColonna());
    if (lettore->Dimensione() % dimensione != 0) return false;
    for (const std::uint8_t* r = lettore->Corrente(); r != lettore->Corrente() + lettore->Dimensione();
         r += dimensione)
        for (int i = 0; i < NumEvents; ++i)
            if (r[i] == 0 || (r[i] & ~MascheraSegni) != 0) return false;
    return true;
}

}  // namespace

std::optional<std::string> ControllaDestinazione(const std::string& file)
{
    namespace fs = std::filesystem;
    std::string rifiuto = MessaggioDestinazioneNonColonnare + file;
    if (!NomeColonnare(file)) return rifiuto;
    // The save follows links: where one leads must be a column file as well, and a link
    // that leads nowhere yet would create a file elsewhere.
    std::error_code ec;
    const fs::path percorso(file);
    const fs::file_status stato = fs::status(percorso, ec);
    if (stato.type() == fs::file_type::not_found)
        return fs::is_symlink(fs::symlink_status(percorso, ec)) ? std::optional(rifiuto) : std::nullopt;
    if (!fs::is_regular_file(stato)) return rifiuto;
    const fs::path reale = fs::canonical(percorso, ec);
    if (ec || !NomeColonnare(reale.filename().string()) || !LeggeComeColonne(reale.string())) return rifiuto;
    return std::nullopt;
}

bool DeveRidisegnare(int mostrata, int nuova, bool finale, int passo)
{
    return finale || nuova > mostrata + passo;
}

std::string FileRidotto(int triple, int doppie)
{
    return UnisciPercorso(CartellaRidotti(), std::to_string(triple) + "T" + std::to_string(doppie) + "D.Col");
}

TColonna MappaRidotto(const TColonna& record, const TPronostico& pronostico)
{
    std::array<int, MaxEventi> triple{}, doppie{};
    int t = 0, nd = 0;
    for (int i = 0; i < NumEvents; ++i) {
        TSegni s = pronostico[static_cast<std::size_t>(i)] & MascheraSegni;
        if (EUnaTripla(s))
            triple[static_cast<std::size_t>(t++)] = i;
        else if (EUnaDoppia(s))
            doppie[static_cast<std::size_t>(nd++)] = i;
    }
    TColonna c{};
    for (int i = 0; i < NumEvents; ++i) {
        TSegni s = pronostico[static_cast<std::size_t>(i)] & MascheraSegni;
        if (EUnSingolo(s)) c[static_cast<std::size_t>(i)] = s;
    }
    for (int j = 0; j < t; ++j)
        c[static_cast<std::size_t>(triple[static_cast<std::size_t>(j)])] =
            record[static_cast<std::size_t>(j)];
    for (int j = 0; j < nd; ++j) {
        int evento = doppie[static_cast<std::size_t>(j)];
        TSegni s = pronostico[static_cast<std::size_t>(evento)] & MascheraSegni;
        TSegni primo = static_cast<TSegni>(s & -s);  // lowest bit: "1" before "X" before "2"
        TSegni secondo = static_cast<TSegni>(s & ~primo);
        std::size_t k = static_cast<std::size_t>(t + j);
        c[static_cast<std::size_t>(evento)] = k < DimensioneColonna && record[k] == 1 ? primo : secondo;
    }
    return c;
}

TEsitoSviluppo Sviluppa(TSistema& sistema, TOsservatoreSviluppo* osservatore)
{
    TNessunOsservatore nessuno;
    TOsservatoreSviluppo& oss = osservatore ? *osservatore : nessuno;
    TDatiSistema& d = sistema.Dati();
    const TImpostazioniSviluppo& imp = d.Impostazioni;
    TEsitoSviluppo esito;

    if (imp.SalvaAutomaticamente)
        if (auto rifiuto = ControllaDestinazione(imp.FileDestinazione)) throw EErrore(*rifiuto);
    d.Colonne.Svuota();
    d.Condizioni->PreparaVerifica(false);
    d.Sviluppato = true;
    const bool filtra = imp.UsaCondizioni;
    const bool precalcolato = (d.Condizioni->NumeroAttive() == 0 || !imp.UsaCondizioni) && imp.DaPronostico &&
                              imp.GaranziaN1 && NumEvents == 13 && imp.Autoriduzione;

    try {
        if (imp.DaPronostico) {
            const int doppie = NumeroDoppie(d.Pronostico), triple = NumeroTriple(d.Pronostico);
            esito.iniziali = static_cast<std::int64_t>(ColonneIniziali(d.Pronostico));
            oss.AggiornaCond(esito.iniziali, 0, true, 0);
            oss.Stato(StatoCondizionamento);
            if (precalcolato) {
                CaricaRidotto(sistema, triple, doppie);
                esito.ridottoPrecalcolato = true;
            } else {
                Enumera(d, filtra, oss, esito);
            }
        } else {
            LeggiEFiltra(d, filtra, oss, esito);
        }
    } catch (const std::bad_alloc&) {
        throw EErrore(MessaggioMemoriaEsaurita);
    }

    if (esito.ridottoPrecalcolato) {
        oss.AggiornaCond(esito.iniziali, esito.iniziali, true, esito.iniziali);
        esito.sviluppate = esito.iniziali;
        esito.tenute = esito.iniziali;
    } else {
        esito.tenute = d.Colonne.Conta();
        oss.AggiornaCond(esito.iniziali, esito.tenute, true, esito.iniziali);
    }
    d.ColonneFinali = static_cast<std::int32_t>(esito.tenute);

    if (imp.Autoriduzione && !d.Colonne.Vuota()) {
        oss.Stato(StatoAutoriduzione);
        if (esito.ridottoPrecalcolato) {
            auto n = static_cast<int>(esito.iniziali);
            oss.AggiornaRid(n, n, true, n);
        } else {
            oss.AggiornaRid(d.Colonne.Conta(), 0, false, 0);
            if (imp.Ottimizzata) {
                TParametriOttimizzazione par;
                par.secondi = imp.SecondiOttimizzazione;
                par.seme = imp.SemeOttimizzazione;
                TEsitoOttimizzazione eo =
                    AutoriduciOttimizzata(d.Colonne, imp.GaranziaN1 ? 1 : 2, imp.CalcoloPercentuali,
                                          &d.Possibilita, d.Pronostico, par, &oss);
                esito.riduzione = eo.riduzione;
                esito.ottimizzazione = eo;
            } else {
                esito.riduzione = Autoriduci(d.Colonne, imp.GaranziaN1 ? 1 : 2, imp.Accurata,
                                             imp.CalcoloPercentuali, &d.Possibilita, d.Pronostico, &oss);
            }
            esito.ridotto = true;
            d.PossibilitaCalcolate = esito.riduzione.possibilitaCalcolate;
        }
    }

    if (imp.SalvaAutomaticamente && !d.Colonne.Vuota()) {
        // The list is saved where the settings say; a failed save is reported, not ignored.
        if (!SalvaColonne(d.Colonne, imp.FileDestinazione)) throw EErrore(MessaggioScritturaColonne);
        esito.salvato = true;
    }
    oss.Stato(StatoTerminato);
    return esito;
}

}  // namespace morella
