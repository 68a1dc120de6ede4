#include "ModelloAnalisi.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace morella {

TScalaGrafico ScalaGrafico(double massimoBarra, double totale, bool percentuali, bool zoom)
{
    TScalaGrafico s;
    if (zoom) {
        s.Massimo = massimoBarra * 11.0 / 10.0;
    } else if (percentuali) {
        s.Massimo = 100;
        s.Passo = 10;
        return s;
    } else {
        s.Massimo = totale;
    }
    // Nothing to show: the axis keeps a span, so that no step is zero.
    if (!(s.Massimo > 0)) s.Massimo = 1;
    s.Passo = s.Massimo / 10.0;
    return s;
}

int DecimaliScala(const TScalaGrafico& s)
{
    const bool passoIntero = std::abs(s.Passo - std::round(s.Passo)) < 1e-9;
    return passoIntero || s.Massimo - s.Minimo >= 20 ? 0 : 1;
}

namespace {

double Quota(double parte, double totale)
{
    return totale > 0 ? parte * 100.0 / totale : 0.0;
}

std::string Testo(double v, bool percentuali)
{
    return percentuali ? TestoDueDecimali(v) : std::to_string(static_cast<std::int64_t>(std::llround(v)));
}

std::string Etichetta(const T_SerieAnalisi& s, int v)
{
    const auto i = static_cast<std::size_t>(v);
    return i < s.Etichette.size() ? s.Etichette[i] : std::to_string(v);
}

double MassimoValori(const TGraficoBarre& g)
{
    double m = 0;
    for (const auto& i : g.Insiemi)
        for (double v : i.Valori) m = std::max(m, v);
    return m;
}

std::int32_t FrequenzaDi(const T_FrequenzeRitardi& t, int misura, int v)
{
    return v <= t.ValoreMassimo() ? t.Elemento(misura == 0, v).Frequenza : 0;
}

int ValoriColonnari(const T_SerieAnalisi& s)
{
    int n = static_cast<int>(s.Etichette.size());
    for (const T_FrequenzeRitardi* t : {&s.Integr, &s.CondS, &s.Condiz})
        n = std::max(n, t->ValoreMassimo() + 1);
    return n;
}

const T_SerieAnalisi* Serie(const T_Analisi& a, int serie)
{
    return serie >= 0 && serie < a.NumeroSerie() ? &a.Serie[static_cast<std::size_t>(serie)] : nullptr;
}

}  // namespace

TGraficoBarre GraficoColonnare(const T_Analisi& analisi, int serie, int misura, bool percentuali, bool zoom)
{
    TGraficoBarre g;
    const T_SerieAnalisi* s = Serie(analisi, serie);
    const double totale = static_cast<double>(analisi.ColonneEsaminate);
    if (s) {
        const int n = ValoriColonnari(*s);
        g.Insiemi = {{NomeIntegr, {}}, {NomeCondS, {}}, {NomeCondiz, {}}};
        const T_FrequenzeRitardi* tabelle[3] = {&s->Integr, &s->CondS, &s->Condiz};
        for (int v = 0; v < n; ++v) {
            g.Etichette.push_back(Etichetta(*s, v));
            for (int k = 0; k < 3; ++k) {
                const double f = FrequenzaDi(*tabelle[k], misura, v);
                g.Insiemi[static_cast<std::size_t>(k)].Valori.push_back(percentuali ? Quota(f, totale) : f);
            }
        }
    }
    g.Scala = ScalaGrafico(MassimoValori(g), totale, percentuali, zoom);
    return g;
}

TTabellaTesto TabellaColonnare(const T_Analisi& analisi, int serie, int misura, bool percentuali)
{
    TTabellaTesto t;
    t.Intestazioni = {"Valore", NomeIntegr, NomeCondS, NomeCondiz};
    const TGraficoBarre g = GraficoColonnare(analisi, serie, misura, percentuali, false);
    for (std::size_t v = 0; v < g.Etichette.size(); ++v) {
        std::vector<std::string> riga{g.Etichette[v]};
        for (const auto& i : g.Insiemi) riga.push_back(Testo(i.Valori[v], percentuali));
        t.Righe.push_back(std::move(riga));
    }
    return t;
}

