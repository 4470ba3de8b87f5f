#include "app/tolvek/fehleranzeige.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include "app/tolvek/umgebung.h"
#include "text/clear.h"

namespace tolvek {

QString fehlertext(const std::string& meldung) {
    std::string mitpunkt = meldung;
    if (!mitpunkt.empty() && static_cast<unsigned char>(mitpunkt.back()) > '.') {
        mitpunkt += '.';
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(mitpunkt.data(), static_cast<qsizetype>(mitpunkt.size())));
    if (!utf8.hasError()) {
        return text;
    }
    return QString::fromStdU16String(cp1252toutf16(mitpunkt));
}

QString anwendungstitel() {
    return QCoreApplication::applicationName();
}

void zeigefehler(Umgebung& umgebung, QWidget* fenster, std::exception_ptr fehler) {
    std::string meldung;
    try {
        std::rethrow_exception(fehler);
    } catch (const std::exception& e) {
        meldung = e.what();
    } catch (...) {
        meldung = "Unbekannter Fehler";
    }
    umgebung.fehlermeldung(fenster, anwendungstitel(), fehlertext(meldung));
}

}  // namespace tolvek
