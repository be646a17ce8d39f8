// SPDX-License-Identifier: MIT
#include "filedlg/dftxs.h"

DFtxs::DFtxs(QWidget* parent, const Seams& seams) : QDialog(parent), seams_(seams) {}
void DFtxs::Open(std::int16_t mode, const QString&, const QString&) { dialogMode_ = mode; }
void DFtxs::BtOk_Click() {}
void DFtxs::BtFuig_Click() {}
void DFtxs::BtAm_Click() {}
void DFtxs::BtRere_Click() {}
void DFtxs::BtNova_Click() {}
void DFtxs::BtObr_Click() {}
void DFtxs::LDsks_Change() {}
void DFtxs::LTps_Click() {}
void DFtxs::LFtxs_Click() {}
void DFtxs::LFtxs_KeyDown(int) {}
void DFtxs::IdNova_KeyDown(int) {}
void DFtxs::LDirs_Open(QListWidgetItem*) {}
bool DFtxs::eventFilter(QObject* watched, QEvent* event) { return QDialog::eventFilter(watched, event); }
void DFtxs::showEvent(QShowEvent* event) { QDialog::showEvent(event); }
