#pragma once
// What every window test shares: a fresh temporary folder as the current directory (restored
// afterwards), the recording desktop emptied, and the two windows built as the program entry
// builds them.

#include <memory>
#include <string>

#include <gtest/gtest.h>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include "app/tolvek/tform1.h"
#include "app/tolvek/tform30.h"
#include "tests/app/testumgebung.h"

class QAbstractButton;

// Clicks a radio button or check box on its indicator: Qt takes a click only on the indicator
// and the text, and a short text ends before the widget's centre.
void waehle(QAbstractButton* knopf);

class Fenstertest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Builds Form1 (running its start-up) and Form30, shows Form1 and waits until it is the
    // active window.
    tolvek::TForm1& starte();
    // Types the name into Edit1 and confirms it with OK.
    void melde(const QString& name);

    // Files in the temporary folder, byte for byte.
    QString pfad(const QString& name) const { return ordner_.filePath(name); }
    void schreibe(const QString& name, const std::string& bytes) const;
    std::string lies(const QString& name) const;

    TestUmgebung& umgebung = testumgebung();
    std::unique_ptr<tolvek::TForm1> form1;
    std::unique_ptr<tolvek::TForm30> form30;

  private:
    QTemporaryDir ordner_;
    QString vorher_;
};