TTorteAnalisi TorteAnalisi(const T_Analisi& analisi, int serie, int misura)
{
    TTorteAnalisi t;
    const T_SerieAnalisi* s = Serie(analisi, serie);
    if (!s) return t;
    const T_DerivateSerie d = DerivateSerie(analisi, serie, misura);
    if (!analisi.SoloArchivio && analisi.ColonneEsaminate > 0)
        t.Eliminate = {{"Eliminate", d.Eliminate}, {"Rimaste", 100.0 - d.Eliminate}};
    if (s->Archivio.ConcorsiContati() > 0)
        t.Storica = {{"Vinte", d.FrequenzaStorica}, {"Perse", 100.0 - d.FrequenzaStorica}};
    return t;
}

std::string AvvisoAnalisi(const T_Analisi& analisi)
{
    std::vector<std::string> righe;
    const bool senzaConcorsi =
        analisi.Serie.empty() || std::all_of(analisi.Serie.begin(), analisi.Serie.end(),
                                             [](const auto& s) { return s.Archivio.ConcorsiContati() == 0; });
    if (senzaConcorsi) righe.push_back(AvvisoNessunConcorso);
    if (!analisi.SoloArchivio) {
        if (!analisi.Completata)
            righe.push_back(AvvisoAnalisiAnnullata);
        else if (analisi.ColonneEsaminate == 0)
            righe.push_back(AvvisoNessunaColonna);
    }
    std::string testo;
    for (const auto& r : righe) testo += (testo.empty() ? "" : "\n") + r;
    return testo;
}

TGraficoBarre GraficoStorico(const T_SerieAnalisi& serie, int misura, bool percentuali, bool zoom)
{
    TGraficoBarre g;
    const T_FrequenzeRitardi& t = serie.Archivio;
    const double contati = t.ConcorsiContati();
    g.Insiemi = {{misura == 0 ? "Pres." : "Cons.", {}}};
    const int n = std::max<int>(t.ValoreMassimo() + 1, static_cast<int>(serie.Etichette.size()));
    for (int v = 0; v < n; ++v) {
        g.Etichette.push_back(Etichetta(serie, v));
        const double f = FrequenzaDi(t, misura, v);
        g.Insiemi[0].Valori.push_back(percentuali ? Quota(f, contati) : f);
    }
    g.Scala = ScalaGrafico(MassimoValori(g), contati, percentuali, zoom);
    return g;
}

TTabellaTesto TabellaFrequenzeStorico(const T_SerieAnalisi& serie, bool percentuali)
{
    TTabellaTesto t;
    t.Intestazioni = {"Valore", ColonnaPoints, ColonnaCons};
    for (const T_RigaStorico& r : RigheStorico(serie, percentuali))
        t.Righe.push_back({r.Etichetta, r.Points, r.Cons});
    return t;
}

TTabellaTesto TabellaRitardiStorico(const T_SerieAnalisi& serie)
{
    TTabellaTesto t;
    t.Intestazioni = {"Valore",
                      ColonnaAttuale,
                      ColonnaMassimo,
                      ColonnaIC,
                      std::string("Cons.") + ColonnaAttuale,
                      std::string("Cons.") + ColonnaMassimo,
                      std::string("Cons.") + ColonnaIC};
    for (const T_RigaStorico& r : RigheStorico(serie, false))
        t.Righe.push_back({r.Etichetta, r.AttualePoints, r.MassimoPoints, r.ICPoints, r.AttualeCons,
                           r.MassimoCons, r.ICCons});
    return t;
}

