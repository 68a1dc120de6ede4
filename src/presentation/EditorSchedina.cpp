#include "EditorSchedina.h"

#include <algorithm>

#include "Cartelle.h"
#include "DatiSistema.h"

namespace morella {

std::optional<TCella> CellaPronostico(const TGeometriaPronostico& g, int larghezza, int altezza, int eventi,
                                      int x, int y)
{
    if (x < g.LeftGap || y < g.TopGap || x >= larghezza - g.LeftGap || y >= altezza - g.TopGap)
        return std::nullopt;
    if (g.DeltaX <= 0 || g.DeltaY <= 0) return std::nullopt;
    const int riga = (y - g.TopGap) / g.DeltaY;
    const int colonna = (x - g.LeftGap) / g.DeltaX;
    if (riga >= eventi || riga >= MaxEventi || colonna >= 3) return std::nullopt;
    const int cx = g.LeftGap + colonna * g.DeltaX + g.Diametro / 2;
    const int cy = g.TopGap + riga * g.DeltaY + g.Diametro / 2;
    const long dx = x - cx, dy = y - cy;
    // Within half the diameter, compared squared and doubled so an odd diameter stays exact.
    if (4 * (dx * dx + dy * dy) > static_cast<long>(g.Diametro) * g.Diametro) return std::nullopt;
    return TCella{riga, colonna};
}

std::optional<TCella> CellaCorsaPiu(const TGeometriaCorsaPiu& g, int larghezza, int altezza, int x, int y)
{
    if (x < g.LeftGap || y < g.TopGap || x >= larghezza - g.LeftGap || y >= altezza - g.TopGap)
        return std::nullopt;
    if (g.DeltaX <= 0 || g.DeltaY <= 0) return std::nullopt;
    const int colonna = (x - g.LeftGap) / g.DeltaX;
    const int riga = (y - g.TopGap) / g.DeltaY;
    if (colonna >= 8 || riga >= 2) return std::nullopt;
    if (x - (g.LeftGap + colonna * g.DeltaX) >= g.Larg || y - (g.TopGap + riga * g.DeltaY) >= g.Alt)
        return std::nullopt;
    return TCella{riga, colonna};
}

void InvertiSegno(TPronostico& p, const TCella& cella)
{
    p[static_cast<std::size_t>(cella.Riga)] ^= static_cast<TSegni>(1u << cella.Colonna);
}

TMascheraCorsaPiu InvertiCavallo(TMascheraCorsaPiu m, const TCella& cella)
{
    return static_cast<TMascheraCorsaPiu>(m ^ (1u << (cella.Colonna + 8 * cella.Riga)));
}

int CifreMassime(TCampoNumerico campo)
{
    switch (campo) {
        case TCampoNumerico::Concorso:
            return 2;
        case TCampoNumerico::Percentuale:
            return 3;
        case TCampoNumerico::Valore:
            return 4;
    }
    return 0;
}

bool TestoCampoAccettabile(TCampoNumerico campo, const std::string& testo)
{
    return static_cast<int>(testo.size()) <= CifreMassime(campo) &&
           std::all_of(testo.begin(), testo.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::int32_t> NumeroConcorsoDaTesto(const std::string& testo)
{
    std::size_t a = testo.find_first_not_of(' ');
    if (a == std::string::npos) return std::nullopt;
    std::size_t b = testo.find_last_not_of(' ');
    std::string cifre = testo.substr(a, b - a + 1);
    if (cifre.empty() || cifre.size() > 9 ||
        !std::all_of(cifre.begin(), cifre.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return static_cast<std::int32_t>(std::stol(cifre));
}

std::string TestoCella(std::int32_t valore)
{
    return valore == 0 ? std::string() : std::to_string(valore);
}

std::array<std::string, 3> TestiPercentuali(const std::array<std::string, 3>& celle)
{
    const auto p = NormalizzaPercentuali(celle);
    if (p == std::array<std::int32_t, 3>{0, 0, 0}) return {"", "", ""};
    std::array<std::string, 3> testi = celle;
    // Only what the rule changed is rewritten: the player's own "1" and "X" stay as typed.
    if (InteroDaTesto(celle[0]) != p[0]) testi[0] = TestoCella(p[0]);
    if (InteroDaTesto(celle[1]) != p[1] || p[0] == 100) testi[1] = TestoCella(p[1]);
    testi[2] = TestoCella(p[2]);
    return testi;
}

bool LampadaPronostico(const TPronostico& p, TMascheraCorsaPiu corsaPiu, int gioco)
{
    return PronosticoCompleto(p) && (gioco != GiocoTotip || CorsaPiuCompleta(corsaPiu));
}

bool TabellaCompleta(const TCelleTabella& celle, int eventi)
{
    for (int e = 0; e < eventi && e < MaxEventi; ++e) {
        const auto& riga = celle[static_cast<std::size_t>(e)];
        if (std::none_of(riga.begin(), riga.end(), [](const std::string& t) { return InteroDaTesto(t) > 0; }))
            return false;
    }
    return true;
}

std::string MotivoPronostico(const TPronostico& p, TMascheraCorsaPiu corsaPiu, int gioco)
{
    std::string motivo;
    if (const int compilati = EventiCompilati(p); compilati < NumEvents)
        motivo = "Pronostico: evento " + std::to_string(compilati + 1) + " senza segni";
    if (gioco == GiocoTotip && !CorsaPiuCompleta(corsaPiu))
        motivo += (motivo.empty() ? "" : "\n") + std::string("Corsa +: almeno due cavalli");
    return motivo;
}

std::string MotivoTabella(const std::string& tabella, const TCelleTabella& celle, int eventi)
{
    for (int e = 0; e < eventi && e < MaxEventi; ++e) {
        const auto& riga = celle[static_cast<std::size_t>(e)];
        if (std::none_of(riga.begin(), riga.end(), [](const std::string& t) { return InteroDaTesto(t) > 0; }))
            return tabella + ": riga " + std::to_string(e + 1) + " incompleta";
    }
    return {};
}

std::string EtichettaEvento(int gioco, int evento)
{
    static const std::array<const char*, 12> enalotto = {" Bari",   " Cagliari", " Firenze",   " Genova",
                                                         " Milano", " Napoli",   " Palermo",   " Roma",
                                                         " Torino", " Venezia",  " Napoli 2º", " Roma 2º"};
    if (evento < 0 || evento >= 12) return {};
    if (gioco == GiocoEnalotto) return enalotto[static_cast<std::size_t>(evento)];
    if (gioco == GiocoTotip) return evento % 2 == 0 ? " 1º Arrivato" : " 2º Arrivato";
    return {};
}

std::string FileMaschera(int gioco)
{
    const char* nome = gioco == GiocoToto       ? "Toto.Bmp"
                       : gioco == GiocoEnalotto ? "Enalotto.Bmp"
                                                : "Totip.Bmp";
    return UnisciPercorso(DirectoryProgramma(), nome);
}

}  // namespace morella
