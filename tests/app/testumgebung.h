#pragma once
// The desktop as the window tests see it: every message box is recorded instead of shown, the
// dialogs are answered from scripted answers, and the viewer and browser calls are recorded,
// not started. Nothing modal ever blocks a test.

#include <deque>
#include <optional>
#include <vector>

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "app/tolvek/umgebung.h"

class TestUmgebung final : public tolvek::Umgebung {
  public:
    struct Box {
        bool fehler;  // the error display's box (stop icon) rather than a plain one
        QString titel;
        QString text;
    };
    // How the file dialog was set up when it was run.
    struct Dateidialog {
        QString titel;
        QStringList filter;
        QString suffix;
        QFileDialog::FileMode modus;
        QFileDialog::AcceptMode art;
    };

    std::vector<Box> boxen;
    std::vector<Dateidialog> dateidialoge;
    int druckdialoge = 0;
    std::vector<QString> geoeffnet;  // files handed to the viewer
    std::vector<QUrl> adressen;      // addresses handed to the browser

    // The open dialog's answers in order; an empty text (or none left) cancels.
    std::deque<QString> dateiantworten;
    // The print dialog's answers: a PDF file the chosen "printer" writes to, or nothing to
    // cancel (also when none are left).
    std::deque<std::optional<QString>> druckantworten;

    void leere();

    void meldung(QWidget* fenster, const QString& titel, const QString& text) override;
    void fehlermeldung(QWidget* fenster, const QString& titel, const QString& text) override;
    QString dateiwahl(QFileDialog& dialog) override;
    bool druckerwahl(QPrintDialog& dialog) override;
    void zeigedatei(const QString& pfad) override;
    void zeigeadresse(const QUrl& adresse) override;
};

// The one instance the application object and every window of the tests use.
TestUmgebung& testumgebung();
