#include "app/tolvek/anwendung.h"

#include <exception>

#include <QIcon>

#include "app/tolvek/fehleranzeige.h"
#include "app/tolvek/fensterhilfen.h"

namespace tolvek {

Anwendung::Anwendung(int& argc, char** argv, Umgebung& umgebung)
    : QApplication(argc, argv), umgebung_(umgebung) {
    ladebilder();
    setWindowIcon(QIcon(QStringLiteral(":/bilder/tolvek.png")));
}

bool Anwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (...) {
        zeigefehler(umgebung_, activeWindow(), std::current_exception());
        return true;
    }
}

}  // namespace tolvek
