// The components of the main window: names, texts, positions and looks at 96 dpi, and which
// handler each event runs.
#include <limits>

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>

#include "app/tolvek/fensterhilfen.h"
#include "app/tolvek/produkt.h"
#include "app/tolvek/tform1.h"

namespace tolvek {

namespace {

template <typename W>
W* benannt(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

const QColor grau(133, 133, 133);
const QColor weiss(255, 255, 255);

}  // namespace

void TForm1::baueauf() {
    ladebilder();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(produktname) + QLatin1Char(' ') +
                   QString::fromLatin1(produktversion));
    resize(679, 545);
    setFont(schrift(schriftsans, 13));  // "System"
    faerbe(this, QPalette::Window, grau);

    bauemenue();

    PageControl1 = benannt(new QTabWidget(this), "PageControl1");
    setCentralWidget(PageControl1);
    baueloginseite();
    baurechnungsseite();
    // As designed, the invoice page is the current one until start-up shows the login page.
    PageControl1->setCurrentWidget(TabSheet2);

    OpenDialog1 = benannt(new QFileDialog(this), "OpenDialog1");
    OpenDialog1->setWindowTitle(QStringLiteral("Bitte E-Rechnung auswählen"));
    OpenDialog1->setNameFilter(QStringLiteral("E-Rechnung (*.xml)"));
    OpenDialog1->setDefaultSuffix(QStringLiteral("xml"));
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name that does not exist is accepted; the run then reports the file error.
    OpenDialog1->setFileMode(QFileDialog::AnyFile);

    if (const QScreen* schirm = QGuiApplication::primaryScreen()) {
        move(schirm->availableGeometry().center() - rect().center());
    }
}

void TForm1::bauemenue() {
    MainMenu1 = benannt(menuBar(), "MainMenu1");
    // The menu stays in the window on desktops that offer a global menu bar.
    MainMenu1->setNativeMenuBar(false);
    projekte1 = benannt(MainMenu1->addAction(QStringLiteral("E-Rechnung")), "projekte1");
    projekte1->setEnabled(false);
    Dokumentation1 = benannt(MainMenu1->addMenu(QStringLiteral("Dokumentation")), "Dokumentation1");
    Gesamtdoku1 =
        benannt(Dokumentation1->addAction(QStringLiteral("Dokumentation")), "Gesamtdoku1");
    TolvekimInternet1 = benannt(Dokumentation1->addAction(QStringLiteral("Tolvek im Internet")),
                                "TolvekimInternet1");
    berTolvek1 = benannt(Dokumentation1->addAction(QStringLiteral("über Tolvek")), "berTolvek1");
    Ende1 = benannt(MainMenu1->addAction(QStringLiteral("Ende")), "Ende1");

    connect(projekte1, &QAction::triggered, this, &TForm1::projekte1Click);
    connect(Gesamtdoku1, &QAction::triggered, this, &TForm1::Gesamtdoku1Click);
    connect(TolvekimInternet1, &QAction::triggered, this, &TForm1::TolvekimInternet1Click);
    connect(berTolvek1, &QAction::triggered, this, &TForm1::berTolvek1Click);
    connect(Ende1, &QAction::triggered, this, &TForm1::Ende1Click);
}

void TForm1::baueloginseite() {
    TabSheet1 = benannt(new QWidget, "TabSheet1");
    TabSheet1->setAutoFillBackground(true);
    PageControl1->addTab(TabSheet1, QStringLiteral("Login"));

    Label4 = benannt(new QLabel(QString::fromLatin1(produktname), TabSheet1), "Label4");
    Label4->setGeometry(16, 8, 354, 55);
    Label4->setFont(schrift(schriftsans, 48));
    faerbe(Label4, QPalette::WindowText, weiss);

    Image1 = benannt(new QLabel(TabSheet1), "Image1");
    Image1->setGeometry(16, 80, 377, 273);
    Image1->setPixmap(QPixmap(QStringLiteral(":/bilder/start.jpg")));
    Image1->setScaledContents(true);

    GroupBox1 = benannt(new QGroupBox(TabSheet1), "GroupBox1");
    GroupBox1->setGeometry(416, 80, 225, 169);
    GroupBox1->hide();  // start-up shows it

    Label1 = benannt(new QLabel(QStringLiteral("Login"), GroupBox1), "Label1");
    Label1->setGeometry(24, 16, 59, 27);
    Label1->setFont(schrift(schriftsans, 24));
    faerbe(Label1, QPalette::WindowText, QColor(0, 0, 128));

    Label2 = benannt(new QLabel(QStringLiteral("Bearbeiter"), GroupBox1), "Label2");
    Label2->setGeometry(24, 48, 68, 16);

    Edit1 = benannt(new QLineEdit(GroupBox1), "Edit1");
    Edit1->setGeometry(24, 64, 193, 40);
    Edit1->setFont(schrift(schriftsans, 27));
    faerbe(Edit1, QPalette::Base, QColor(254, 254, 233));
    faerbe(Edit1, QPalette::Text, QColor(0, 0, 0));
    Edit1->setMaxLength(std::numeric_limits<int>::max());

    BitBtn1 = benannt(new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                                      QStringLiteral("OK"), GroupBox1),
                      "BitBtn1");
    BitBtn1->setGeometry(24, 112, 193, 41);
    // The window's default button: Enter clicks it (keyPressEvent), and it looks the part.
    BitBtn1->setDefault(true);
    setTabOrder(Edit1, BitBtn1);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
}

