#pragma once
// The windowed messages: a box with a title and text from the text table
// and an icon; a question has Yes and No.
#include <functional>
#include <string>

enum class MessageKind { Warning, Error, Information, Question };

// Shows the box over the main window; true for Yes (questions) or OK.
bool ShowMessage(MessageKind kind, const std::string& title, const std::string& text);
// "Warning" box with the text.
void ShowWarning(const std::string& text);

// Tests answer message boxes without showing them. An empty function
// restores the real boxes.
using MessageSeam = std::function<bool(MessageKind kind, const std::string& title, const std::string& text)>;
void SetMessageSeam(MessageSeam seam);
