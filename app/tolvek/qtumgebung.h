#pragma once
// The desktop as the program meets it: Qt's message boxes and dialogs, and the desktop's
// default applications through QDesktopServices (no shell; the path or address is one
// argument).

#include "app/tolvek/umgebung.h"

namespace tolvek {

class QtUmgebung final : public Umgebung {
  public:
    void meldung(QWidget* fenster, const QString& titel, const QString& text) override;
    void fehlermeldung(QWidget* fenster, const QString& titel, const QString& text) override;
    QString dateiwahl(QFileDialog& dialog) override;
    bool druckerwahl(QPrintDialog& dialog) override;
    void zeigedatei(const QString& pfad) override;
    void zeigeadresse(const QUrl& adresse) override;
};

}  // namespace tolvek
