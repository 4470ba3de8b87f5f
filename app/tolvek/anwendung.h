#pragma once
// The application object. It catches every exception that leaves an event handler and hands
// it to the error display; the event loop then goes on.

#include <QApplication>

namespace tolvek {

class Umgebung;

class Anwendung final : public QApplication {
    Q_OBJECT

  public:
    Anwendung(int& argc, char** argv, Umgebung& umgebung);

    bool notify(QObject* empfaenger, QEvent* ereignis) override;

    Umgebung& umgebung() { return umgebung_; }

  private:
    Umgebung& umgebung_;
};

}  // namespace tolvek
