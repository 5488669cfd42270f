// SPDX-License-Identifier: MIT
// The conversion engine behind a plain C interface, for the page's module
// (web/site/kestrum.js) to call in WebAssembly without any generated binding
// code. One call converts one log held in memory; the result stays in the
// engine's memory until it is freed. Texts in and out are code page 1252 and
// end in a NUL byte; the module encodes and decodes them. See doc/web.md for
// the JavaScript interface built on this one.
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// The dialog's check boxes, one bit each; "Contest ID" travels as text.
enum {
  KESTRUM_WEB_SIX_METERS = 1 << 0,  // "6 Meters"
  KESTRUM_WEB_ARRL_SS = 1 << 1,     // "ARRL SS"
  KESTRUM_WEB_VEXO = 1 << 2,        // "VEXO"
  KESTRUM_WEB_OPERATOR = 1 << 3,    // "Operator"
  KESTRUM_WEB_WPX = 1 << 4,         // "WPX"
  KESTRUM_WEB_SECONDS = 1 << 5,     // "Seconds"
  KESTRUM_WEB_FREQUENCY = 1 << 6,   // "Frequency"
  KESTRUM_WEB_ADIF3 = 1 << 7        // "ADIF 3"
};

// How a run ended.
enum {
  KESTRUM_WEB_CONVERTED = 0,  // the ADIF text is there
  KESTRUM_WEB_REFUSED = 1,    // invalid header or unknown version
  KESTRUM_WEB_ERROR = 2       // anything else; the report says what
};

// The kind of a message-list line.
enum {
  KESTRUM_WEB_INFORMATION = 0,
  KESTRUM_WEB_WARNING = 1,
  KESTRUM_WEB_ERROR_LINE = 2
};

typedef struct KestrumWebResult KestrumWebResult;

// Converts the `logSize` bytes at `log` (null only when `logSize` is 0).
// `inputName` is the log's file name and `outputName` the ADIF file's, as
// the messages show them; `options` holds KESTRUM_WEB_* flags;
// `contestIdText` is "ADIF" for the contest's own CONTEST_ID, other text for
// that text as every CONTEST_ID, or "" (or null) for none. Returns the result,
// which the caller frees with kestrum_web_free; null only when memory ran
// out.
KestrumWebResult* kestrum_web_convert(const uint8_t* log, size_t logSize,
                                      const char* inputName,
                                      const char* outputName, uint32_t options,
                                      const char* contestIdText);

// A KESTRUM_WEB_CONVERTED, _REFUSED or _ERROR.
int kestrum_web_status(const KestrumWebResult* result);
// Contacts written, as the closing report counts them.
int kestrum_web_qsos_written(const KestrumWebResult* result);
// The ADIF text; empty (size 0) unless converted.
const uint8_t* kestrum_web_adif(const KestrumWebResult* result);
size_t kestrum_web_adif_size(const KestrumWebResult* result);
// The message list: lines in the dialog's order, with the empty line that
// closes each kind's group. `index` below the count, else "" and
// information.
size_t kestrum_web_message_count(const KestrumWebResult* result);
const char* kestrum_web_message(const KestrumWebResult* result, size_t index);
int kestrum_web_message_kind(const KestrumWebResult* result, size_t index);
// The text of the run's closing message box ("9 QSOs written to x.adi", or
// the error the run stopped with).
const char* kestrum_web_report(const KestrumWebResult* result);

// Frees a result and everything it points to; null is allowed.
void kestrum_web_free(KestrumWebResult* result);

#ifdef __cplusplus
}
#endif
