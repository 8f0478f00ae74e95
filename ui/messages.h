// The program's two kinds of modal box: the plain message box and the error
// display that every failed handler ends in.
#pragma once

#include <string_view>

class QWidget;

namespace vostrel {

// No icon, the application title as caption, one button "确定".
void ShowMessage(QWidget *parent, std::string_view ansiText);

// Stop icon, the application title as caption, one OK button; a full stop is
// added when the text's last byte sorts after '.'.
void ShowError(QWidget *parent, std::string_view ansiText);

} // namespace vostrel
