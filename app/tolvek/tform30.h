#pragma once
// The about window Form30: the product logo, a memo with name, version, date, maker and web
// address, and a close button. Closing it only hides it; the object lives until the program
// ends.

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tolvek {

class TForm30 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm30(QWidget* parent = nullptr);
    ~TForm30() override;

    QLabel* Image2;
    QPlainTextEdit* Memo1;
    QPushButton* BitBtn1;
};

// The one about window. The program entry creates it hidden; "über Tolvek" creates it when it
// is missing. Reset when that window is destroyed.
extern TForm30* Form30;

}  // namespace tolvek
