#pragma once
// The application's error display: an error that ends an event handler is shown in a modal
// message box with the stop icon, an OK button and the application's title, and the program
// goes on.

#include <exception>
#include <string>

#include <QString>

class QWidget;

namespace tolvek {

class Umgebung;

// The text the display shows for an error message: a full stop is appended when the last
// byte sorts after "." ("Datei nicht gefunden" -> "Datei nicht gefunden."; "Out of memory!"
// stays). The bytes are read as UTF-8 when they are valid UTF-8 (our own messages), otherwise
// as Windows-1252 (a message quoting raw invoice bytes).
QString fehlertext(const std::string& meldung);

// The caption of every message box: the application's title, which the program leaves at its
// default, the executable's base name.
QString anwendungstitel();

// Shows the error currently being handled (call it inside a catch block).
void zeigefehler(Umgebung& umgebung, QWidget* fenster, std::exception_ptr fehler);

}  // namespace tolvek
