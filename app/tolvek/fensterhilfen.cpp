#include "app/tolvek/fensterhilfen.h"

#include <QWidget>

// The pictures are compiled into this static library; nothing references their initialiser,
// so the linker would drop it unless it is called.
static void initbilder() {
    Q_INIT_RESOURCE(bilder);
}

namespace tolvek {

void ladebilder() {
    static const bool geladen = (initbilder(), true);
    (void)geladen;
}

QFont schrift(const char* familie, int pixel, bool fett) {
    QFont f(QString::fromLatin1(familie));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
}

void faerbe(QWidget* w, QPalette::ColorRole rolle, const QColor& farbe) {
    QPalette p = w->palette();
    p.setColor(rolle, farbe);
    w->setPalette(p);
    if (rolle == QPalette::Window) {
        w->setAutoFillBackground(true);
    }
}

}  // namespace tolvek
