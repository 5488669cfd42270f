// SPDX-License-Identifier: MIT
// The texts of the dialog, its file choosers, the about box and the help
// link: product text, kept in one place and tested byte for byte. The texts
// of a conversion run are in core/messages.h.
#pragma once

namespace kestrum::text {

// Main dialog and about box titles, and the title of every message box.
inline constexpr char kMainTitle[] = "ZR to ADIF";
inline constexpr char kProgramTitle[] = "Kestrum";
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

// Convert with an output file that the user has not confirmed.
inline constexpr char kReplaceQuestion[] =
    "%s already exists.\nDo you want to replace it?";

// The message list: its context menu, the line that stands for the warnings
// past the list's limit, and the line that shows a long run's progress.
inline constexpr char kCopyCommand[] = "&Copy\tCtrl+C";
inline constexpr char kSelectAllCommand[] = "Select &All\tCtrl+A";
inline constexpr char kMoreWarnings[] = "%d more warnings not shown";
inline constexpr char kProgress[] = "Converting %s: %d%% done";

// Several logs dropped at once: the line over each log's lines, the
// progress line and the closing box ("3 logs converted, 1 refused; 245 QSOs
// written"; "refused" and "failed" only when there are such logs).
inline constexpr char kBatchLogLine[] = "ZR BIN file %s";
inline constexpr char kBatchProgress[] = "Converting %s (%d of %d): %d%% done";
inline constexpr char kBatchConverted[] = "%d log%s converted";
inline constexpr char kBatchRefused[] = ", %d refused";
inline constexpr char kBatchFailed[] = ", %d failed";
inline constexpr char kBatchQsos[] = "; %d QSOs written";

// The command line of the dialog program, `PROGRAM [LOG]`. The first
// argument of each message is the program's name.
inline constexpr char kUsage[] =
    "Usage: %s [LOG]\n"
    "Opens the ZR to ADIF dialog; with LOG, that log is chosen and its ADIF\n"
    "file proposed beside it.\n";
inline constexpr char kExtraArgument[] = "%s: ignoring extra argument %s\n";
inline constexpr char kLogNotFound[] =
    "%s: %s is not a file; starting without a log\n";

// Help.
inline constexpr char kBrowserNotStarted[] =
    "ERROR:  Could not start web browser.";
inline constexpr char kGuideNotFound[] =
    "ERROR:  Could not find the user guide; is Kestrum installed?";

}  // namespace kestrum::text
