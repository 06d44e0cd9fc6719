#pragma once
// Secondary windows that are modal by hand over the main window.
#include <QWidget>

// Centres the window on the main window, makes the window system treat it
// as belonging to the main window, shows it with the focus, and disables the
// main window. The window has no QWidget parent, so it stays enabled.
void ShowOverMainWindow(QWidget& window);
// Enables the main window again and gives it the focus.
void ReturnToMainWindow();

// Window flags of a secondary window: a caption and a close box only.
inline constexpr Qt::WindowFlags kCaptionAndCloseBox =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
