#pragma once
// The main window Form1: the login page, the invoice page with "Start", the output choice and
// the long-text option, the menu, and the settings file at start and close. The window also
// carries the fields a render run shares (Hauptfelder: dateiname, blocknr, wertnr).

#include <memory>

#include <QMainWindow>

#include "layout/renderlauf.h"
#include "output/tpdf.h"
#include "text/text.h"

class QAction;
class QCheckBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPainter;
class QPrintDialog;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tolvek {

class Umgebung;

class TForm1 : public QMainWindow, public Hauptfelder {
    Q_OBJECT

  public:
    // Builds the window and runs FormCreate; an error there goes to the error display and
    // leaves the window in the interrupted state (no page visible).
    explicit TForm1(Umgebung& umgebung, QWidget* parent = nullptr);
    ~TForm1() override;

    // The operator name: loaded at start, set by every login confirmation, saved at close.
    Text bearbeiter;
    // The PDF library instance: created by the first PDF placement, kept until the end.
    std::unique_ptr<TPDF> pdf;
    // The printer's canvas while a printer run is in progress, otherwise none.
    QPainter* druckcanvas = nullptr;

    QMenuBar* MainMenu1;
    QAction* projekte1;
    QMenu* Dokumentation1;
    QAction* Gesamtdoku1;
    QAction* TolvekimInternet1;
    QAction* berTolvek1;
    QAction* Ende1;

    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QLabel* Label4;
    QLabel* Image1;
    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Edit1;
    QPushButton* BitBtn1;

    QWidget* TabSheet2;
    QGroupBox* GroupBox3;
    QPushButton* Button3;
    QGroupBox* GroupBox4;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton1;
    QCheckBox* CheckBox1;
    QLabel* Label5;

    QFileDialog* OpenDialog1;
    // Made on the first printer run: building it asks the print system for its printers.
    QPrintDialog* PrintDialog1 = nullptr;

    void FormCreate();
    void FormActivate();
    void FormClose();
    void BitBtn1Click();
    void projekte1Click();
    void Gesamtdoku1Click();
    void Ende1Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void Button3Click();
    void TolvekimInternet1Click();
    void berTolvek1Click();

  protected:
    void changeEvent(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;

  private:
    void baueauf();  // the components, their looks and their connections
    void baueloginseite();
    void baurechnungsseite();
    void bauemenue();
    QPrintDialog& druckdialog();

    Umgebung& umgebung_;
    std::unique_ptr<QPrinter> drucker_;
    bool startgeplant_ = false;
};

// The main window; the program entry creates it first. Reset when that window is destroyed.
extern TForm1* Form1;

}  // namespace tolvek
