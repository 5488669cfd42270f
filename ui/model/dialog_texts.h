// SPDX-License-Identifier: MIT
// The texts of the dialog, its file choosers, the about box and the help
// link: product text, kept in one place and tested byte for byte. The texts
// of a conversion run are in core/messages.h.
#pragma once

namespace kestrum::text {

// Main dialog and about box titles.
inline constexpr char kMainTitle[] = "ZR to ADIF";
inline constexpr char kAboutTitle[] = "About Kestrum";
inline constexpr char kAboutMenuItem[] = "&About Kestrum...";
inline constexpr char kVersionPrefix[] = "Kestrum Version ";
inline constexpr char kRightsLine[] =
    "Copyright (C) 2026 the Kestrum developers";
inline constexpr char kLicenceLine[] = "Licensed under the MIT License";

// The input file chooser: title, filter pairs (description, pattern), and
// the extension it stands for.
inline constexpr char kInputChooserTitle[] = "Input ZR BIN File";
inline constexpr char kInputFilter[] = "BIN Files|*.bin|All Files|*.*";
inline constexpr char kInputExtension[] = "bin";

// The output file chooser.
inline constexpr char kOutputChooserTitle[] = "Output ADIF file";
inline constexpr char kOutputFilter[] = "ADIF Files|*.adi;*.adif|All Files|*.*";
inline constexpr char kOutputExtension[] = "adi";

// Help.
inline constexpr char kBrowserNotStarted[] =
    "ERROR:  Could not start web browser.";
inline constexpr char kGuideNotFound[] =
    "ERROR:  Could not find the user guide; is Kestrum installed?";

}  // namespace kestrum::text
