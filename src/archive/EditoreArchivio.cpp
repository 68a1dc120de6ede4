#include "EditoreArchivio.h"
#include "BloccoArchivio.h"
#include "CsvArchivio.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>

#include "Errore.h"

namespace morella {

namespace {

// A whole number typed in a field: blanks are ignored, anything but digits makes it
// invalid, and so does a value too long to be a season or a contest number.
std::optional<int> InteroDaTesto(const std::string& testo)
{
    int valore = 0;
    int cifre = 0;
    for (char ch : testo) {
        if (ch == ' ') continue;
        if (!std::isdigit(static_cast<unsigned char>(ch)) || ++cifre > 6) return std::nullopt;
        valore = valore * 10 + (ch - '0');
    }
    if (cifre == 0) return std::nullopt;
    return valore;
}

bool StessiEventi(const TColonna& a, const TColonna& b)
{
    for (int i = 0; i < NumEvents; ++i)
        if ((a[static_cast<std::size_t>(i)] & MascheraSegni) !=
            (b[static_cast<std::size_t>(i)] & MascheraSegni))
            return false;
    return true;
}

std::string Maiuscolo(std::string testo)
{
    for (char& ch : testo) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return testo;
}

}  // namespace

bool ColonnaVuota(const TColonna& colonna)
{
    for (int i = 0; i < NumEvents; ++i)
        if ((colonna[static_cast<std::size_t>(i)] & MascheraSegni) != 0) return false;
    return true;
}

std::string TestoColonnaVincente(const TColonna& colonna)
{
    std::string testo;
    bool qualcosa = false;
    for (int i = 0; i < NumEvents; ++i) {
        const TSegni s = colonna[static_cast<std::size_t>(i)] & MascheraSegni;
        if (EUnSingolo(s)) {
            testo += TestoSegni(s);
            qualcosa = true;
        } else {
            testo += '*';
        }
    }
    return qualcosa ? testo : std::string();
}

TEditoreArchivio::TEditoreArchivio(T_Archivio& archivio, T_ImpostazioniRicerca& ricerca, TDomanda& domanda,
                                   std::string cartellaArchivi)
    : archivio_(archivio), ricerca_(ricerca), domanda_(domanda), cartella_(std::move(cartellaArchivi))
{
}

bool TEditoreArchivio::CaricaDaFile()
{
    // A database file that had to be rebuilt is no news for the player: only the contests
    // decide whether the load went well.
    indiceNuovo_ = -1;
    archivio_.Carica(cartella_, ricerca_);
    return archivio_.EsitoCaricamento().ConcorsiInteri;
}

void TEditoreArchivio::CaricaArchivio()
{
    // A missing file throws with this same message from Carica itself.
    if (!CaricaDaFile()) throw EErrore(MessaggioCaricaArchivio);
}

void TEditoreArchivio::ImpostaAggiornamentoDataBase(TConfigurazione* configurazione,
                                                    TOsservatoreDataBase* osservatore)
{
    configurazione_ = configurazione;
    osservatoreDataBase_ = osservatore;
}

void TEditoreArchivio::Apri()
{
    const bool vuoto = archivio_.Vuoto();
    if (vuoto) archivio_.AggiungiNuovo();
    indice_ = archivio_.NumeroConcorsi() - 1;
    indiceNuovo_ = vuoto ? indice_ : -1;
    Mostra();
    modificato_ = false;
    campo_ = TCampoEditor::Nessuno;
}

void TEditoreArchivio::Esamina(int indice)
{
    indice_ = indice;
    Mostra();
    campo_ = TCampoEditor::Nessuno;
}

void TEditoreArchivio::Normalizza()
{
    if (archivio_.Vuoto()) archivio_.AggiungiNuovo();
    indice_ = std::clamp(indice_, 0, archivio_.NumeroConcorsi() - 1);
}

void TEditoreArchivio::Mostra()
{
    Normalizza();
    const T_Concorso& c = archivio_.Concorso(indice_);
    stagione_ = std::to_string(c.Stagione);
    numero_ = std::to_string(c.Numero);
    colonna_ = TestoColonnaVincente(c.ColonnaVincente);
}

void TEditoreArchivio::ImpostaStagione(const std::string& testo)
{
    if (testo == stagione_) return;
    stagione_ = testo;
    modificato_ = true;
}

void TEditoreArchivio::ImpostaNumero(const std::string& testo)
{
    if (testo == numero_) return;
    numero_ = testo;
    modificato_ = true;
}

void TEditoreArchivio::ImpostaColonna(const std::string& testo)
{
    std::string maiuscolo = Maiuscolo(testo);
    if (maiuscolo == colonna_) return;
    colonna_ = std::move(maiuscolo);
    modificato_ = true;
}

bool TEditoreArchivio::Rifiuta(TCampoEditor campo, const char* messaggio)
{
    campo_ = campo;
    domanda_.Chiedi(TitoloInformazione, messaggio, PulsanteOk);
    return false;
}

bool TEditoreArchivio::ControllaconcorsoInEsame()
{
    campo_ = TCampoEditor::Nessuno;
    Normalizza();
    T_Concorso& c = archivio_.Concorso(indice_);

    // Everything is checked before anything is stored, so that a refused store leaves the
    // contest exactly as it was.
    // What the file holds is kept as it is even where the editor would not let the player
    // type it: a season or number outside the limits, a column with no known sign (shown as
    // an empty field). The contest "Aggiungi" made is checked whole: its number is the last
    // one plus 1, which may be past the limit, and its column is still to be typed.
    // A column field left as the editor showed it keeps the contest's bytes as they are: the
    // field cannot show a byte that is no single sign, and storing the text back would turn
    // such a byte into an unknown sign (or refuse a contest the player never touched).
    const bool daFile = indice_ != indiceNuovo_;
    const bool colonnaIntatta = daFile && colonna_ == TestoColonnaVincente(c.ColonnaVincente);
    TColonna colonna{};
    if (!colonnaIntatta && ColonnaDaTesto(colonna_, colonna) < 0)
        return Rifiuta(TCampoEditor::Colonna, MessaggioColonnaVincenteNonValida);
    const std::optional<int> stagione = InteroDaTesto(stagione_);
    if (!stagione || ((*stagione != c.Stagione || !daFile) &&
                      (*stagione < StagioneMinimaEditor || *stagione > StagioneMassimaEditor)))
        return Rifiuta(TCampoEditor::Stagione, MessaggioStagioneNonValida);
    const std::optional<int> numero = InteroDaTesto(numero_);
    if (!numero || ((*numero != c.Numero || !daFile) &&
                    (*numero < NumeroMinimoConcorso || *numero > NumeroMassimoConcorso)))
        return Rifiuta(TCampoEditor::Numero, MessaggioNumeroNonValido);
    indiceNuovo_ = -1;

    const T_Concorso prima = c;
    c.Stagione = *stagione;
    c.Numero = static_cast<std::uint8_t>(*numero);
    // The text carries only the events: a column left as it was keeps its Corsa + bytes,
    // an edited one gets them as zero (ColonnaDaTesto leaves every byte after the events 0).
    if (!colonnaIntatta && !StessiEventi(colonna, c.ColonnaVincente)) c.ColonnaVincente = colonna;
    c.AggiornaCompleto();

    if (StessoConcorso(prima, c)) return true;
    const int indicePrima = indice_;
    if (archivio_.Riposiziona(indice_, domanda_)) return true;
    // The player kept the other contest: a second contest with the same season and number
    // would break the order of the list, so this one goes back to what it was. The fields
    // stay as typed, and the next store asks again.
    indice_ = indicePrima;
    archivio_.Concorso(indice_) = prima;
    return false;
}

bool TEditoreArchivio::Precedente()
{
    if (!ControllaconcorsoInEsame()) return false;
    if (indice_ > 0) --indice_;
    Mostra();
    return true;
}

bool TEditoreArchivio::Successivo()
{
    if (!ControllaconcorsoInEsame()) return false;
    if (indice_ < archivio_.NumeroConcorsi() - 1) ++indice_;
    Mostra();
    return true;
}

bool TEditoreArchivio::Primo()
{
    if (!ControllaconcorsoInEsame()) return false;
    indice_ = 0;
    Mostra();
    return true;
}

bool TEditoreArchivio::Ultimo()
{
    if (!ControllaconcorsoInEsame()) return false;
    indice_ = archivio_.NumeroConcorsi() - 1;
    Mostra();
    return true;
}

bool TEditoreArchivio::Aggiungi()
{
    if (!ControllaconcorsoInEsame()) return false;
    archivio_.AggiungiSeguente();
    indice_ = archivio_.NumeroConcorsi() - 1;
    indiceNuovo_ = indice_;
    modificato_ = true;
    Mostra();
    return true;
}

bool TEditoreArchivio::Elimina()
{
    campo_ = TCampoEditor::Nessuno;
    if (domanda_.Chiedi(TitoloConferma, DomandaEliminaConcorso, PulsanteSi | PulsanteNo) != PulsanteSi)
        return false;
    Normalizza();
    archivio_.Elimina(indice_);
    indiceNuovo_ = -1;
    Normalizza();  // back inside the list, and a new contest when it became empty
    modificato_ = true;
    Mostra();
    return true;
}

bool TEditoreArchivio::Conferma()
{
    if (!ControllaconcorsoInEsame()) return false;
    if (modificato_) {
        // No other writer may save between this rebuild and this save.
        TBloccoArchivio blocco(cartella_, attesaBlocco_);
        if (archivio_.CambiatoSuDisco(cartella_)) throw EErrore(MessaggioArchivioCambiato);
        // The database on disk must describe the whole archive it is saved with.
        ricerca_.TuttoLArchivio(archivio_);
        archivio_.RicalcolaDataBase(nullptr, osservatoreDataBase_, configurazione_);
        if (!archivio_.Salva(cartella_)) throw EErrore(MessaggioSalvaModifiche);
    }
    return true;
}

bool TEditoreArchivio::ConfermaAbbandono()
{
    if (!modificato_) return true;
    return domanda_.Chiedi(TitoloConferma, DomandaAbbandonaModifiche, PulsanteSi | PulsanteNo) == PulsanteSi;
}

bool TEditoreArchivio::Importa(const std::vector<T_Concorso>& concorsi, bool sostituisci)
{
    if (!ControllaconcorsoInEsame()) return false;
    UnisciConcorsi(archivio_, concorsi, sostituisci);
    indiceNuovo_ = -1;
    indice_ = archivio_.NumeroConcorsi() - 1;
    modificato_ = true;
    Mostra();
    return true;
}

void TEditoreArchivio::Chiudi()
{
    if (!modificato_) return;
    modificato_ = false;
    bool riuscito = false;
    try {
        riuscito = CaricaDaFile();
    } catch (const EErrore&) {
        // Reported below in the words of this command.
        riuscito = false;
    }
    if (!riuscito) throw EErrore(MessaggioAnnullaModifiche);
}

}  // namespace morella
