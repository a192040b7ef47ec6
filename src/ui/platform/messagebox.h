// The program's message boxes: plain, error and question, and the warning
// with which a file dialog refuses a name. Each is modal, centred on the
// screen, shows its text word-wrapped and exactly as given (a carriage
// return, alone or before a line feed, is a line break, so a leading "\r"
// shows as an empty first line) and returns the answer.
//
// Tests set messageBoxHook(): every box is then handed to the hook, which
// sees what the box would show and answers it, and no window opens.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "ui/platform/testhook.h"

class QDialog;

namespace paxamon {

enum class MessageBoxKind { Plain, Error, Question, Warning };
enum class MessageBoxIcon { None, Stop, Question, Exclamation };

// How a box was left: with one of its buttons, or with the window's close
// control (Closed). Escape presses the box's escape button.
enum class MessageBoxResult { Ok, Yes, No, Closed };

// Everything a box shows, as a test sees it.
struct MessageBoxRequest {
  MessageBoxKind kind = MessageBoxKind::Plain;
  QString caption;
  QString text;  // as the caller gave it
  MessageBoxIcon icon = MessageBoxIcon::None;
  QStringList buttons;              // button captions, "&" before the access key
  int defaultButton = 0;            // index into buttons: Enter
  int escapeButton = 0;             // index into buttons: Escape
  QList<MessageBoxResult> results;  // the result of each button
};

TestHook<MessageBoxResult(const MessageBoxRequest&)>& messageBoxHook();

// Caption "Paxamon", no icon, "OK". Returns Ok or Closed.
MessageBoxResult showMessage(const QString& text);
// Caption "Fehler", the stop icon, "OK". Returns Ok or Closed.
MessageBoxResult showError(const QString& text);
// Caption "Bestätigen", the question-mark icon, "&Ja" (Enter) and "&Nein"
// (Escape). Returns Yes, No, or Closed; the caller decides what Closed means.
MessageBoxResult askQuestion(const QString& text);
// Caption as given (the refusing dialog's title), the exclamation icon,
// "OK". Returns Ok or Closed.
MessageBoxResult showWarning(const QString& caption, const QString& text);

// What a box of this kind shows with this text; caption only for a warning.
MessageBoxRequest messageBoxRequest(MessageBoxKind kind, const QString& text,
                                    const QString& caption = {});

// Builds the box window for a request without showing it, for tests that
// look at it. Its exec() returns the index of the chosen result in
// request.results.
std::unique_ptr<QDialog> createMessageBox(const MessageBoxRequest& request);

// The text as the box lays it out: every "\r\n" and every lone "\r" become
// "\n".
QString messageBoxDisplayText(const QString& text);

}  // namespace paxamon
