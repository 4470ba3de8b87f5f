#pragma once
// Small helpers for laying windows out as designed: fonts by pixel height and colours of one
// palette role, and the compiled-in pictures. Windows font families map onto their
// metric-compatible free faces.

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace tolvek {

// "Arial", and "System" and "MS Sans Serif" as the nearest sans face.
inline constexpr const char* schriftsans = "Liberation Sans";
// "Arial Narrow".
inline constexpr const char* schriftschmal = "Liberation Sans Narrow";

// Makes the compiled-in pictures (":/bilder/...") available; cheap to call again.
void ladebilder();

QFont schrift(const char* familie, int pixel, bool fett = false);
void faerbe(QWidget* w, QPalette::ColorRole rolle, const QColor& farbe);

}  // namespace tolvek
