#include "app/tolvek/qtumgebung.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace tolvek {

namespace {

void zeigebox(QMessageBox::Icon symbol, QWidget* fenster, const QString& titel,
              const QString& text) {
    QMessageBox box(symbol, titel, text, QMessageBox::Ok, fenster);
    box.exec();
}

}  // namespace

void QtUmgebung::meldung(QWidget* fenster, const QString& titel, const QString& text) {
    zeigebox(QMessageBox::NoIcon, fenster, titel, text);
}

void QtUmgebung::fehlermeldung(QWidget* fenster, const QString& titel, const QString& text) {
    zeigebox(QMessageBox::Critical, fenster, titel, text);
}

QString QtUmgebung::dateiwahl(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

bool QtUmgebung::druckerwahl(QPrintDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

void QtUmgebung::zeigedatei(const QString& pfad) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}

void QtUmgebung::zeigeadresse(const QUrl& adresse) {
    QDesktopServices::openUrl(adresse);
}

}  // namespace tolvek