TTabellaTesto TabellaSegni(const T_StatisticheSegni& st, int segno)
{
    TTabellaTesto t;
    t.Intestazioni = {"Evento", "Freq.",      "Rit. Att.", "Rit. Max.",
                      "   IC",  "Freq. Ann.", "Cs. Att.",  "Cs. Max."};
    if (segno < 0 || segno > 2) return t;
    for (int i = 0; i < NumEvents; ++i) {
        const T_ContatoriSegno& c = st.Eventi[static_cast<std::size_t>(i)][static_cast<std::size_t>(segno)];
        t.Righe.push_back({std::to_string(i + 1), std::to_string(c.Frequenza),
                           std::to_string(c.RitardoAttuale), std::to_string(c.RitardoMassimo),
                           TestoDueDecimali(st.IC(i, segno)), std::to_string(c.FrequenzaAnnuale),
                           std::to_string(c.ConsecutiviAttuali), std::to_string(c.ConsecutiviMassimi)});
    }
    return t;
}

TGraficoBarre GraficoSegni(const T_StatisticheSegni& st, bool zoom)
{
    TGraficoBarre g;
    for (int k = 0; k < 3; ++k) g.Insiemi.push_back({NomiSegni[k], {}});
    for (int i = 0; i < NumEvents; ++i) {
        g.Etichette.push_back(std::to_string(i + 1));
        for (int k = 0; k < 3; ++k)
            g.Insiemi[static_cast<std::size_t>(k)].Valori.push_back(
                st.Eventi[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)].Frequenza);
    }
    g.Scala = ScalaGrafico(MassimoValori(g), st.Concorsi, false, zoom);
    return g;
}

std::string AvvisoSegni(const T_StatisticheSegni& st)
{
    return st.Concorsi == 0 ? AvvisoNessunConcorso : "";
}

TTabellaTesto TabellaSegniColonne(const T_FrequenzeSegniColonne& f, bool percentuali)
{
    TTabellaTesto t;
    t.Intestazioni = {"Evento", NomiSegni[0], NomiSegni[1], NomiSegni[2]};
    for (int i = 0; i < NumEvents; ++i) {
        std::vector<std::string> riga{std::to_string(i + 1)};
        for (int k = 0; k < 3; ++k)
            riga.push_back(
                percentuali
                    ? f.Percentuale(i, k)
                    : std::to_string(f.Conteggi[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)]));
        t.Righe.push_back(std::move(riga));
    }
    return t;
}

TGraficoBarre GraficoSegniColonne(const T_FrequenzeSegniColonne& f, bool percentuali, bool zoom)
{
    TGraficoBarre g;
    for (int k = 0; k < 3; ++k) g.Insiemi.push_back({NomiSegni[k], {}});
    const double totale = static_cast<double>(f.Colonne);
    for (int i = 0; i < NumEvents; ++i) {
        g.Etichette.push_back(std::to_string(i + 1));
        for (int k = 0; k < 3; ++k) {
            const double n =
                static_cast<double>(f.Conteggi[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)]);
            g.Insiemi[static_cast<std::size_t>(k)].Valori.push_back(percentuali ? Quota(n, totale) : n);
        }
    }
    g.Scala = ScalaGrafico(MassimoValori(g), totale, percentuali, zoom);
    return g;
}

TGrigliaStampa GrigliaDiTabella(const TTabellaTesto& tabella)
{
    const int colonne = static_cast<int>(tabella.Intestazioni.size());
    constexpr int AltezzaRiga = 18, PuntiPerCarattere = 7, Margine = 10;
    TGrigliaStampa g(colonne, static_cast<int>(tabella.Righe.size()) + 1, 0, AltezzaRiga);
    for (int c = 0; c < colonne; ++c) {
        std::size_t largo = tabella.Intestazioni[static_cast<std::size_t>(c)].size();
        for (const auto& r : tabella.Righe)
            if (static_cast<std::size_t>(c) < r.size())
                largo = std::max(largo, r[static_cast<std::size_t>(c)].size());
        g.Larghezze[static_cast<std::size_t>(c)] = static_cast<int>(largo) * PuntiPerCarattere + Margine;
        g.Cella(0, c) = tabella.Intestazioni[static_cast<std::size_t>(c)];
    }
    for (std::size_t r = 0; r < tabella.Righe.size(); ++r)
        for (int c = 0; c < colonne && static_cast<std::size_t>(c) < tabella.Righe[r].size(); ++c)
            g.Cella(static_cast<int>(r) + 1, c) = tabella.Righe[r][static_cast<std::size_t>(c)];
    return g;
}

