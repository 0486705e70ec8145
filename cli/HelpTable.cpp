#include "HelpTable.h"

#include "Series.h"

#include <cstring>

// The series options shared by describe, print and render.
#define LUMEN_SERIES_OPTIONS                                                                       \
    {"--col A", "Observationskolonne A (A til Z); grupperet, når kolonnen har en gruppering."},    \
        {"--line N", "Observationslinje N (fra 1)."},                                              \
        {"--hyp N", "Hyppighedskolonne N (1 til 8)."},                                             \
    {                                                                                              \
        "--grup N", "Grupperingskolonne N (1 til 8)."                                              \
    }

const char *const SeriesHelp =
    "SERIE er --col A, --line N, --hyp N eller --grup N. Samme slags kan gentages (fx --col A "
    "--col C) for de beskrivelser, der bruger flere serier: datapinde og datakurve (op til seks), "
    "krydstabel, krydsdiagram, regression, residualplot, maerketal og chitest for to variable "
    "(præcis to --col); chitest også for en eller to --hyp.";

const char *const KindHelp =
    "SLAGS er en af " LUMEN_KIND_USAGE ". Den grupperede form tegnes, når serien er grupperet.";

const char *const ExitHelp =
    "0 når kommandoen lykkes; 1 når en fil ikke kan læses eller skrives, eller data ikke kan "
    "beskrives (en dansk besked på standardfejl); 2 ved forkert brug (et ukendt eller manglende "
    "tilvalg: et ukendt tilvalg nævnes sammen med kommandoens brug).";

