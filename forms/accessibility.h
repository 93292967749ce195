#pragma once

#include <QLabel>
#include <QString>

namespace quillmark::forms {

// How the windows reach screen readers and other assistive technology, beyond what Qt's
// widgets tell of themselves.
namespace accessibility {

// Makes the controls below known to Qt's accessibility layer; the windows call it.
void Install();

// A label that carries the messages of a procedure: its name is its caption, empty when it
// is empty (never the title of the frame around it), and `description` says what it is.
void MarkAsMessageLabel(QLabel& label, const QString& description);

// Tells assistive technology that a message label now says `message`, to be spoken now. Call
// it after the label shows the message.
void Announce(QLabel& label, const QString& message);

}  // namespace accessibility
}  // namespace quillmark::forms
