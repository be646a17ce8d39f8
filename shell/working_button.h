// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QToolButton;
class QWidget;

// A panel's "Working" button, a picture button like its neighbours with "Working" as its text
// and tip, placed beside the exercise button: it opens the working of the panel's last
// calculation and is enabled and disabled with the exercise button, whatever changes that one.
QToolButton* WorkingButton(QWidget* parent, const QString& name, QToolButton* exercise);
