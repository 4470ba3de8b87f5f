// "Start" end to end: the dialogs answered by the test, a real render into the chosen
// invoice's folder, the viewer call recorded instead of started, and the error display for a
// run that fails.
#include <ostream>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/tolvek/fehleranzeige.h"
#include "tests/app/fenstertest.h"

namespace {

const char* const beleg = "Beleg-TK-2025-017.pdf";

class Start : public Fenstertest {
  protected:
    // The invoice fixture copied into a folder of its own below the test folder.
    QString legerechnungab(const QString& unterordner) {
        EXPECT_TRUE(QDir(pfad(QString())).mkpath(unterordner));
        const QString ziel = QDir(pfad(unterordner)).filePath(QStringLiteral("rechnung.xml"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(TOLVEK_APP_FIXTURES "/rechnung.xml"), ziel));
        return ziel;
    }

    // Presses Start as the user does and waits until the run, which the click queues, is over:
    // it has asked for the file by then, and it runs to its end in one call.
    void druecke() {
        const std::size_t vorher = umgebung.dateidialoge.size();
        QTest::mouseClick(form1->Button3, Qt::LeftButton);
        QDeadlineTimer frist(5000);
        while (umgebung.dateidialoge.size() == vorher && !frist.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        ASSERT_GT(umgebung.dateidialoge.size(), vorher) << "Start ran no render run";
    }

    static bool istpdf(const QString& datei) {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-" && f.size() > 1000;
    }
};

TEST_F(Start, PdfLandetImOrdnerDerRechnungUndWirdImBetrachterGeoeffnet) {
    const QString rechnung = legerechnungab(QStringLiteral("eingang/maerz"));
    const QString ordner = QFileInfo(rechnung).absolutePath();
    auto& f = starte();
    melde(QStringLiteral("Anna"));
    umgebung.dateiantworten = {rechnung};
    druecke();

    ASSERT_EQ(umgebung.dateidialoge.size(), 1u);
    const auto& dialog = umgebung.dateidialoge[0];
    EXPECT_EQ(dialog.titel, QStringLiteral("Bitte E-Rechnung auswählen"));
    EXPECT_EQ(dialog.filter, QStringList{QStringLiteral("E-Rechnung (*.xml)")});
    EXPECT_EQ(dialog.suffix, QStringLiteral("xml"));
    EXPECT_EQ(dialog.modus, QFileDialog::AnyFile);  // a typed name need not exist
    EXPECT_EQ(dialog.art, QFileDialog::AcceptOpen);
    EXPECT_EQ(umgebung.druckdialoge, 0);
    EXPECT_TRUE(umgebung.boxen.empty());

    EXPECT_EQ(QDir::currentPath(), ordner);
    const QString pdf = QDir(ordner).filePath(QString::fromLatin1(beleg));
    EXPECT_TRUE(istpdf(pdf));
    EXPECT_FALSE(QFile::exists(pfad(QString::fromLatin1(beleg))));
    EXPECT_EQ(umgebung.geoeffnet, std::vector<QString>{pdf});
    EXPECT_EQ(f.dateiname, beleg);
    EXPECT_NE(f.pdf, nullptr);

    // The close writes the settings file into the invoice's folder, not the start folder.
    f.close();
    EXPECT_EQ(lies(QStringLiteral("eingang/maerz/tolvek1.ini")), "Anna\r\n");
    EXPECT_FALSE(QFile::exists(pfad("tolvek1.ini")));
}

// Printer output: the print dialog follows the file choice, the pages go to the chosen
// printer, no PDF is placed beside the invoice and no viewer is started.
TEST_F(Start, DruckerausgabeGehtAnDenGewaehltenDrucker) {
    const QString rechnung = legerechnungab(QStringLiteral("eingang"));
    const QString druck = pfad(QStringLiteral("druck.pdf"));
    auto& f = starte();
    melde(QStringLiteral("Anna"));
    waehle(f.RadioButton1);
    umgebung.dateiantworten = {rechnung};
    umgebung.druckantworten = {druck};
    druecke();

    EXPECT_EQ(umgebung.druckdialoge, 1);
    EXPECT_TRUE(umgebung.boxen.empty());
    EXPECT_TRUE(istpdf(druck));
    EXPECT_FALSE(QFile::exists(QDir(pfad("eingang")).filePath(QString::fromLatin1(beleg))));
    EXPECT_TRUE(umgebung.geoeffnet.empty());
    EXPECT_EQ(f.druckcanvas, nullptr);  // only during the run
    EXPECT_EQ(f.pdf, nullptr);
}

struct Abbruch {
    const char* name;
    bool drucker;
    bool dateiwaehlen;
};

// The case's name in test listings.
void PrintTo(const Abbruch& fall, std::ostream* aus) {
    *aus << fall.name;
}

class Abbrechen : public Start, public ::testing::WithParamInterface<Abbruch> {};

// Cancelling either dialog ends the run: nothing read, nothing placed, no viewer.
TEST_P(Abbrechen, AbbruchEinesDialogsLegtNichtsAb) {
    const auto& fall = GetParam();
    const QString rechnung = legerechnungab(QStringLiteral("eingang"));
    auto& f = starte();
    melde(QStringLiteral("Anna"));
    if (fall.drucker) {
        waehle(f.RadioButton1);
    }
    if (fall.dateiwaehlen) {
        umgebung.dateiantworten = {rechnung};
    }
    druecke();

    EXPECT_EQ(umgebung.druckdialoge, fall.drucker && fall.dateiwaehlen ? 1 : 0);
    EXPECT_TRUE(umgebung.boxen.empty());
    EXPECT_TRUE(umgebung.geoeffnet.empty());
    EXPECT_TRUE(f.dateiname.empty());
    EXPECT_EQ(f.pdf, nullptr);
    EXPECT_EQ(QDir(pfad("eingang")).entryList(QDir::Files),
              QStringList{QStringLiteral("rechnung.xml")});
    // A confirmed file choice has moved the current directory even so.
    EXPECT_EQ(QDir::currentPath(), fall.dateiwaehlen ? QFileInfo(rechnung).absolutePath()
                                                     : QDir(pfad(QString())).absolutePath());
}

INSTANTIATE_TEST_SUITE_P(Faelle, Abbrechen,
                         ::testing::Values(Abbruch{"Dateiauswahl_PDF", false, false},
                                           Abbruch{"Dateiauswahl_Drucker", true, false},
                                           Abbruch{"Druckauswahl", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// An error leaves the run and reaches the application's error display; the window then goes on
// working, and the next run succeeds.
TEST_F(Start, FehlendeDateiZeigtDenDateifehlerUndDasFensterArbeitetWeiter) {
    const QString rechnung = legerechnungab(QStringLiteral("eingang"));
    auto& f = starte();
    melde(QStringLiteral("Anna"));
    const QString fehlt = QDir(pfad("eingang")).filePath(QStringLiteral("fehlt.xml"));
    umgebung.dateiantworten = {fehlt};
    druecke();

    ASSERT_EQ(umgebung.boxen.size(), 1u);
    EXPECT_TRUE(umgebung.boxen[0].fehler);
    EXPECT_EQ(umgebung.boxen[0].titel,
              QFileInfo(QCoreApplication::applicationFilePath()).baseName());
    EXPECT_EQ(umgebung.boxen[0].text, QStringLiteral("Datei nicht gefunden."));
    EXPECT_EQ(QDir::currentPath(), QFileInfo(fehlt).absolutePath());
    EXPECT_EQ(f.dateiname, QFile::encodeName(fehlt).toStdString());
    EXPECT_TRUE(umgebung.geoeffnet.empty());
    EXPECT_TRUE(f.isVisible());

    // The window keeps working: the output choice still acts, and the next run succeeds.
    waehle(f.RadioButton1);
    EXPECT_FALSE(f.Label5->isVisible());
    waehle(f.RadioButton2);
    umgebung.dateiantworten = {rechnung};
    druecke();
    EXPECT_EQ(umgebung.boxen.size(), 1u);
    const QString pdf = QDir(pfad("eingang")).filePath(QString::fromLatin1(beleg));
    EXPECT_TRUE(istpdf(pdf));
    EXPECT_EQ(umgebung.geoeffnet, std::vector<QString>{pdf});
}

// Enter does nothing right after the login; once the user has moved the focus onto Start,
// Enter presses it.
TEST_F(Start, EnterDruecktDenFokussiertenStartknopf) {
    auto& f = starte();
    melde(QStringLiteral("Anna"));
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(umgebung.dateidialoge.empty());

    f.Button3->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.Button3, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(umgebung.dateidialoge.size(), 1u);
}

// Two clicks before the queued run begins start one run, not two nested ones.
TEST_F(Start, DoppelklickStartetEinenLauf) {
    auto& f = starte();
    melde(QStringLiteral("Anna"));
    QTest::mouseClick(f.Button3, Qt::LeftButton);
    QTest::mouseClick(f.Button3, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(umgebung.dateidialoge.size(), 1u);
}

}  // namespace