namespace {

std::string Escape(const std::string& s)
{
    std::string e;
    for (char c : s) {
        switch (c) {
            case '&':
                e += "&amp;";
                break;
            case '<':
                e += "&lt;";
                break;
            case '>':
                e += "&gt;";
                break;
            case '"':
                e += "&quot;";
                break;
            default:
                e += c;
        }
    }
    return e;
}

std::string N(double v)
{
    char t[32];
    std::snprintf(t, sizeof t, "%.2f", v);
    return t;
}

const char* const Colori[] = {"#0080ff", "#ff8000", "#20a040", "#a040c0"};

std::string Inizio(int larghezza, int altezza, const std::string& titolo)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           std::to_string(larghezza) + "\" height=\"" + std::to_string(altezza) + "\" viewBox=\"0 0 " +
           std::to_string(larghezza) + " " + std::to_string(altezza) + "\" font-family=\"sans-serif\">\n" +
           "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n<text x=\"" +
           std::to_string(larghezza / 2) + "\" y=\"20\" text-anchor=\"middle\" font-size=\"14\">" +
           Escape(titolo) + "</text>\n";
}

}  // namespace

std::string SvgBarre(const TGraficoBarre& g, const std::string& titolo, int larghezza, int altezza)
{
    std::string s = Inizio(larghezza, altezza, titolo);
    const double x0 = 60, y0 = 40, x1 = larghezza - 20.0, y1 = altezza - 60.0;
    const TScalaGrafico& sc = g.Scala;
    const double campo = sc.Massimo > sc.Minimo ? sc.Massimo - sc.Minimo : 1;
    auto y = [&](double v) {
        return y1 - (std::clamp(v, sc.Minimo, sc.Massimo) - sc.Minimo) / campo * (y1 - y0);
    };
    const int passi = sc.Passo > 0 ? static_cast<int>(std::lround(campo / sc.Passo)) : 1;
    for (int i = 0; i <= std::min(passi, 100); ++i) {
        const double v = sc.Minimo + i * sc.Passo;
        s += "<line x1=\"" + N(x0) + "\" y1=\"" + N(y(v)) + "\" x2=\"" + N(x1) + "\" y2=\"" + N(y(v)) +
             "\" stroke=\"#d0d0d0\"/>\n<text x=\"" + N(x0 - 4) + "\" y=\"" + N(y(v) + 4) +
             "\" text-anchor=\"end\" font-size=\"10\">" + N(v) + "</text>\n";
    }
    const std::size_t n = g.Etichette.size();
    const std::size_t k = std::max<std::size_t>(1, g.Insiemi.size());
    const double gruppo = n > 0 ? (x1 - x0) / static_cast<double>(n) : 0;
    const double barra = gruppo * 0.8 / static_cast<double>(k);
    for (std::size_t v = 0; v < n; ++v) {
        const double xg = x0 + gruppo * static_cast<double>(v) + gruppo * 0.1;
        for (std::size_t i = 0; i < g.Insiemi.size(); ++i) {
            const double valore = v < g.Insiemi[i].Valori.size() ? g.Insiemi[i].Valori[v] : 0.0;
            s += "<rect x=\"" + N(xg + barra * static_cast<double>(i)) + "\" y=\"" + N(y(valore)) +
                 "\" width=\"" + N(barra) + "\" height=\"" + N(y1 - y(valore)) + "\" fill=\"" +
                 Colori[i % 4] + "\"><title>" + Escape(g.Insiemi[i].Nome) + " " + Escape(g.Etichette[v]) +
                 ": " + N(valore) + "</title></rect>\n";
        }
        s += "<text x=\"" + N(xg + gruppo * 0.4) + "\" y=\"" + N(y1 + 14) +
             "\" text-anchor=\"middle\" font-size=\"10\">" + Escape(g.Etichette[v]) + "</text>\n";
    }
    s += "<line x1=\"" + N(x0) + "\" y1=\"" + N(y1) + "\" x2=\"" + N(x1) + "\" y2=\"" + N(y1) +
         "\" stroke=\"black\"/>\n";
    for (std::size_t i = 0; i < g.Insiemi.size(); ++i) {
        const double xl = x0 + 120.0 * static_cast<double>(i);
        s += "<rect x=\"" + N(xl) + "\" y=\"" + N(altezza - 24.0) + "\" width=\"12\" height=\"12\" fill=\"" +
             Colori[i % 4] + "\"/>\n<text x=\"" + N(xl + 16) + "\" y=\"" + N(altezza - 14.0) +
             "\" font-size=\"12\">" + Escape(g.Insiemi[i].Nome) + "</text>\n";
    }
    return s + "</svg>\n";
}

