// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The application's style: the desktop's own, unchanged, except that the pictures of the menu
// bar's and tool bars' overflow buttons are read when such a button is first drawn. Qt reads them
// from image files as the menu bar is made, and reading any image file by name makes Qt load
// every image-format plugin (GIF, ICO, JPEG, SVG and the SVG library) to ask whether it reads
// PNG. The overflow button shows only when the window is too narrow for its menus.
class StartupStyle : public QProxyStyle {
 public:
  // `key` names the style to follow, as QStyleFactory knows it: the one Qt chose for the desktop or
  // the command line (-style).
  explicit StartupStyle(const QString& key) : QProxyStyle(key) {}

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};
