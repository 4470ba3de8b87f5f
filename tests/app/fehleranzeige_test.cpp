// The error display: the text it shows, and that an error leaving any event handler is caught
// by the application object, shown, and the event loop goes on.
#include <string>

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include "app/tolvek/fehleranzeige.h"
#include "tests/app/testumgebung.h"
#include "text/fehler.h"

namespace {

struct Textfall {
    const char* name;
    std::string meldung;
    QString angezeigt;
};

TEST(Fehlertext, PunktNurWennDasLetzteByteNachDemPunktSortiert) {
    const Textfall faelle[] = {
        {"Buchstabe", "Datei nicht gefunden", QStringLiteral("Datei nicht gefunden.")},
        {"Ziffer", "E/A-Fehler 13", QStringLiteral("E/A-Fehler 13.")},
        {"Schraegstrich (0x2F)", "Pfad/", QStringLiteral("Pfad/.")},
        {"Punkt", "Ende.", QStringLiteral("Ende.")},
        {"Minus (0x2D)", "Wert -", QStringLiteral("Wert -")},
        {"Ausrufezeichen", "Out of memory!", QStringLiteral("Out of memory!")},
        {"Anfuehrung", "Error loading function: \"pdfEndPage\"",
         QStringLiteral("Error loading function: \"pdfEndPage\"")},
        {"leer", "", QString()},
        {"UTF-8", "'1,2x' ist kein gültiger Gleitkommawert",
         QStringLiteral("'1,2x' ist kein gültiger Gleitkommawert.")},
        // A conversion message quoting Windows-1252 bytes from an invoice.
        {"Windows-1252",
         "'M\xfc"
         "ll' ist kein g\xc3\xbcltiger Gleitkommawert",
         QStringLiteral("'Müll' ist kein gÃ¼ltiger Gleitkommawert.")},
        {"Windows-1252 am Ende", "Gr\xfc", QStringLiteral("Grü.")},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        EXPECT_EQ(tolvek::fehlertext(fall.meldung), fall.angezeigt);
    }
}

// Throws what it is told to from its event handler.
class Werfer : public QObject {
  public:
    int behandelt = 0;
    bool fremd = false;

  protected:
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) {
            return QObject::event(e);
        }
        ++behandelt;
        if (behandelt == 1) {
            throw tolvek::EInOutError(2);
        }
        if (fremd) {
            throw 42;
        }
        return true;
    }
};

TEST(Fehleranzeige, FehlerAusEinemHandlerWirdAngezeigtUndDieSchleifeLaeuftWeiter) {
    auto& umgebung = testumgebung();
    umgebung.leere();
    Werfer werfer;
    QCoreApplication::postEvent(&werfer, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&werfer, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    EXPECT_EQ(werfer.behandelt, 2);  // the event after the failing one is still delivered
    ASSERT_EQ(umgebung.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.boxen[0].fehler);
    EXPECT_EQ(umgebung.boxen[0].titel, QCoreApplication::applicationName());
    EXPECT_EQ(umgebung.boxen[0].text, QStringLiteral("Datei nicht gefunden."));

    // Something that is no std::exception is shown too, instead of ending the program.
    werfer.fremd = true;
    QCoreApplication::postEvent(&werfer, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    ASSERT_EQ(umgebung.boxen.size(), 2u);
    EXPECT_EQ(umgebung.boxen[1].text, QStringLiteral("Unbekannter Fehler."));
}

}  // namespace
