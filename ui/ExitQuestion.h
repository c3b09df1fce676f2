#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

// The question asked before the program is left through its "Выход" command.
namespace ui {

/// Asks the user whether to leave the program; true only when the answer is OK.
using ExitQuestion = std::function<bool(QWidget* parent)>;

/// The text of the question: two lines joined by a line feed and a carriage return, in that order.
QString exitQuestionText();

/// Fills `box` as the question: title "Warning", the warning icon, buttons "&No" and "OK" from left to
/// right. OK is the default button and No the escape button, but No holds the keyboard focus when the
/// box opens, so Enter, Escape and N all answer No.
void prepareExitQuestion(QMessageBox& box);

/// The real question: prepareExitQuestion() shown modally over `parent`.
bool showExitQuestion(QWidget* parent);

/// Replaces the question (tests answer it this way); an empty one restores the real box. Returns the
/// one that was set.
ExitQuestion setExitQuestion(ExitQuestion question);

/// Asks the current question.
bool askExitQuestion(QWidget* parent);

} // namespace ui
