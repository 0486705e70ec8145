// Writes lumentor-cli's manual page (roff, UTF-8) to standard output from the
// same table as the program's --help (HelpTable.cpp). Run at build time; not
// part of lumentor-cli itself.
#include "HelpTable.h"

#include <cstdio>
#include <string>

namespace
{

// Text safe inside roff: backslashes and minus signs escaped, a break point
// after each bar, and no line starting with a control character.
std::string Roff(const char *Text)
{
    std::string S;
    for (const char *C = Text; *C; ++C) {
        if (*C == '\\')
            S += "\\e";
        else if (*C == '-')
            S += "\\-";
        else if (*C == '|')
            S += "|\\:"; // a long list of choices may break after each bar
        else
            S += *C;
    }
    if (!S.empty() && (S[0] == '.' || S[0] == '\''))
        S = "\\&" + S;
    return S;
}

void Line(const std::string &S)
{
    std::fputs(S.c_str(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

int main(int argc, char **argv)
{
    const char *Version = argc > 1 ? argv[1] : "";
    Line(std::string(".TH LUMENTOR-CLI 1 \"\" \"Lumentor ") + Version + "\" \"Brugerkommandoer\"");
    Line(".SH NAVN");
    Line("lumentor-cli \\- Lumentors rutiner uden vinduer");
    Line(".SH SYNOPSIS");
    for (const tCommandHelp &C : CommandHelps())
        for (const char *Usage : C.Usages) {
            Line(".B lumentor-cli");
            Line(Roff(Usage));
            Line(".br");
        }
    Line(".B lumentor-cli");
    Line("[\\fIKOMMANDO\\fR] \\-\\-help");
    Line(".SH BESKRIVELSE");
    Line(".B lumentor-cli");
    Line("læser og skriver Lumentors datafiler (endelsen");
    Line(".BR .lmt )");
    Line("og beskriver data med de samme rutiner som");
    Line(".BR lumentor (1),");
    Line("men uden vinduer og uden skærm. Uddata er UTF\\-8\\-tekst; fejlbeskeder skrives på dansk "
         "på standardfejl.");
    Line(".PP");
    Line(".B lumentor-cli \\-\\-help");
    Line("viser alle kommandoer og deres tilvalg;");
    Line(".B lumentor-cli");
    Line(".I KOMMANDO");
    Line(".B \\-\\-help");
    Line("viser én kommando.");
    Line(".PP");
    Line(Roff(SeriesHelp));
    Line(".PP");
    Line(Roff(KindHelp));
    Line(".SH KOMMANDOER");
    for (const tCommandHelp &C : CommandHelps()) {
        Line(std::string(".SS ") + C.Name);
        Line(".nf");
        for (const char *Usage : C.Usages)
            Line("\\fBlumentor-cli\\fR " + Roff(Usage));
        Line(".fi");
        Line(".PP");
        Line(Roff(C.Text));
        for (const tOptionHelp &O : C.Options) {
            Line(".TP");
            Line("\\fB" + Roff(O.Option) + "\\fR");
            Line(Roff(O.Text));
        }
    }
    Line(".SH AFSLUTNINGSSTATUS");
    Line(Roff(ExitHelp));
    Line(".SH EKSEMPLER");
    Line(".nf");
    Line("lumentor\\-cli info /usr/share/lumentor/examples/hoejder.lmt");
    Line("lumentor\\-cli print klasse.lmt \\-\\-col A \\-\\-kind tabel \\-\\-name \"Klasse 7b\" "
         "\\-o tabel.pdf");
    Line(".fi");
    Line(".SH SE OGSÅ");
    Line(".BR lumentor (1)");
    return std::fflush(stdout) == 0 ? 0 : 1;
}
