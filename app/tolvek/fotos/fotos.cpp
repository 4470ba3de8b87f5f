// Photographs the windows for the README: the login page, the invoice page and the about
// window, as the program shows them. Run under an X server, for example
//   xvfb-run -s "-screen 0 1024x768x24" tolvek-fotos docs/images
// The program itself reads no arguments, so this is a tool of its own; it builds the same
// windows from the same library and works in a temporary folder, so the settings file it
// writes at close goes nowhere else.
#include <cstdio>

#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>

#include "app/tolvek/anwendung.h"
#include "app/tolvek/fenster.h"
#include "app/tolvek/qtumgebung.h"

namespace {

// Lets the window system map and paint what was just shown.
void warte(int ms) {
    QDeadlineTimer ende(ms);
    while (!ende.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

bool fotografiere(QWidget& fenster, const QString& pfad) {
    warte(700);
    QPixmap bild;
    if (QScreen* schirm = fenster.screen()) {
        bild = schirm->grabWindow(fenster.winId());
    }
    if (bild.isNull()) {
        bild = fenster.grab();
    }
    if (!bild.save(pfad, "PNG")) {
        std::fprintf(stderr, "tolvek-fotos: %s konnte nicht geschrieben werden\n",
                     qPrintable(pfad));
        return false;
    }
    std::printf("%s\n", qPrintable(pfad));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: tolvek-fotos ORDNER\n");
        return 2;
    }
    const QString ziel = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    int qtargc = 1;
    tolvek::QtUmgebung umgebung;
    tolvek::Anwendung anwendung(qtargc, argv, umgebung);

    QTemporaryDir arbeitsordner;
    QDir::setCurrent(arbeitsordner.path());

    tolvek::Fenster fenster(umgebung);
    fenster.zeige();
    tolvek::TForm1& form1 = fenster.form1;
    form1.Edit1->setText(QStringLiteral("M. Mustermann"));
    bool gut = fotografiere(form1, ziel + QStringLiteral("/login.png"));

    form1.BitBtn1->click();
    gut = fotografiere(form1, ziel + QStringLiteral("/rechnung.png")) && gut;

    form1.berTolvek1Click();
    gut = fotografiere(fenster.form30, ziel + QStringLiteral("/ueber.png")) && gut;

    form1.close();
    return gut ? 0 : 1;
}
