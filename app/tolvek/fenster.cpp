#include "app/tolvek/fenster.h"

namespace tolvek {

Fenster::Fenster(Umgebung& umgebung) : form1(umgebung) {
    Form1 = &form1;
    Form30 = &form30;
}

void Fenster::zeige() {
    form1.show();
    form1.activateWindow();
}

}  // namespace tolvek