const std::vector<tCommandHelp> &CommandHelps()
{
    static const std::vector<tCommandHelp> Table = {
        {"convert",
         {"convert IND.lmt UD.lmt"},
         "Læser en datafil (version 1 eller 2) og gemmer den som version 2. Går det galt, er "
         "UD.lmt som før (eller findes ikke).",
         {}},
        {"describe",
         {"describe FIL.lmt SERIE --table|--keys|--boxplot|--histogram|--normalplot",
          "describe FIL.lmt --col A --col B --crosstable|--pairkeys|--regression|--chitest",
          "describe FIL.lmt --hyp N [--hyp M] --chitest"},
         "Skriver den tekst, som \"Kopiér til klippebord\" lægger på klippebordet for én "
         "beskrivelse, med CR LF efter hver linje.",
         {LUMEN_SERIES_OPTIONS,
          {"--table", "Hyppighedstabellen (\"Tabel\")."},
          {"--keys", "Mærketallene (\"Mærketal\")."},
          {"--crosstable", "De to kolonners krydstabel (\"Krydstabel\"), grupperet når begge "
                           "kolonner er grupperede."},
          {"--pairkeys", "De to kolonners fælles mærketal (kovarians, korrelation og "
                         "regressionslinje)."},
          {"--regression", "De tre regressionsmodeller (\"Regression\"): lineær y = a·x + b, "
                           "eksponentiel y = b·a^x og potens y = b·x^a, hver med ligning, a, b, "
                           "r² og antal par; udeladte par (y ≤ 0, x ≤ 0) tælles."},
          {"--boxplot", "Boksplottets fem tal (\"Boksplot\"): for hver serie (op til seks --col "
                        "eller én --line) navnet med mindsteværdi, kvartiler, median og "
                        "størsteværdi."},
          {"--histogram", "Histogrammets søjler (\"Histogram\") for én grupperet serie: hvert "
                          "intervals grænser, frekvens i % og søjlens højde."},
          {"--chitest", "χ²-testen (\"χ²-test\"): med to --col testen for uafhængighed (de "
                        "forventede hyppigheder, χ², frihedsgrader, p-værdi og konklusionen på "
                        "5 %-niveau); med en --hyp testen for fordeling (goodness of fit) mod lige "
                        "store sandsynligheder, med to --hyp mod den anden kolonnes hyppigheder."},
          {"--normalplot", "Normalfordelingsplottets punkter (\"Normalfordelingsplot\"): x, p og "
                           "Φ⁻¹(p) for hvert punkt, så linjens middeltal og standardafvigelse "
                           "(højst 1000000 punkter)."}}},
        {"export",
         {"export FIL.lmt [--names] [--crlf]"},
         "Skriver alle observationer som tabulatorsepareret tekst (\"Alle talsæt\"), én række pr. "
         "linje, som editoren viser cellerne.",
         {{"--names", "Med kolonnenavne i første række og linjenavne i første felt (\"Alle "
                      "talsæt og navne\")."},
          {"--crlf", "Afslutter rækkerne med CR LF som klippebordets tekst; ellers med LF."}}},
        {"import",
         {"import TEKST.txt|FIL.xlsx|FIL.ods|FIL.csv -o FIL.lmt [--sheet N|NAVN]"},
         "Læser en tekstfil eller et regneark som et nyt datasæt af observationer og gemmer det i "
         "FIL.lmt. I en tekstfil adskilles felterne af tabulator eller \";\"; alle linjer skal have "
         "lige mange felter. Et regneark (.xlsx, .ods, .csv med komma eller semikolon) læses fra "
         "det første ark. En første linje eller kolonne med bogstaver giver navnene.",
         {{"-o FIL.lmt", "Datafilen, der skrives."},
          {"--sheet N|NAVN", "Arket, der læses, med nummer (fra 1) eller navn (kun regneark)."}}},
        {"info",
         {"info FIL.lmt"},
         "Skriver hele indholdet af en datafil (version 1 eller 2), én oplysning pr. linje: en "
         "nøgle, en tabulator og værdien. En celle har tre felter: tilstanden (tom, tal, tekst), "
         "teksten som editoren viser den og den gemte værdi (et tal med op til 15 cifre).",
         {}},
        {"print",
         {"print FIL.lmt SERIE --kind SLAGS [--regression] [--model MODEL] [--name NAVN] "
          "[--landscape] -o UD.pdf",
          "print FIL.lmt --data [--name NAVN] [--landscape] -o UD.pdf"},
         "Udskriver én beskrivelse eller hele datasættet til en PDF-fil, som editorernes "
         "\"Udskriv\" udskriver den: A4, margener på 10 mm, samme skrift, layout og antal sider. "
         "Kan beskrivelsen ikke tegnes (\"Fejl i intervaller\", \"Fejl i data-par\"), udskrives "
         "fejlbeskeden, og status er 1.",
         {LUMEN_SERIES_OPTIONS,
          {"--kind SLAGS", "Beskrivelsen, der udskrives."},
          {"--regression", "Krydsdiagrammet med regressionslinjen (kun med --kind krydsdiagram, "
                           "regression eller residualplot)."},
          {"--model MODEL", "Regressionsmodellen: lineaer (standard), eksponentiel eller potens; "
                            "krydsdiagrammets kurve (med --regression) og residualplottets "
                            "model."},
          {"--data", "Hele datasættet som gitter (i stedet for SERIE og --kind)."},
          {"--name NAVN", "Navnet i sidetitlen (\"Tabel - NAVN\"), som i \"Navn på "
                          "udskriften\"."},
          {"--landscape", "Liggende sider (fx til en bred krydstabel)."},
          {"-o UD.pdf", "PDF-filen, der skrives; går det galt, er den som før."}}},
        {"render",
         {"render FIL.lmt SERIE --kind SLAGS [--regression] [--model MODEL] [--size BxH] "
          "[--zoom PROCENT] -o UD.png"},
         "Tegner én beskrivelse i et PNG-billede, som kopiering til klippebordet tegner den. "
         "Intet tegnet skæres af: datapinde og datakurve får den højde, deres rækker skal bruge.",
         {LUMEN_SERIES_OPTIONS,
          {"--kind SLAGS", "Beskrivelsen, der tegnes."},
          {"--regression", "Krydsdiagrammet med regressionslinjen (kun med --kind krydsdiagram, "
                           "regression eller residualplot)."},
          {"--model MODEL", "Regressionsmodellen: lineaer (standard), eksponentiel eller potens; "
                            "krydsdiagrammets kurve (med --regression) og residualplottets "
                            "model."},
          {"--size BxH", "Billedets bredde og højde i punkter (1 til 20000 hver)."},
          {"--zoom PROCENT", "Tegner beskrivelsen forstørret, som en rude vises ved den zoom "
                             "(100 til 300; standard 100): skrift, linjer og mål vokser sammen. "
                             "Uden --size bliver billedet tilsvarende større."},
          {"-o UD.png", "Billedfilen, der skrives."}}},
    };
    return Table;
}

const tCommandHelp *FindCommandHelp(const char *Name)
{
    for (const tCommandHelp &C : CommandHelps())
        if (std::strcmp(C.Name, Name) == 0)
            return &C;
    return nullptr;
}
