// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QRect>
#include <QSettings>
#include <QString>

class Form1;

// The main window's set-up kept between runs in the user's settings file, under "main/": the
// decimals, the angle unit, the formula being typed, and the window's place, size and
// maximised state. Other windows keep theirs in the same file under groups of their own.
//
// A file that cannot be read does not stop the start: it is set aside as "<file>.bad" and the
// defaults stand. A value the window could not have had (a foreign file, a hand edit) is passed
// over, and a place off every screen is moved onto one.
class SetUpKeeper : public QObject {
  Q_OBJECT

 public:
  // Restores what `file` holds into `form` at once, before the form is shown, then keeps every
  // change.
  SetUpKeeper(Form1& form, const QString& file);

  // The settings file of the user's configuration folder: the one QSettings() opens for
  // Zorbit, so every window that keeps something writes to it.
  static QString UserFile();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Restore();
  void KeepGeometry();

  Form1& form_;
  QSettings settings_;
};
