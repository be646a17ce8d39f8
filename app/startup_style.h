// SPDX-License-Identifier: MIT
#pragma once

#include "shell/form1_style.h"

// The application's style: the desktop's own with the main window's look (Form1Style), except
// that the pictures of the menu bar's and tool bars' overflow buttons are read when such a button
// is first drawn. Qt reads them from image files as the menu bar is made, and reading any image
// file by name makes Qt load every image-format plugin (GIF, ICO, JPEG, SVG and the SVG library)
// to ask whether it reads PNG. The overflow button shows only when the window is too narrow for
// its menus.
class StartupStyle : public Form1Style {
 public:
  // `key` names the style to follow, as QStyleFactory knows it: the one Qt chose for the desktop or
  // the command line (-style).
  explicit StartupStyle(const QString& key) : Form1Style(key) {}

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};
