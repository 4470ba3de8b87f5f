#pragma once
// Everything the windows ask of the desktop: message boxes, the file and print dialogs, and
// starting the PDF viewer or the web browser. The program uses QtUmgebung; tests answer
// through their own implementation, so nothing modal ever blocks them.

#include <QString>
#include <QUrl>

class QFileDialog;
class QPrintDialog;
class QWidget;

namespace tolvek {

class Umgebung {
  public:
    virtual ~Umgebung() = default;

    // A plain modal message box with an OK button and no icon.
    virtual void meldung(QWidget* fenster, const QString& titel, const QString& text) = 0;
    // The error display's modal message box: stop icon, OK button.
    virtual void fehlermeldung(QWidget* fenster, const QString& titel, const QString& text) = 0;
    // Runs the configured file dialog; the chosen path, or the empty text when cancelled.
    virtual QString dateiwahl(QFileDialog& dialog) = 0;
    // Runs the print dialog; true when a printer was confirmed (the dialog's printer is set).
    virtual bool druckerwahl(QPrintDialog& dialog) = 0;
    // Opens a file in the desktop's default viewer; the result is not examined.
    virtual void zeigedatei(const QString& pfad) = 0;
    // Opens a web address in the desktop's browser; the result is not examined.
    virtual void zeigeadresse(const QUrl& adresse) = 0;
};

}  // namespace tolvek
