// The program entry: the application object, the main window Form1, the about window Form30
// created hidden, then the event loop until the main window has closed.
#include "app/tolvek/anwendung.h"
#include "app/tolvek/fenster.h"
#include "app/tolvek/qtumgebung.h"
#include "text/zahlen.h"

int main(int argc, char** argv) {
    // The program reads no arguments of its own and lets the toolkit see none either: the
    // settings file is its only configuration.
    (void)argc;
    int qtargc = 1;
    char* qtargv[] = {argv[0], nullptr};

    tolvek::readdecimalseparator();
    tolvek::QtUmgebung umgebung;
    tolvek::Anwendung anwendung(qtargc, qtargv, umgebung);

    tolvek::Fenster fenster(umgebung);
    fenster.zeige();
    return tolvek::Anwendung::exec();
}
