#pragma once
// The program's two windows, made in the order of the program entry: the main window Form1
// first (it is the application's main window), then the about window Form30, hidden. The
// screenshot tool builds them the same way, so its pictures show what the program shows.

#include "app/tolvek/tform1.h"
#include "app/tolvek/tform30.h"

namespace tolvek {

class Umgebung;

class Fenster {
  public:
    explicit Fenster(Umgebung& umgebung);
    Fenster(const Fenster&) = delete;
    Fenster& operator=(const Fenster&) = delete;

    // Shows the main window; where no window manager activates new windows (a bare X
    // server), it asks for that itself.
    void zeige();

    TForm1 form1;
    TForm30 form30;
};

}  // namespace tolvek
