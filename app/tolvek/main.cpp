// The program entry: the application object, the main window Form1, the about window Form30
// created hidden, then the event loop until the main window has closed.
#include <QIcon>

#include "app/tolvek/anwendung.h"
#include "app/tolvek/qtumgebung.h"
#include "app/tolvek/tform1.h"
#include "app/tolvek/tform30.h"
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
    tolvek::Anwendung::setWindowIcon(QIcon(QStringLiteral(":/bilder/tolvek.png")));

    tolvek::TForm1 form1(umgebung);
    tolvek::Form1 = &form1;
    tolvek::TForm30 form30;
    tolvek::Form30 = &form30;

    form1.show();
    // Where no window manager activates new windows (a bare X server), ask for it.
    form1.activateWindow();
    return tolvek::Anwendung::exec();
}