std::string SvgTorta(const std::vector<TFetta>& fette, const std::string& titolo, int larghezza, int altezza)
{
    std::string s = Inizio(larghezza, altezza, titolo);
    const double cx = larghezza / 2.0, cy = (altezza - 30) / 2.0 + 20,
                 r = std::min(larghezza, altezza - 70) / 2.0;
    double totale = 0;
    for (const TFetta& f : fette) totale += std::max(0.0, f.valore);
    if (!(totale > 0)) {
        s += "<circle cx=\"" + N(cx) + "\" cy=\"" + N(cy) + "\" r=\"" + N(r) +
             "\" fill=\"none\" stroke=\"#808080\"/>\n";
        return s + "</svg>\n";
    }
    double angolo = -std::numbers::pi / 2;
    for (std::size_t i = 0; i < fette.size(); ++i) {
        const double quota = std::max(0.0, fette[i].valore) / totale;
        if (quota <= 0) continue;
        const std::string colore = Colori[i % 4];
        if (quota >= 0.999999) {
            s += "<circle cx=\"" + N(cx) + "\" cy=\"" + N(cy) + "\" r=\"" + N(r) + "\" fill=\"" + colore +
                 "\"/>\n";
        } else {
            const double fine = angolo + quota * 2 * std::numbers::pi;
            s += "<path d=\"M" + N(cx) + "," + N(cy) + " L" + N(cx + r * std::cos(angolo)) + "," +
                 N(cy + r * std::sin(angolo)) + " A" + N(r) + "," + N(r) + " 0 " + (quota > 0.5 ? "1" : "0") +
                 ",1 " + N(cx + r * std::cos(fine)) + "," + N(cy + r * std::sin(fine)) + " Z\" fill=\"" +
                 colore + "\"/>\n";
            angolo = fine;
        }
    }
    for (std::size_t i = 0; i < fette.size(); ++i) {
        const double xl = 20.0 + 180.0 * static_cast<double>(i);
        s += "<rect x=\"" + N(xl) + "\" y=\"" + N(altezza - 24.0) + "\" width=\"12\" height=\"12\" fill=\"" +
             Colori[i % 4] + "\"/>\n<text x=\"" + N(xl + 16) + "\" y=\"" + N(altezza - 14.0) +
             "\" font-size=\"12\">" + Escape(fette[i].etichetta) + " " + N(fette[i].valore) + "%</text>\n";
    }
    return s + "</svg>\n";
}

}  // namespace morella
