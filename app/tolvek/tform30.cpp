#include "app/tolvek/tform30.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "app/tolvek/fensterhilfen.h"
#include "app/tolvek/produkt.h"

namespace tolvek {

TForm30* Form30 = nullptr;

TForm30::TForm30(QWidget* parent) : QWidget(parent, Qt::Window) {
    ladebilder();
    setObjectName(QStringLiteral("Form30"));
    setWindowTitle(QStringLiteral("über Tolvek Kavrin"));
    resize(490, 252);
    setFont(schrift(schriftsans, 11));
    faerbe(this, QPalette::Window, palette().color(QPalette::Button));
    // The main window alone ends the program, even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(16, 21, 209, 116);
    Image2->setPixmap(QPixmap(QStringLiteral(":/bilder/logo.jpg")));
    Image2->setScaledContents(true);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                              QStringLiteral("S&chließen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(336, 160, 97, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(248, 24, 185, 113);
    faerbe(Memo1, QPalette::Base, QColor(167, 216, 245));
    Memo1->setPlainText(
        QStringList{QString::fromLatin1(produktname), QString::fromLatin1(produktversion),
                    QString::fromLatin1(produktstand), QString(), QString::fromLatin1(hersteller),
                    QString::fromLatin1(webadresse)}
            .join(QLatin1Char('\n')));

    // The close button first, so it has the focus when the window opens.
    setTabOrder(BitBtn1, Memo1);
    BitBtn1->setFocus();

    if (const QScreen* schirm = QGuiApplication::primaryScreen()) {
        move(schirm->availableGeometry().center() - rect().center());
    }
}

TForm30::~TForm30() {
    if (Form30 == this) {
        Form30 = nullptr;
    }
}

}  // namespace tolvek
