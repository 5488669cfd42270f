// SPDX-License-Identifier: MIT
// The numbers of the Windows resources of Kestrum.exe: dialog templates,
// icon and strings. Read by kestrum.rc and by the C++ code, so it holds
// plain #defines only. The controls inside the dialogs are numbered as in
// ui/model/control_ids.h.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_KESTRUM_DIALOG 102
#define IDR_MAINFRAME 128
