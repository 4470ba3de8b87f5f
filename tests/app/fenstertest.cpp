#include "tests/app/fenstertest.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

void waehle(QAbstractButton* knopf) {
    QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(6, knopf->height() / 2));
}

void Fenstertest::SetUp() {
    ASSERT_TRUE(ordner_.isValid());
    vorher_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(ordner_.path()));
    umgebung.leere();
}

void Fenstertest::TearDown() {
    form30.reset();
    form1.reset();
    QDir::setCurrent(vorher_);
}

tolvek::TForm1& Fenstertest::starte() {
    form1 = std::make_unique<tolvek::TForm1>(umgebung);
    tolvek::Form1 = form1.get();
    form30 = std::make_unique<tolvek::TForm30>();
    tolvek::Form30 = form30.get();
    form1->show();
    // A window manager activates a new window; without one (a bare X server) ask for it.
    form1->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    return *form1;
}

void Fenstertest::melde(const QString& name) {
    form1->Edit1->setText(name);
    QTest::mouseClick(form1->BitBtn1, Qt::LeftButton);
}

void Fenstertest::schreibe(const QString& name, const std::string& bytes) const {
    QFile f(pfad(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes.data(), static_cast<qint64>(bytes.size())),
              static_cast<qint64>(bytes.size()));
}

std::string Fenstertest::lies(const QString& name) const {
    QFile f(pfad(name));
    if (!f.open(QIODevice::ReadOnly)) {
        return "<fehlt>";
    }
    return f.readAll().toStdString();
}
