// The about window: one instance, shown non-modally in front, closing only hides it, and the
// main window's focus rule when the focus comes back.
#include <functional>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/app/fenstertest.h"

namespace {

using Ueber = Fenstertest;

int aboutfenster() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        n += qobject_cast<tolvek::TForm30*>(w) != nullptr ? 1 : 0;
    }
    return n;
}

TEST_F(Ueber, ZweimalGezeigtBleibtEsEinFensterImVordergrund) {
    auto& f = starte();
    EXPECT_FALSE(form30->isVisible());  // created hidden

    f.berTolvek1->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form30.get()));
    EXPECT_EQ(form30->windowTitle(), QStringLiteral("über Tolvek Kavrin"));
    EXPECT_FALSE(form30->isModal());
    EXPECT_EQ(QApplication::focusWidget(), form30->BitBtn1);
    // The memo's six lines; its web address is the one "Tolvek im Internet" opens.
    const QStringList zeilen = form30->Memo1->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), 6);
    EXPECT_EQ(zeilen.mid(0, 4),
              (QStringList{QStringLiteral("Tolvek Kavrin"), QStringLiteral("Version 20.25.01"),
                           QStringLiteral("Stand 06.12.2024"), QString()}));
    EXPECT_FALSE(zeilen[4].isEmpty());
    f.TolvekimInternet1->trigger();
    ASSERT_EQ(umgebung.adressen.size(), 1u);
    EXPECT_EQ(QUrl(zeilen[5]), umgebung.adressen[0]);

    // The main window stays usable; the second choice brings the same window back to the front.
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.berTolvek1->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form30.get()));
    EXPECT_EQ(aboutfenster(), 1);
    EXPECT_EQ(tolvek::Form30, form30.get());
}

TEST_F(Ueber, SchliessenVerstecktNurUndBehaeltDieEingaben) {
    auto& f = starte();
    f.berTolvek1->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form30.get()));
    form30->Memo1->setFocus();
    QTest::keyClicks(form30->Memo1, QStringLiteral("Notiz"));
    const QString bearbeitet = form30->Memo1->toPlainText();
    ASSERT_TRUE(bearbeitet.contains(QStringLiteral("Notiz")));

    QTest::mouseClick(form30->BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(form30->isVisible());
    EXPECT_TRUE(f.isVisible());

    f.berTolvek1->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form30.get()));
    EXPECT_EQ(form30->Memo1->toPlainText(), bearbeitet);
    EXPECT_EQ(aboutfenster(), 1);
}

// When the focus comes back from the about window, the login page puts it into the name
// field, wherever it was before; the invoice page leaves it alone.
TEST_F(Ueber, FokusKehrtAufDerLoginseiteInsNamensfeldZurueck) {
    auto& f = starte();
    f.BitBtn1->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), f.BitBtn1);
    f.berTolvek1->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form30.get()));
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(QApplication::focusWidget(), f.Edit1);

    melde(QStringLiteral("Anna"));
    f.berTolvek1->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form30.get()));
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_NE(QApplication::focusWidget(), f.Edit1);
}

// Runs the event loop, as the program does, with aktion as its first event; true when the
// program then ends by itself, false when it still runs after a second.
bool endetprogramm(const std::function<void()>& aktion) {
    QTimer notbremse;
    notbremse.setSingleShot(true);
    QObject::connect(&notbremse, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    notbremse.start(1000);
    QTimer::singleShot(0, qApp, aktion);
    return QApplication::exec() == 0;
}

// Only the main window ends the program: "Ende" does so even while the about window is open,
// and closing the about window does not.
TEST_F(Ueber, NurDasHauptfensterBeendetDasProgramm) {
    auto& f = starte();
    f.berTolvek1->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form30.get()));
    EXPECT_FALSE(endetprogramm([this] { form30->close(); }));
    EXPECT_TRUE(f.isVisible());

    f.berTolvek1->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form30.get()));
    EXPECT_TRUE(endetprogramm([&f] { f.Ende1->trigger(); }));
    EXPECT_FALSE(f.isVisible());
}

// Without an about window (the entry normally creates one), the menu entry makes one.
TEST_F(Ueber, FehlendesFensterWirdErzeugt) {
    auto& f = starte();
    form30.reset();
    ASSERT_EQ(tolvek::Form30, nullptr);
    f.berTolvek1->trigger();
    ASSERT_NE(tolvek::Form30, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(tolvek::Form30));
    f.berTolvek1->trigger();
    EXPECT_EQ(aboutfenster(), 1);
}

}  // namespace
