// The main window's handlers: start-up, focus rule, login, menu, output choice, close, and
// the render run behind "Start".
#include "app/tolvek/tform1.h"

#include <exception>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include "app/tolvek/einstellungen.h"
#include "app/tolvek/fehleranzeige.h"
#include "app/tolvek/produkt.h"
#include "app/tolvek/tform30.h"
#include "app/tolvek/umgebung.h"
#include "app/tolvek/zeichensatz.h"
#include "output/druckerausgabe.h"
#include "output/pdfausgabe.h"

namespace tolvek {

TForm1* Form1 = nullptr;

namespace {

// Points druckcanvas at the printer's canvas for the length of a printer run.
class Canvasfeld {
  public:
    Canvasfeld(QPainter*& feld, QPainter& canvas) : feld_(feld) { feld_ = &canvas; }
    ~Canvasfeld() { feld_ = nullptr; }
    Canvasfeld(const Canvasfeld&) = delete;
    Canvasfeld& operator=(const Canvasfeld&) = delete;

  private:
    QPainter*& feld_;
};

}  // namespace

TForm1::TForm1(Umgebung& umgebung, QWidget* parent) : QMainWindow(parent), umgebung_(umgebung) {
    baueauf();
    // Creation runs outside the event loop, where Anwendung::notify cannot catch; an error of
    // the start-up goes to the same display, and the window opens anyway.
    try {
        FormCreate();
    } catch (...) {
        zeigefehler(umgebung_, this, std::current_exception());
    }
}

TForm1::~TForm1() {
    // The print dialog holds the printer, which goes before the children do.
    delete PrintDialog1;
    PrintDialog1 = nullptr;
    if (Form1 == this) {
        Form1 = nullptr;
    }
}

void TForm1::FormCreate() {
    PageControl1->tabBar()->hide();
    TabSheet2->hide();

    if (const auto name = leseeinstellung()) {
        bearbeiter = *name;
        Edit1->setText(cp1252toqstring(bearbeiter));
    }

    GroupBox1->move(416, 80);
    GroupBox1->show();
    PageControl1->setCurrentWidget(TabSheet1);
    TabSheet1->show();
}

void TForm1::FormActivate() {
    if (PageControl1->currentWidget() == TabSheet1) {
        Edit1->setFocus(Qt::ActiveWindowFocusReason);
    }
}

void TForm1::FormClose() {
    // A failed save changes nothing: the window closes and the program ends all the same.
    schreibeeinstellung(bearbeiter);
}

void TForm1::BitBtn1Click() {
    bearbeiter = utf16tocp1252(Edit1->text());
    if (bearbeiter.empty()) {
        umgebung_.meldung(this, anwendungstitel(), QStringLiteral("Bitte Bearbeiter eingeben"));
        Edit1->setFocus(Qt::OtherFocusReason);
        return;
    }
    projekte1->setEnabled(true);
    GroupBox1->hide();
    TabSheet1->hide();
    PageControl1->setCurrentWidget(TabSheet2);
    TabSheet2->show();
    // No control takes the focus: Enter does nothing until the user picks a control.
    if (QWidget* fokus = focusWidget()) {
        fokus->clearFocus();
    }
}

void TForm1::projekte1Click() {
    TabSheet1->hide();
    PageControl1->setCurrentWidget(TabSheet2);
    TabSheet2->show();
}

void TForm1::Gesamtdoku1Click() {
    // The documentation entry has no action of its own.
}

void TForm1::Ende1Click() {
    close();
}

void TForm1::RadioButton1Click() {
    Label5->hide();
}

void TForm1::RadioButton2Click() {
    Label5->setVisible(RadioButton2->isChecked());
}

void TForm1::Button3Click() {
    const QString gewaehlt = umgebung_.dateiwahl(*OpenDialog1);
    if (gewaehlt.isEmpty()) {
        return;
    }
    // The PDF and, at close, the settings file go into the chosen e-invoice's folder.
    QDir::setCurrent(QFileInfo(gewaehlt).absolutePath());

    const bool drucken = RadioButton1->isChecked();
    if (drucken && !umgebung_.druckerwahl(druckdialog())) {
        return;
    }
    const Text pfad = QFile::encodeName(gewaehlt).toStdString();
    const bool langtext = CheckBox1->isChecked();
    if (drucken) {
        DruckerAusgabe ausgabe(*drucker_);
        Canvasfeld canvas(druckcanvas, ausgabe.druckcanvas());
        rendere(*this, pfad, langtext, ausgabe);
        return;
    }
    PdfAusgabe ausgabe(pdf);
    const Text pdfpfad = rendere(*this, pfad, langtext, ausgabe);
    if (!pdfpfad.empty()) {
        umgebung_.zeigedatei(
            QFileInfo(QFile::decodeName(QByteArray::fromStdString(pdfpfad))).absoluteFilePath());
    }
}

void TForm1::TolvekimInternet1Click() {
    umgebung_.zeigeadresse(QUrl(QString::fromLatin1(webadresse)));
}

void TForm1::berTolvek1Click() {
    if (Form30 == nullptr) {
        // Only when the entry did not create it: it then ends with the main window.
        Form30 = new TForm30(this);
    }
    Form30->show();
    Form30->raise();
    Form30->activateWindow();
}

QPrintDialog& TForm1::druckdialog() {
    if (PrintDialog1 == nullptr) {
        drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        PrintDialog1 = new QPrintDialog(drucker_.get(), this);
        PrintDialog1->setObjectName(QStringLiteral("PrintDialog1"));
    }
    return *PrintDialog1;
}

void TForm1::changeEvent(QEvent* ereignis) {
    QMainWindow::changeEvent(ereignis);
    if (ereignis->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
}

void TForm1::closeEvent(QCloseEvent* ereignis) {
    FormClose();
    QMainWindow::closeEvent(ereignis);
}

void TForm1::keyPressEvent(QKeyEvent* ereignis) {
    // Enter that no control took clicks the default button while it can be clicked.
    const bool enter = ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter;
    const bool ohne = (ereignis->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && ohne && BitBtn1->isVisible() && BitBtn1->isEnabled()) {
        BitBtn1->click();
        return;
    }
    QMainWindow::keyPressEvent(ereignis);
}

}  // namespace tolvek
