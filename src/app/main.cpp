#include "app/application.h"
#include "app/batch.h"
#include "shell/ondemand.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

const char usage[] = "Uso: tremora [FILE]\n"
                     "\n"
                     "Analisi sismica statica e dinamica degli edifici in muratura e intelaiati\n"
                     "(D.M. 19/06/1984), con la relazione di calcolo.\n"
                     "\n"
                     "  FILE                 apre una relazione (.txt) o i dati di un edificio\n"
                     "                       (.tremora)\n"
                     "  -h, --help           mostra questo aiuto ed esce\n"
                     "  -v, --version        mostra la versione ed esce\n"
                     "  --controlla-guida    dice dove si trova la guida del programma ed esce\n"
                     "                       (codice di uscita 1 se non la trova)\n"
                     "  --relazione FILE.tremora -o USCITA.pdf|USCITA.odt\n"
                     "                       scrive la relazione di calcolo dell'edificio in\n"
                     "                       PDF o ODT, senza aprire finestre\n"
                     "  --risultati FILE.tremora\n"
                     "                       scrive in JSON sull'uscita standard ogni grandezza\n"
                     "                       calcolata (chiave, valore, unità)\n"
                     "\n"
                     "Codici di uscita di --relazione e --risultati: 0 se riuscito, 2 se il file\n"
                     "non si può leggere o scrivere (il motivo sull'errore standard).\n";

// Whether the help collection is where the program looks for it; for installers and CI.
int checkHelp(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QString file;
    const int status = ondemand::checkHelp(&file);
    if (status != 0)
        std::fprintf(stderr, "Guida non trovata: %s\n", qPrintable(file));
    else
        std::printf("Guida: %s\n", qPrintable(file));
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    // The options that only inform are answered without opening a window.
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "-h") || !std::strcmp(argv[i], "--help")) {
            std::fputs(usage, stdout);
            return 0;
        }
        if (!std::strcmp(argv[i], "-v") || !std::strcmp(argv[i], "--version")) {
            std::printf("Tremora %s\n", TREMORA_VERSION);
            return 0;
        }
        if (!std::strcmp(argv[i], "--controlla-guida"))
            return checkHelp(argc, argv);
    }
    if (batch::wanted(argc, argv))
        return batch::run(argc, argv);
    return runApplication(argc, argv);
}