void TForm1::baurechnungsseite() {
    TabSheet2 = benannt(new QWidget, "TabSheet2");
    TabSheet2->setAutoFillBackground(true);
    PageControl1->addTab(TabSheet2, QStringLiteral("Rechnung"));

    GroupBox3 =
        benannt(new QGroupBox(QStringLiteral("E-Rechnung einlesen"), TabSheet2), "GroupBox3");
    GroupBox3->setGeometry(32, 48, 577, 353);
    GroupBox3->setFont(schrift(schriftsans, 13, true));
    faerbe(GroupBox3, QPalette::Window, QColor(121, 121, 121));
    faerbe(GroupBox3, QPalette::WindowText, weiss);

    Button3 = benannt(new QPushButton(QStringLiteral("Start"), GroupBox3), "Button3");
    Button3->setGeometry(32, 64, 137, 49);
    // Enter presses the Start button while it has the focus (Qt does so only in dialogs).
    Button3->setAutoDefault(true);

    GroupBox4 = benannt(new QGroupBox(QStringLiteral("Ausgabemedium"), GroupBox3), "GroupBox4");
    GroupBox4->setGeometry(256, 64, 185, 121);
    faerbe(GroupBox4, QPalette::Window, QColor(88, 88, 88));

    RadioButton2 = benannt(new QRadioButton(QStringLiteral("PDF"), GroupBox4), "RadioButton2");
    RadioButton2->setGeometry(16, 32, 113, 17);
    RadioButton2->setChecked(true);
    RadioButton1 = benannt(new QRadioButton(QStringLiteral("Drucker"), GroupBox4), "RadioButton1");
    RadioButton1->setGeometry(16, 72, 113, 17);

    CheckBox1 =
        benannt(new QCheckBox(QStringLiteral("mit Langtext  drucken"), GroupBox3), "CheckBox1");
    CheckBox1->setGeometry(40, 160, 177, 17);

    Label5 = benannt(new QLabel(QStringLiteral("Die PDF-Datei wird in dem Verzeichnis abgelegt, "
                                               "aus dem die E-Rechnung geöffnet wurde."),
                                GroupBox3),
                     "Label5");
    Label5->setGeometry(24, 224, 538, 20);
    Label5->setFont(schrift(schriftschmal, 15, true));

    setTabOrder(Button3, RadioButton2);
    setTabOrder(RadioButton2, RadioButton1);
    setTabOrder(RadioButton1, CheckBox1);

    // A choice runs its handler as the radio button becomes the selected one, by mouse or key.
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool an) {
        if (an) {
            RadioButton1Click();
        }
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool an) {
        if (an) {
            RadioButton2Click();
        }
    });
    // Qt's widget code is built without exception support, so an error must not unwind
    // through the button's click machinery. The click queues the run instead: the event loop
    // delivers it through Anwendung::notify, which hands any error to the error display.
    // The run itself is still one uninterrupted call; a second click before it begins adds
    // no second run.
    connect(Button3, &QPushButton::clicked, this, [this] {
        if (startgeplant_) {
            return;
        }
        startgeplant_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                startgeplant_ = false;
                Button3Click();
            },
            Qt::QueuedConnection);
    });
}

}  // namespace tolvek
